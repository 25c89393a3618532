#include "icons/function/CMultiplexDialog.h"

#include "MiscIconTestSupport.h"
#include "ModalDriver.h"

#include "icons/function/CConstIcon.h"
#include "icons/function/CMultiplexIcon.h"
#include "platform/ButtonControl.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace c_multiplex_dialog_test {
namespace {

constexpr Rect kDrop{100, 100, 132, 132};

class MultiplexDialog : public test::FunctionIconNetTest {
protected:
    struct Field {
        std::string text;
        bool enabled;
        bool operator==(const Field&) const = default;
    };
    // The four source fields: A, select (low), B, select (high).
    std::vector<Field> Fields(CMultiplexIcon& mux)
    {
        std::vector<Field> fields;
        CMultiplexDialog dialog(mux);
        test::ModalDriver driver(dialog, [&] {
            for (const int id : {res::kIdcMuxInputA, res::kIdcMuxSelectLow, res::kIdcMuxInputB, res::kIdcMuxSelectHigh})
                fields.push_back({dialog.GetControl(id)->GetText(), dialog.GetControl(id)->IsEnabled()});
            dialog.GetControlAs<ButtonControl>(kIdCancel)->Click();
        });
        dialog.RunModal();
        return fields;
    }
};

TEST_F(MultiplexDialog, ShowsTheIconsFeedingEachInput)
{
    auto& mux = test::Place<CMultiplexIcon>(doc, kDrop);
    const Field none{"Unconnected", false};
    EXPECT_EQ(Fields(mux), (std::vector<Field>{none, none, none, none}));

    auto& a = test::Place<CConstIcon>(doc, kDrop, res::kBitmapConstant);
    a.SetName("Level");
    auto& select = test::Place<CConstIcon>(doc, kDrop, res::kBitmapRemoteSwitch);
    select.SetName("Pick");
    test::Link(a, 0, mux, CMultiplexIcon::kInputA);
    test::Link(select, 0, mux, CMultiplexIcon::kSelectInput);
    EXPECT_EQ(Fields(mux), (std::vector<Field>{{"Level", true}, {"Pick", true}, none, {"Pick", true}}));
}

TEST_F(MultiplexDialog, OkStoresTheName)
{
    auto& mux = test::Place<CMultiplexIcon>(doc, kDrop);
    CMultiplexDialog dialog(mux);
    test::ModalDriver driver(dialog, [&] {
        EXPECT_EQ(dialog.GetControl(CIconDialog::kIdcName)->GetText(), "Mux");
        dialog.GetControl(CIconDialog::kIdcName)->SetText("Chooser");
        dialog.GetControlAs<ButtonControl>(kIdOk)->Click();
    });
    EXPECT_TRUE(dialog.RunModal());
    EXPECT_EQ(mux.Header().name, "Chooser");
}

}  // namespace
}  // namespace c_multiplex_dialog_test
}  // namespace corvane
