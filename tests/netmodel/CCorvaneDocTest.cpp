#include "IconIndexCheck.h"
#include "NetTestIcons.h"
#include "NetTestViews.h"
#include "PlatformTestSupport.h"

#include "netmodel/CCorvaneCtrl.h"
#include "netmodel/NetClassRegistry.h"
#include "netmodel/ObjectArchive.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <variant>
#include <vector>

namespace corvane {
namespace c_corvane_doc_test {
namespace {

using test::FakeObjectView;
using test::GateIcon;
using test::IconIndexMatchesObjects;
using test::Link;
using test::Place;
using test::RelayIcon;
using test::SourceIcon;

class NetDocument : public test::PlatformTest {
protected:
    NetDocument() { doc.AddView(view); }
    CCorvaneObj& AddPlain(const Rect& r)
    {
        auto object = std::make_unique<CCorvaneObj>(r);
        object->SetType(object_type::kIconOrControl);
        return doc.AddObject(std::move(object));
    }
    CCorvaneDoc doc;
    FakeObjectView view;
};

TEST_F(NetDocument, ObjectAtFindsTheTopmost)
{
    CCorvaneObj& below = AddPlain({0, 0, 100, 100});
    CCorvaneObj& above = AddPlain({50, 50, 150, 150});
    EXPECT_EQ(doc.ObjectAt({75, 75}), &above);
    EXPECT_EQ(doc.ObjectAt({10, 10}), &below);
    EXPECT_EQ(doc.ObjectAt({300, 300}), nullptr);
    EXPECT_EQ(above.Owner(), &doc);
}

TEST_F(NetDocument, RemovingDropsTheObjectFromEverySelection)
{
    CCorvaneObj& kept = AddPlain({0, 0, 10, 10});
    CCorvaneObj stranger;
    view.selection = {&kept, &stranger};
    EXPECT_EQ(doc.RemoveObject(stranger), nullptr) << "not in the list";
    EXPECT_EQ(view.selection, std::vector<const CCorvaneObj*>{&kept});
    EXPECT_EQ(doc.GetObjectCount(), 1);
    std::unique_ptr<CCorvaneObj> removed = doc.RemoveObject(kept);
    EXPECT_EQ(removed.get(), &kept);
    EXPECT_TRUE(view.selection.empty());
}

TEST_F(NetDocument, DeletingKeepsWhatCannotBeDeletedAndResetsTheIds)
{
    auto& source = Place<SourceIcon>(doc);
    auto& fed = Place<RelayIcon>(doc);
    auto& fixed = Place<RelayIcon>(doc);
    Link(source, 0, fed, 0);
    Link(source, 0, fixed, 0);
    fed.SetDeletable(false);
    fixed.SetDeletable(false);
    doc.AddObject(std::make_unique<CCorvaneCtrl>(false, true, false, true, 300, 4, Rect{0, 0, 20, 20}));
    const std::uint16_t highest = fixed.UniqueId();

    doc.DeleteObjects(false);
    ASSERT_EQ(doc.GetObjectCount(), 3);
    EXPECT_EQ(fixed.GetInputLinks()[0].sourceId, 0) << "the deleted source was unlinked";
    EXPECT_EQ(doc.TakeNextIconId(), highest + 1);

    doc.DeleteObjects(true);
    EXPECT_EQ(doc.GetObjectCount(), 0);
    EXPECT_EQ(doc.TakeNextIconId(), 1);
}

TEST_F(NetDocument, TheIconIndexFollowsEveryEditThatChangesIdsOrObjects)
{
    SourceIcon* source = nullptr;
    RelayIcon* relay = nullptr;
    GateIcon* gate = nullptr;
    std::unique_ptr<CCorvaneObj> removed;
    struct Step {
        const char* edit;
        std::function<void()> run;
    };
    const Step steps[] = {
        {"placing linked icons",
            [&] {
                source = &Place<SourceIcon>(doc);
                relay = &Place<RelayIcon>(doc);
                gate = &Place<GateIcon>(doc);
                Link(*source, 0, *relay, 0);
                Link(*relay, 0, *gate, 0);
            }},
        {"adding an object that is no icon", [&] { AddPlain({0, 0, 10, 10}); }},
        {"giving an icon another id", [&] { relay->SetUniqueId(40); }},
        {"two icons sharing an id", [&] { gate->SetUniqueId(source->UniqueId()); }},
        {"moving the later of them to the front", [&] { doc.MoveToFront(*gate); }},
        {"reading a record into a placed icon",
            [&] {
                SourceIcon loose;
                loose.SetUniqueId(77);
                const auto bytes = std::get<std::vector<std::uint8_t>>(loose.StoreRecord(TransferMode::Save));
                ASSERT_TRUE(std::holds_alternative<std::size_t>(source->LoadRecord(bytes)));
                ASSERT_EQ(source->UniqueId(), 77);
            }},
        {"removing an icon", [&] { removed = doc.RemoveObject(*relay); }},
        {"running out of ids, which renumbers",
            [&] {
                source->SetUniqueId(65535);
                doc.ResetIdsFromIcons();
                (void)doc.TakeNextIconId();
                ASSERT_NE(source->UniqueId(), 65535);
            }},
        {"placing an icon that takes the next id", [&] { Place<RelayIcon>(doc); }},
        {"deleting the deletable objects",
            [&] {
                source->SetDeletable(false);
                doc.DeleteObjects(false);
                ASSERT_EQ(doc.Icons().size(), 1u);
            }},
        {"deleting every object", [&] { doc.DeleteObjects(true); }},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.edit);
        step.run();
        EXPECT_TRUE(IconIndexMatchesObjects(doc));
    }
}

TEST_F(NetDocument, RunningOutOfIdsRenumbersTheNet)
{
    auto& source = Place<SourceIcon>(doc);
    auto& fed = Place<RelayIcon>(doc);
    Link(source, 0, fed, 0);
    source.SetUniqueId(65535);
    fed.GetInputLinks()[0].sourceId = 65535;
    doc.ResetIdsFromIcons();

    EXPECT_EQ(doc.TakeNextIconId(), 3);
    EXPECT_EQ(source.UniqueId(), 1);
    EXPECT_EQ(fed.UniqueId(), 2);
    EXPECT_EQ(fed.GetInputLinks()[0].sourceId, 1) << "links follow";
}

TEST_F(NetDocument, ArchiveRoundTripReplacesTheObjectsInOrder)
{
    NetClassRegistry classes;
    classes.Register("CCorvaneObj", [] { return std::make_unique<CCorvaneObj>(); });
    AddPlain({1, 2, 3, 4});
    AddPlain({5, 6, 7, 8}).SetType(object_type::kLine);
    const std::vector<std::uint8_t> bytes = doc.SaveObjectArchive();

    CCorvaneDoc other;
    other.AddObject(std::make_unique<CCorvaneObj>(Rect{100, 100, 200, 200}));
    ASSERT_FALSE(other.LoadObjectArchive(bytes, classes).has_value());
    ASSERT_EQ(other.GetObjectCount(), 2);
    EXPECT_EQ(other.GetObjects()[0]->Position(), (Rect{1, 2, 3, 4}));
    EXPECT_EQ(other.GetObjects()[1]->Type(), object_type::kLine);
    EXPECT_EQ(other.GetObjects()[1]->Owner(), &other);
}

TEST_F(NetDocument, ABadArchiveChangesNothing)
{
    NetClassRegistry classes;
    AddPlain({1, 2, 3, 4});
    const std::vector<std::uint8_t> unknownClass = doc.SaveObjectArchive();  // no maker registered
    auto truncated = unknownClass;
    truncated.resize(truncated.size() - 3);
    for (const auto& bytes : {unknownClass, truncated}) {
        const auto error = doc.LoadObjectArchive(bytes, classes);
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(doc.GetObjectCount(), 1);
    }
}

TEST_F(NetDocument, PaperSizeTellsTheViewsOnlyOfAChange)
{
    EXPECT_EQ(doc.GetPaperSize(), CCorvaneDoc::kDefaultPaper);
    doc.ComputePageSize(std::nullopt);
    EXPECT_TRUE(view.paperSizes.empty());
    doc.ComputePageSize(Size{850, 1100});
    doc.ComputePageSize(Size{850, 1100});
    EXPECT_EQ(view.paperSizes, (std::vector<Size>{Size{850, 1100}}));
    EXPECT_EQ(doc.GetPaperSize(), (Size{850, 1100}));
}

TEST_F(NetDocument, PaperColourChangesOnlyOnOk)
{
    Prompts().colourAnswer = std::nullopt;
    EXPECT_TRUE(doc.HandleCommand(CCorvaneDoc::kPaperColourCommand));
    EXPECT_EQ(doc.GetPaperColor(), 0xFFFFFFu);
    EXPECT_FALSE(doc.IsModified());
    Prompts().colourAnswer = 0x00FF00;
    doc.OnPaperColor();
    EXPECT_EQ(doc.GetPaperColor(), 0x00FF00u);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(NetDocument, FindsIconsById)
{
    auto& source = Place<SourceIcon>(doc);
    AddPlain({0, 0, 5, 5});
    EXPECT_EQ(doc.FindIconById(source.UniqueId()), &source);
    EXPECT_EQ(doc.FindIconById(0), nullptr);
    EXPECT_EQ(doc.FindIconById(999), nullptr);
}

}  // namespace
}  // namespace c_corvane_doc_test
}  // namespace corvane
