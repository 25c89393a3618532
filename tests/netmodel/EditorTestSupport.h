#pragma once

// What the tests of the editing views and the mouse tools share: an
// editor environment the test sets up field by field, and a fixture that
// shows a document with its view in an offscreen main frame.

#include "TestOutput.h"
#include "FrameTestSupport.h"
#include "NetTestIcons.h"
#include "netmodel/CCorvaneDoc.h"
#include "netmodel/CCorvaneView.h"
#include "netmodel/CToolSet.h"
#include "netmodel/EditorEnvironment.h"
#include "netmodel/PaletteIconMakers.h"
#include "platform/FrameAutomation.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

namespace corvane::test {

class FakeEditorEnvironment final : public EditorEnvironment {
public:
    CToolSet tools;
    bool snapToGrid = false;
    std::vector<bool> snapWrites;  // every SetSnapToGrid, in order
    bool connected = false;
    std::uint8_t capabilityByte = 0;
    std::uint16_t configWord = 0;
    PaletteIconMakers makers;
    CCorvaneDoc* currentNet = nullptr;
    PictureActions* pictureActions = nullptr;

    CToolSet& Tools() override { return tools; }
    bool GetSnapToGrid() const override { return snapToGrid; }
    void SetSnapToGrid(bool snap) override
    {
        snapToGrid = snap;
        snapWrites.push_back(snap);
    }
    bool IsConnected() const override { return connected; }
    std::uint8_t LoggerCapabilityByte() const override { return capabilityByte; }
    std::uint16_t PolledConfigWord() const override { return configWord; }
    const PaletteIconMakers& PaletteMakers() const override { return makers; }
    CCorvaneDoc* CurrentNetDocument() override { return currentNet; }
    PictureActions* GetPictureActions() override { return pictureActions; }
};

// A palette maker that makes a SourceIcon of the type code at the placing
// rectangle's corner, and notes the picture id it was given.
inline PaletteIconMakers::Maker SourceIconMaker(std::uint16_t typeCode, std::vector<int>* bitmapIds = nullptr)
{
    return [typeCode, bitmapIds](const Rect& position, int bitmapId) -> std::unique_ptr<CCorvaneIcon> {
        if (bitmapIds != nullptr)
            bitmapIds->push_back(bitmapId);
        return std::make_unique<SourceIcon>(typeCode, position.left, position.top);
    };
}

// A main frame (800 x 600, offscreen) holding one document kind whose
// view works on the fake environment. SetUp opens a document and shows its
// frame maximised and active; fixtures that need another document or view
// class set makeDocument / makeView in their constructor.
class EditorTest : public PlatformTest {
protected:
    static constexpr int kEditorTemplateId = 132;

    // steadyClock: the application runs on real time (PlatformTest).
    explicit EditorTest(bool steadyClock = false) : PlatformTest(steadyClock)
    {
        frame_.Create("Corvane", kMainMenu, &kMainAccelerators);
        frame_.MoveTo({100, 80, 900, 680});
        frame_.ShowNormal();
    }

    void SetUp() override { OpenEditor(); }

    void OpenEditor()
    {
        auto& docTemplate = frame_.AddDocTemplate(std::make_unique<DocTemplate>(
            DocTemplateResources{kEditorTemplateId, &kNetMenu, nullptr, "Net", {}, {}},
            [this] { return makeDocument(); }, [] { return std::make_unique<ChildFrame>(); },
            [this] { return makeView(environment_); }));
        Document* opened = docTemplate.OpenNew();
        ASSERT_NE(opened, nullptr) << "no document";
        doc_ = dynamic_cast<CCorvaneDoc*>(opened);
        ASSERT_NE(doc_, nullptr);
        view_ = dynamic_cast<CCorvaneView*>(opened->FirstView());
        ASSERT_NE(view_, nullptr);
        docTemplate.Frame()->ShowMaximized();
        App().ProcessPending();
    }

    CCorvaneView& View() { return *view_; }
    CCorvaneDoc& Doc() { return *doc_; }
    FakeEditorEnvironment& Environment() { return environment_; }

    // Left-button gestures in the view's client coordinates.
    void Press(Point point, unsigned modifiers = 0)
    {
        frame_automation::SendMouse(
            *view_, frame_automation::MouseAction::Press, MouseButton::Left, point, modifiers);
    }
    void DragTo(Point point, unsigned modifiers = 0)
    {
        frame_automation::SendMouse(
            *view_, frame_automation::MouseAction::Move, MouseButton::Left, point, modifiers);
    }
    void MoveTo(Point point)
    {
        frame_automation::SendMouse(*view_, frame_automation::MouseAction::Move, MouseButton::None, point);
    }
    void Release(Point point, unsigned modifiers = 0)
    {
        frame_automation::SendMouse(
            *view_, frame_automation::MouseAction::Release, MouseButton::Left, point, modifiers);
    }
    void DoubleClick(Point point, unsigned modifiers = 0)
    {
        frame_automation::SendMouse(
            *view_, frame_automation::MouseAction::DoubleClick, MouseButton::Left, point, modifiers);
    }

    // Where a test's pictures go (the test output folder, never the tree).
    static std::filesystem::path PicturePath(const std::string& name)
    {
        return test::OutputFolder() / name;
    }

    std::function<std::unique_ptr<CCorvaneDoc>()> makeDocument = [] { return std::make_unique<CCorvaneDoc>(); };
    std::function<std::unique_ptr<corvane::View>(EditorEnvironment&)> makeView
        = [](EditorEnvironment& environment) { return std::make_unique<CCorvaneView>(environment); };

    FakeEditorEnvironment environment_;
    MdiFrame frame_;
    CCorvaneDoc* doc_ = nullptr;
    CCorvaneView* view_ = nullptr;
};

}  // namespace corvane::test
