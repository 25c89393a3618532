#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// The file-type filters of the open and save dialogs, written by callers in
// the pair form "Description|pattern;pattern|Other|*.*||", and the name
// rules those dialogs apply. No toolkit here: the toolkit sink converts.

struct FileFilterEntry {
    std::string description;
    std::vector<std::string> patterns;  // never empty; blanks trimmed
    friend bool operator==(const FileFilterEntry&, const FileFilterEntry&) = default;
};

// Splits the filter string into its entries, in order:
// - fields are separated by '|'; they pair up as description, patterns;
// - an empty description ends the list, so "||" after a pattern does, and
//   so does the end of the string (the final "||" may be missing);
// - patterns are separated by ';', blanks around each are dropped;
// - an entry without patterns (missing or blank field) matches all files
//   ("*").
std::vector<FileFilterEntry> ParseFileFilter(std::string_view filter);

// The toolkit's name-filter form of an entry: "Description (*.a *.b)".
// "*.*" becomes "*": to the toolkit "*.*" only matches names with a dot,
// whereas callers mean all files by it.
std::string ToToolkitNameFilter(const FileFilterEntry& entry);
std::vector<std::string> ToToolkitNameFilters(std::span<const FileFilterEntry> entries);

// A 1-based filter index limited to the entries: out of range gives 1, and
// no entries give 0.
int ClampFilterIndex(int index, std::size_t count);

// The extension of an entry whose only pattern is "*.ext" with a concrete
// ext (no wildcard), without the dot; empty otherwise ("*.*", "*.t?t",
// "*.txt;*.log", "report*").
std::string ConcreteExtension(const FileFilterEntry& entry);

// The extension a file dialog adds to a typed name without one. None when
// the caller asked for none (requested empty). Otherwise the selected
// filter's concrete extension when it has one, since a user who picks
// "Text (*.txt)" and types "notes" means notes.txt; the caller's spelling
// is kept when the two differ only in case. Else the requested one.
// Leading dots of requested are ignored (".txt" and "txt" are the same).
std::string ChooseDefaultExtension(std::string_view requested, const FileFilterEntry* selected);

// True when the last component of path has an extension: a dot that is not
// its first character. A trailing dot ("name.") counts: the user typed an
// empty extension on purpose. A leading dot (".profile") marks a hidden
// file, not an extension.
bool HasExtension(std::string_view path);

// path with ".extension" appended when it has none (see HasExtension) and
// extension is not empty; otherwise path as it is. An empty path, or one
// that ends in '/', is returned as it is. Leading dots of extension are
// ignored.
std::string ApplyDefaultExtension(std::string_view path, std::string_view extension);

// The names typed into a file dialog's name field. With several allowed,
// each name is in double quotes ("a.csv" "b.csv"; text between the quoted
// names is ignored, an unclosed quote runs to the end) or, without any
// quote, the whole text is one name. With one allowed, the whole text is
// the name, without the quotes around it if it has them. Empty names are
// dropped.
std::vector<std::string> SplitTypedFileNames(std::string_view text, bool several);

// True when a name holds a wildcard ('*', '?' or '[').
bool HasWildcard(std::string_view name);

// Where a file dialog starts: its folder and the name in its name field.
// A proposed name may carry a folder ("/data/run1.csv", or relative to
// folder) and may be a pattern ("*.bin") that only says which files to
// list: the folder part moves to the folder, and a pattern leaves the name
// field empty (the selected filter lists the files).
struct FileDialogStart {
    std::string folder;  // empty: the working folder
    std::string name;
    friend bool operator==(const FileDialogStart&, const FileDialogStart&) = default;
};
FileDialogStart SplitFileDialogStart(std::string_view folder, std::string_view fileName);

}  // namespace corvane
