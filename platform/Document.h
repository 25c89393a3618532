#pragma once

#include "platform/CommandTarget.h"

#include <any>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

class DocTemplate;
class View;

// The data behind one or more views: a title, the file it was read from or
// saved to, and whether it changed since. Its document template makes and
// owns it; it is the second target of commands after the active view.
class Document : public CommandTarget {
public:
    Document();
    ~Document() override;

    const std::string& Title() const { return title_; }
    // Also the caption of the views' frames.
    void SetTitle(std::string_view title);
    const std::filesystem::path& PathName() const { return path_; }
    // Sets the path and, when asked, the title to the path's file name.
    void SetPathName(const std::filesystem::path& path, bool setTitle = true);

    bool IsModified() const { return modified_; }
    void SetModified(bool modified = true) { modified_ = modified; }

    DocTemplate* Template() const { return template_; }
    const std::vector<View*>& Views() const { return views_; }
    View* FirstView() const { return views_.empty() ? nullptr : views_.front(); }
    // Calls OnUpdate of every view but the sender, in the order they were added.
    void UpdateAllViews(View* sender, int hint = 0, const std::any& object = {});
    // A view shows this document (leaving any other) or stops showing it;
    // the template adds the view of the document's frame itself.
    void AddView(View& view);
    void RemoveView(View& view);

    // The question before closing or replacing a modified document: "Save
    // changes to <title>?" with Yes, No and Cancel. Yes saves (DoFileSave),
    // No drops the changes, Cancel keeps the document. True when the
    // document may go; an unmodified document always may.
    virtual bool SaveModified();
    // Saves to the document's path, or asks for one when it has none.
    bool DoFileSave();
    // Saves to the path (asking for one when empty) through OnSaveDocument;
    // on success the path becomes the document's and it is unmodified.
    bool DoSave(const std::filesystem::path& path);

    // Called by the template: a new empty document, a document read from a
    // file, a save. The defaults start empty and unmodified, and read or
    // write nothing (false): document kinds with files override them.
    virtual bool OnNewDocument();
    virtual bool OnOpenDocument(const std::filesystem::path& path);
    virtual bool OnSaveDocument(const std::filesystem::path& path);
    // Called just before the template destroys the document and its frame.
    virtual void OnCloseDocument();

private:
    friend class DocTemplate;

    DocTemplate* template_ = nullptr;
    std::vector<View*> views_;
    std::string title_;
    std::filesystem::path path_;
    bool modified_ = false;
};

}  // namespace corvane
