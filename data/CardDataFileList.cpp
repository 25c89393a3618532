#include "data/CardDataFileList.h"

#include <algorithm>
#include <system_error>

namespace corvane {
namespace {

// Data file names: an 8-character stem, then ".vrd".
constexpr std::size_t kStemLength = 8;
constexpr std::string_view kDataExtension = ".vrd";
// Names kept ahead of the walk between listings of the folder.
constexpr std::size_t kAhead = 64;

std::string AsciiLower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

bool IsRegularFile(const std::filesystem::directory_entry& entry)
{
    std::error_code error;
    return entry.is_regular_file(error);
}

}  // namespace

std::optional<std::filesystem::path> FindCardFile(const std::filesystem::path& folder, std::string_view name)
{
    std::error_code error;
    const std::filesystem::path exact = folder / std::string(name);
    if (std::filesystem::is_regular_file(exact, error))
        return exact;
    const std::string wanted = AsciiLower(name);
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (AsciiLower(it->path().filename().string()) == wanted && IsRegularFile(*it))
            return it->path();
    }
    return std::nullopt;
}

void CardDataFileList::Restart(std::string afterKey)
{
    started_ = !afterKey.empty();
    lastKey_ = std::move(afterKey);
    exhausted_ = false;
    ahead_.clear();
    next_ = 0;
}

std::optional<CardDataFile> CardDataFileList::Next()
{
    if (next_ >= ahead_.size())
        Refill();
    if (next_ >= ahead_.size())
        return std::nullopt;
    CardDataFile file = std::move(ahead_[next_++]);
    lastKey_ = file.key;
    started_ = true;
    return file;
}

void CardDataFileList::Refill()
{
    ahead_.clear();
    next_ = 0;
    if (exhausted_)
        return;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder_, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.size() != kStemLength + kDataExtension.size() || name.front() == '.')
            continue;
        const std::string lower = AsciiLower(name);
        if (lower.compare(kStemLength, kDataExtension.size(), kDataExtension) != 0)
            continue;
        std::string key = lower.substr(0, kStemLength);
        if (started_ && key <= lastKey_)
            continue;
        if (ahead_.size() == kAhead && key >= ahead_.back().key)
            continue;
        const auto at = std::lower_bound(ahead_.begin(), ahead_.end(), key,
            [](const CardDataFile& file, const std::string& k) { return file.key < k; });
        if (at != ahead_.end() && at->key == key)
            continue;  // the same name in another case: the first one listed is taken
        if (!IsRegularFile(*it))
            continue;
        ahead_.insert(at, CardDataFile{std::move(key), it->path()});
        if (ahead_.size() > kAhead)
            ahead_.pop_back();
    }
    // A listing that did not fill the window saw every remaining file.
    exhausted_ = ahead_.size() < kAhead;
}

}  // namespace corvane
