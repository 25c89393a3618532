#include "platform/BitmapCatalog.h"

#include <algorithm>
#include <functional>
#include <system_error>
#include <utility>

namespace corvane {

namespace {

constexpr int kDefaultSide = 16;
// A placeholder larger than this would only waste memory.
constexpr int kLargestSide = 4096;

constexpr RgbColour kPlaceholderPaper{255, 255, 255};
constexpr RgbColour kPlaceholderInk{255, 0, 0};

int PlaceholderSide(int side) { return side > 0 ? std::min(side, kLargestSide) : kDefaultSide; }

// A failing maker is remembered like one that gives nothing, so it is not
// run again on every draw.
Bitmap RunMaker(const BitmapCatalog::Maker& maker)
{
    if (!maker)
        return {};
    try {
        return maker();
    } catch (...) {
        return {};
    }
}

}  // namespace

BitmapCatalog::~BitmapCatalog()
{
    // A picture still being made is waited for before its maker goes.
    FinishMakingAhead();
}

void BitmapCatalog::FinishMakingAhead() { ahead_.clear(); }

void BitmapCatalog::Register(int id, Maker maker)
{
    ahead_.erase(id);
    made_.erase(id);
    makers_[id] = std::move(maker);
}

void BitmapCatalog::MakeAhead(int id)
{
    const auto maker = makers_.find(id);
    if (maker == makers_.end() || made_.count(id) != 0 || ahead_.count(id) != 0)
        return;
    try {
        // The maker stays in the catalog, unchanged, while the thread uses it.
        ahead_.emplace(id, std::async(std::launch::async, RunMaker, std::cref(maker->second)));
    } catch (const std::system_error&) {
        // Without a thread the picture is made when it is asked for.
    }
}

bool BitmapCatalog::Has(int id) const { return makers_.count(id) != 0; }

const Bitmap& BitmapCatalog::Get(int id) { return Get(id, {kDefaultSide, kDefaultSide}); }

const Bitmap& BitmapCatalog::Get(int id, Size placeholderSize)
{
    auto it = made_.find(id);
    if (it == made_.end()) {
        if (auto ahead = ahead_.find(id); ahead != ahead_.end()) {
            Bitmap made = ahead->second.get();
            ahead_.erase(ahead);
            it = made_.emplace(id, std::move(made)).first;
        } else {
            auto maker = makers_.find(id);
            if (maker == makers_.end())
                return PlaceholderOf(placeholderSize);
            it = made_.emplace(id, RunMaker(maker->second)).first;
        }
    }
    if (it->second.IsNull() || it->second.Width() <= 0 || it->second.Height() <= 0)
        return PlaceholderOf(placeholderSize);
    return it->second;
}

const Bitmap& BitmapCatalog::PlaceholderOf(Size size)
{
    const int width = PlaceholderSide(size.width);
    const int height = PlaceholderSide(size.height);
    if (width == kDefaultSide && height == kDefaultSide) {
        if (placeholder_.IsNull())
            placeholder_ = Placeholder(width, height);
        return placeholder_;
    }
    auto [it, added] = sizedPlaceholders_.try_emplace({width, height});
    if (added)
        it->second = Placeholder(width, height);
    return it->second;
}

Bitmap BitmapCatalog::Placeholder(int width, int height)
{
    width = PlaceholderSide(width);
    height = PlaceholderSide(height);
    Bitmap picture(width, height);
    picture.Fill(kPlaceholderPaper);
    for (int x = 0; x < width; ++x) {
        picture.SetPixel(x, 0, kPlaceholderInk);
        picture.SetPixel(x, height - 1, kPlaceholderInk);
    }
    for (int y = 0; y < height; ++y) {
        picture.SetPixel(0, y, kPlaceholderInk);
        picture.SetPixel(width - 1, y, kPlaceholderInk);
    }
    // Both diagonals, stepping along the longer side so the lines have no gaps.
    const int steps = std::max(width, height);
    for (int step = 0; step < steps; ++step) {
        const int x = steps > 1 ? step * (width - 1) / (steps - 1) : 0;
        const int y = steps > 1 ? step * (height - 1) / (steps - 1) : 0;
        picture.SetPixel(x, y, kPlaceholderInk);
        picture.SetPixel(width - 1 - x, y, kPlaceholderInk);
    }
    return picture;
}

}  // namespace corvane
