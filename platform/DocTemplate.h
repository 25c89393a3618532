#pragma once

#include "platform/AcceleratorTable.h"
#include "platform/MenuTemplate.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace corvane {

class ChildFrame;
class Document;
class MdiFrame;
class View;

// What a kind of document brings: its resource id, the menu and shortcut
// keys its frames show, the title of a new document, and the filter and
// extension its save dialog offers ("Net Files (*.nt3)|*.nt3||", "nt3").
struct DocTemplateResources {
    int id = 0;
    const MenuTemplate* menu = nullptr;
    const AcceleratorTable* accelerators = nullptr;
    std::string_view newTitle = "Untitled";
    std::string_view fileFilter;
    std::string_view defaultExtension;
};

// Makes the documents of one kind with their frame and view, inside the
// main frame that holds the template (MdiFrame::AddDocTemplate). At most
// one document of the kind is open at a time: opening another replaces it,
// after asking to save changes.
class DocTemplate {
public:
    using DocumentFactory = std::function<std::unique_ptr<Document>()>;
    using FrameFactory = std::function<std::unique_ptr<ChildFrame>()>;
    using ViewFactory = std::function<std::unique_ptr<View>()>;

    DocTemplate(const DocTemplateResources& resources, DocumentFactory makeDocument, FrameFactory makeFrame,
        ViewFactory makeView);
    ~DocTemplate();
    DocTemplate(const DocTemplate&) = delete;
    DocTemplate& operator=(const DocTemplate&) = delete;

    int ResourceId() const { return resources_.id; }
    const DocTemplateResources& Resources() const { return resources_; }
    MdiFrame* MainFrame() const { return main_; }

    // The open document and its frame, or null.
    Document* GetDocument() const { return document_.get(); }
    ChildFrame* Frame() const { return frame_.get(); }

    // A new document (OnNewDocument). When one is open it is asked to save
    // its changes and then starts afresh in its frame. The view gets its
    // initial update; a visible frame is shown and activated. Null when
    // the document refused, or when the template is in no main frame.
    Document* OpenNew(bool visible = true);
    // The same with the document read from the file (OnOpenDocument); a
    // document that fails to read is closed again when it was new.
    Document* OpenFile(const std::filesystem::path& path, bool visible = true);
    // Closes the open document with its frame and view, asking first when
    // askToSave; false when the user cancelled.
    bool CloseDocument(bool askToSave = true);

private:
    friend class MdiFrame;
    bool CreateDocumentAndFrame();
    void Destroy();
    void InitialUpdate(bool visible);

    DocTemplateResources resources_;
    DocumentFactory makeDocument_;
    FrameFactory makeFrame_;
    ViewFactory makeView_;
    MdiFrame* main_ = nullptr;
    std::unique_ptr<ChildFrame> frame_;  // owns the view
    std::unique_ptr<Document> document_;
};

}  // namespace corvane
