#include "platform/PromptSink.h"

#include <QApplication>
#include <QMessageBox>

namespace corvane {

namespace {

class ToolkitPromptSink final : public PromptSink {
public:
    int ShowMessageBox(const MessageBoxRequest& request) override
    {
        QMessageBox box;
        box.setWindowTitle(QString::fromStdString(request.caption.empty() ? "Corvane" : request.caption));
        box.setText(QString::fromStdString(request.text));
        switch (request.icon) {
        case MessageBoxIcon::None: box.setIcon(QMessageBox::NoIcon); break;
        case MessageBoxIcon::Information: box.setIcon(QMessageBox::Information); break;
        case MessageBoxIcon::Warning: box.setIcon(QMessageBox::Warning); break;
        case MessageBoxIcon::Error: box.setIcon(QMessageBox::Critical); break;
        case MessageBoxIcon::Question: box.setIcon(QMessageBox::Question); break;
        }
        switch (request.buttons) {
        case MessageBoxButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case MessageBoxButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
        case MessageBoxButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        case MessageBoxButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
        case MessageBoxButtons::RetryCancel: box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel); break;
        }
        if (request.beep)
            QApplication::beep();
        switch (box.exec()) {
        case QMessageBox::Ok: return kIdOk;
        case QMessageBox::Yes: return kIdYes;
        case QMessageBox::No: return kIdNo;
        case QMessageBox::Retry: return kIdRetry;
        default: return kIdCancel;
        }
    }

    std::optional<FileDialogResult> ShowFileDialog(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::uint32_t> ChooseColour(WindowHandle, std::uint32_t) override { return std::nullopt; }
    std::optional<FontChoice> ChooseFont(WindowHandle, const FontChoice&) override { return std::nullopt; }
    std::optional<std::string> ChooseFolder(WindowHandle, const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
    void ShowHelp(WindowHandle, std::uint32_t) override {}
};

}  // namespace

std::unique_ptr<PromptSink> MakeToolkitPromptSink() { return std::make_unique<ToolkitPromptSink>(); }

}  // namespace corvane
