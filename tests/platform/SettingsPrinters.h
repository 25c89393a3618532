#pragma once

#include "platform/SettingsFile.h"

#include <ostream>

namespace corvane {

// Lets GoogleTest show settings as their file text when a check fails.
inline void PrintTo(const SettingsKey& key, std::ostream* out) { *out << "\n" << FormatSettings(key); }

inline void PrintTo(const SettingsNamedValue& named, std::ostream* out)
{
    SettingsKey holder;
    holder.values.push_back(named);
    *out << FormatSettings(holder);
}

inline void PrintTo(const SettingsValue& value, std::ostream* out) { PrintTo(SettingsNamedValue{"value", value}, out); }

}  // namespace corvane
