#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace corvane {

class CCorvaneObj;

// Makes stored net objects by the class name they were stored under.
// The application fills one registry at start-up and hands it to the
// documents that read object archives.
class NetClassRegistry {
public:
    using Maker = std::function<std::unique_ptr<CCorvaneObj>()>;

    void Register(std::string name, Maker maker) { makers_[std::move(name)] = std::move(maker); }
    bool Has(std::string_view name) const { return makers_.find(name) != makers_.end(); }
    // A new default object of the class, or null for an unknown name.
    std::unique_ptr<CCorvaneObj> Create(std::string_view name) const
    {
        const auto found = makers_.find(name);
        return found == makers_.end() ? nullptr : found->second();
    }

private:
    std::map<std::string, Maker, std::less<>> makers_;
};

}  // namespace corvane
