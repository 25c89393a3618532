#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// The advisory texts the user chose not to see again. The application
// object owns one for the run; it is never saved.
class AdvisorySuppressions {
public:
    // Exact, case-sensitive comparison.
    bool Contains(std::string_view text) const
    {
        return std::find(texts_.begin(), texts_.end(), text) != texts_.end();
    }
    void Add(std::string_view text) { texts_.emplace_back(text); }
    std::size_t Count() const { return texts_.size(); }

private:
    std::vector<std::string> texts_;
};

}  // namespace corvane
