#include "loggersim/LoggerUserList.h"

#include <algorithm>
#include <stdexcept>

namespace corvane {

LoggerUserList::iterator LoggerUserList::find(std::string_view name)
{
    return std::find_if(entries_.begin(), entries_.end(), [name](const Entry& e) { return e.first == name; });
}

LoggerUserList::const_iterator LoggerUserList::find(std::string_view name) const
{
    return std::find_if(entries_.begin(), entries_.end(), [name](const Entry& e) { return e.first == name; });
}

LoggerUser& LoggerUserList::operator[](std::string_view name)
{
    if (auto found = find(name); found != end())
        return found->second;
    entries_.emplace_back(std::string(name), LoggerUser{});
    return entries_.back().second;
}

void LoggerUserList::Insert(std::size_t index, std::string name, LoggerUser user)
{
    const auto where = entries_.begin() + static_cast<std::ptrdiff_t>(std::min(index, entries_.size()));
    entries_.emplace(where, std::move(name), std::move(user));
}

LoggerUser& LoggerUserList::at(std::string_view name)
{
    if (auto found = find(name); found != end())
        return found->second;
    throw std::out_of_range("no such logger user");
}

const LoggerUser& LoggerUserList::at(std::string_view name) const
{
    if (auto found = find(name); found != end())
        return found->second;
    throw std::out_of_range("no such logger user");
}

}  // namespace corvane
