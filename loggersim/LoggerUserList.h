#pragma once

#include "loggersim/LoggerUser.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvane {

// The users of the simulated logger's password system by name, in the
// order they were added: the user-table operations address users by that
// index. Names are unique.
class LoggerUserList {
public:
    using Entry = std::pair<std::string, LoggerUser>;
    using iterator = std::vector<Entry>::iterator;
    using const_iterator = std::vector<Entry>::const_iterator;

    iterator begin() { return entries_.begin(); }
    iterator end() { return entries_.end(); }
    const_iterator begin() const { return entries_.begin(); }
    const_iterator end() const { return entries_.end(); }
    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    void clear() { entries_.clear(); }

    iterator find(std::string_view name);
    const_iterator find(std::string_view name) const;
    std::size_t count(std::string_view name) const { return find(name) != end() ? 1 : 0; }
    // The named user; a new one is added at the end when none has the name.
    LoggerUser& operator[](std::string_view name);
    LoggerUser& at(std::string_view name);
    const LoggerUser& at(std::string_view name) const;
    Entry& AtIndex(std::size_t index) { return entries_.at(index); }
    const Entry& AtIndex(std::size_t index) const { return entries_.at(index); }
    void Erase(iterator where) { entries_.erase(where); }
    // Adds a user of a new name before the index (at the end past it).
    void Insert(std::size_t index, std::string name, LoggerUser user);

private:
    std::vector<Entry> entries_;
};

}  // namespace corvane
