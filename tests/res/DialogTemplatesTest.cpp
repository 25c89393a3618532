#include "res/DialogTemplates.h"

#include "PlatformTestSupport.h"
#include "platform/DialogLayoutCheck.h"

#include <set>

namespace corvane {
namespace dialog_templates_test {
namespace {

// The program leaves dialogs the toolkit's own font, "Sans Serif" at 9
// points, which the machines the program is built for resolve to DejaVu
// Sans; the layouts are measured with that face pinned.
const LayoutFont kDialogFont{"DejaVu Sans", 9};

using DialogTemplatesTest = test::PlatformTest;

TEST_F(DialogTemplatesTest, EveryDialogHoldsItsControlsAndTheirCaptions)
{
    ASSERT_EQ(ResolvedFontFace(kDialogFont), kDialogFont.face);
    std::set<int> ids;
    for (const DialogTemplate* layout : res::AllDialogTemplates()) {
        EXPECT_TRUE(ids.insert(layout->id).second) << "dialog " << layout->id << " is listed twice";
        for (const LayoutFinding& finding : CheckDialogLayout(*layout, kDialogFont))
            ADD_FAILURE() << finding.message;
    }
}

TEST_F(DialogTemplatesTest, EverySheetInsideADialogShowsItsPagesWhole)
{
    ASSERT_EQ(ResolvedFontFace(kDialogFont), kDialogFont.face);
    for (const ChildSheetTemplate& sheet : res::AllChildSheets())
        for (const LayoutFinding& finding : CheckChildSheetLayout(sheet, kDialogFont))
            ADD_FAILURE() << finding.message;
}

}  // namespace
}  // namespace dialog_templates_test
}  // namespace corvane
