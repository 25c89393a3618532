#pragma once

#include "platform/PromptSink.h"

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

class Window;

// The file dialog with option controls below its file list: how a saved
// file's name is completed (date and time, or an incrementing number) and
// whether the logger's data is erased after a successful transfer.
class CFileChildDialog {
public:
    struct Options {
        bool showMode = true;   // offer the naming-mode radio buttons
        bool showErase = true;  // offer the erase check box
        int eraseFlag = 0;      // the caller's erase setting, shown checked when non-zero
        bool open = false;      // false: a save dialog
        std::string title;      // empty: the dialog's usual title
        std::string defaultExtension;
        std::string fileName;   // proposed name, may carry a folder
        std::string filter;     // "Description|*.ext||"
        bool overwritePrompt = false;
        bool fileMustExist = false;
    };

    explicit CFileChildDialog(Options options, Window* parent = nullptr);

    // kIdOk when a file was chosen, else kIdCancel.
    int DoModal();

    // After DoModal: the chosen path and its extension (without the dot).
    const std::string& GetPathName() const { return path_; }
    std::string GetFileExt() const;
    // 0 date and time, 1 incrementing number; -1 when the mode is not offered.
    int NamingMode() const { return namingMode_; }
    int EraseFlag() const { return eraseFlag_; }

    // The request DoModal hands to the prompt sink.
    FileDialogRequest MakeRequest() const;

private:
    Options options_;
    Window* parent_;
    std::string path_;
    int namingMode_ = 0;
    int eraseFlag_ = 0;
};

}  // namespace corvane
