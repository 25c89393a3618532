#pragma once

#include "platform/Message.h"
#include "platform/PromptSink.h"

#include <string>

namespace corvane {

// The open dialog of a file item: no default extension, the current text as
// the proposed name, "OK" on its confirming button.
class CTreeOptionsFileDialog {
public:
    CTreeOptionsFileDialog(WindowHandle owner, std::string title, std::string fileName, std::string filter);

    int DoModal();  // kIdOk or kIdCancel
    std::string GetPathName() const { return path_; }
    const FileDialogRequest& Request() const { return request_; }

private:
    FileDialogRequest request_;
    std::string path_;
};

}  // namespace corvane
