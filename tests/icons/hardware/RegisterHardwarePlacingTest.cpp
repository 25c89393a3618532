#include "icons/hardware/RegisterHardwarePlacing.h"

#include "HardwareIconTestSupport.h"

#include "icons/hardware/CACEngIcon.h"
#include "icons/hardware/CACVXM_7Icon.h"
#include "icons/hardware/CBattIcon.h"
#include "icons/hardware/CEngAlarmIcon.h"
#include "icons/hardware/CEngLEDIcon.h"
#include "icons/hardware/CExciteIcon.h"
#include "icons/hardware/CGpdiIcon.h"
#include "icons/hardware/CJC_VXM_7Icon.h"
#include "icons/hardware/COdioIcon.h"
#include "icons/hardware/CQuvEngRelayIcon.h"
#include "icons/hardware/CTCEngIcon.h"
#include "icons/hardware/CTCVXM_7Icon.h"
#include "icons/hardware/CTempBaseIcon.h"
#include "icons/hardware/CVEXA25VoltIcon.h"
#include "icons/hardware/CVEXA2EventCountTTLIcon.h"
#include "icons/hardware/CVEXA2FreqInIcon.h"
#include "icons/hardware/CVEXA2FreqOutIcon.h"
#include "icons/hardware/CVHEngIcon.h"
#include "icons/hardware/CVHVXM_7Icon.h"
#include "icons/hardware/CVLEngIcon.h"
#include "icons/hardware/CVLVXM_7Icon.h"
#include "netdoc/HardwareIconMakers.h"
#include "netmodel/PaletteIconMakers.h"

#include <gtest/gtest.h>

#include <memory>
#include <string_view>
#include <typeinfo>
#include <vector>

namespace corvane {
namespace register_hardware_placing_test {
namespace {

constexpr Rect kRow{20, 90, 52, 122};
constexpr int kLogger = -3;

// Whether an icon is of exactly the class (the presets report their base's name).
using ClassTest = bool (*)(const CCorvaneIcon&);
template <class Icon> bool Is(const CCorvaneIcon& icon) { return typeid(icon) == typeid(Icon); }

// One placing call as the net view makes it after a hardware query.
struct Placing {
    std::uint32_t id;
    int module;
    int channel;
    std::string_view className;
    ClassTest is = nullptr;
};

constexpr Placing kPlacings[] = {
    {401, kLogger, 0, "CBattIcon", Is<CBattIcon>},
    {402, kLogger, 0, "CGpdiIcon", Is<CGpdiIcon>},
    {403, kLogger, 0, "CTempBaseIcon", Is<CTempBaseIcon>},
    {403, 2, 9, "CJC_VXM_7Icon", Is<CJC_VXM_7Icon>},
    {404, kLogger, 6, "CVHEngIcon", Is<CVHEngIcon>},
    {405, kLogger, 7, "CVLEngIcon", Is<CVLEngIcon>},
    {406, kLogger, 8, "CACEngIcon", Is<CACEngIcon>},
    {407, kLogger, 9, "CTCEngIcon", Is<CTCEngIcon>},
    {408, 2, 0, "CACVXM_7Icon", Is<CACVXM_7Icon>},
    {409, 2, 1, "CVLVXM_7Icon", Is<CVLVXM_7Icon>},
    {410, 2, 2, "CVHVXM_7Icon", Is<CVHVXM_7Icon>},
    {411, 2, 3, "CTCVXM_7Icon", Is<CTCVXM_7Icon>},
    {414, kLogger, 0, "CQuvEngRelayIcon", Is<CQuvEngRelayIcon>},
    {615, kLogger, 0, "CEngAlarmIcon", Is<CEngAlarmIcon>},
    {12003, kLogger, 0, "CEngLEDIcon", Is<CEngLEDIcon>},
    {12014, 5, 0, "CVEXA2EventCountTTLIcon", Is<CVEXA2EventCountTTLIcon>},
    {12015, 5, 16, "CVEXA2FreqInIcon", Is<CVEXA2FreqInIcon>},
    {12016, 5, 24, "CVEXA2FreqOutIcon", Is<CVEXA2FreqOutIcon>},
    {12017, 5, 28, "CVEXA25VoltIcon", Is<CVEXA25VoltIcon>},
    {12037, kLogger, 0, "COdioIcon", Is<COdioIcon>},
};

class HardwarePlacing : public test::HardwareIconNetTest {
protected:
    HardwarePlacing() { RegisterHardwarePlacing(makers); }

    std::unique_ptr<CCorvaneIcon> Make(const Placing& placing)
    {
        const HardwareIconMakers::Entry* entry = makers.Find(placing.id);
        return entry != nullptr ? entry->make(kRow, placing.module, placing.channel) : nullptr;
    }
    bool IsSame(std::uint32_t id, const CCorvaneIcon& existing, int module, int channel)
    {
        const HardwareIconMakers::Entry* entry = makers.Find(id);
        return entry != nullptr && entry->isSame(existing, module, channel);
    }

    HardwareIconMakers makers;
};

TEST_F(HardwarePlacing, EveryIdMakesItsClassAndFindsOnlyItself)
{
    std::vector<std::unique_ptr<CCorvaneIcon>> made;
    for (const Placing& placing : kPlacings) {
        SCOPED_TRACE(placing.id);
        made.push_back(Make(placing));
        ASSERT_NE(made.back(), nullptr);
        EXPECT_TRUE(placing.is(*made.back())) << placing.className << " made " << made.back()->ClassName();
    }
    // Each placing call finds the icon it made, and none of the others.
    for (std::size_t query = 0; query < std::size(kPlacings); ++query)
        for (std::size_t existing = 0; existing < made.size(); ++existing)
            EXPECT_EQ(IsSame(kPlacings[query].id, *made[existing], kPlacings[query].module, kPlacings[query].channel),
                query == existing)
                << kPlacings[query].className << " against " << kPlacings[existing].className;
    EXPECT_EQ(makers.Find(400), nullptr) << "the Program icon is the program's own";
    EXPECT_EQ(makers.Find(500), nullptr);
}

TEST_F(HardwarePlacing, DuplicateTestsCompareModuleAndChannelWhereTheyMatter)
{
    const auto vh = Make({404, kLogger, 6, ""});
    const auto moduleCurrent = Make({408, 2, 0, ""});
    const auto coldJunction = Make({403, 2, 9, ""});
    const auto eventCount = Make({12014, 5, 0, ""});
    const auto gpdi = Make({402, kLogger, 0, ""});
    const auto battery = Make({401, kLogger, 0, ""});
    struct Case {
        std::uint32_t id;
        const CCorvaneIcon* existing;
        int module;
        int channel;
        bool same;
    };
    const Case cases[] = {
        // The logger's analog channels: any input class, the channel in the mode word.
        {405, vh.get(), kLogger, 6, true},
        {404, vh.get(), kLogger, 7, false},
        {404, vh.get(), kLogger, 5, false},
        {404, vh.get(), kLogger, 10, false},
        // A 7-channel module's channels: any input class, module and channel bytes.
        {409, moduleCurrent.get(), 2, 0, true},
        {408, moduleCurrent.get(), 3, 0, false},
        {408, moduleCurrent.get(), 2, 1, false},
        {403, coldJunction.get(), 2, 0, true},
        {403, coldJunction.get(), 3, 0, false},
        {408, coldJunction.get(), 2, CVXM_7inputsIcon::kColdJunctionChannel, true},
        // A 2-channel module's channels: the same class only.
        {12014, eventCount.get(), 5, 1, false},
        {12014, eventCount.get(), 6, 0, false},
        {12015, eventCount.get(), 5, 0, false},
        // The GPDI by its channel bits, the logger's single icons by class alone.
        {402, gpdi.get(), kLogger, 1, false},
        {401, battery.get(), 7, 3, true},
        {414, battery.get(), kLogger, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.id << " module " << c.module << " channel " << c.channel);
        ASSERT_NE(c.existing, nullptr);
        EXPECT_EQ(IsSame(c.id, *c.existing, c.module, c.channel), c.same);
    }
}

TEST_F(HardwarePlacing, ThePaletteOffersTheExcitationIconOnly)
{
    PaletteIconMakers palette;
    RegisterHardwarePaletteIcons(palette);
    const auto icon = palette.Make(46, Rect::FromPointAndSize({110, 90}, {32, 32}), 10047);
    ASSERT_NE(icon, nullptr);
    EXPECT_TRUE(Is<CExciteIcon>(*icon));
    EXPECT_EQ(icon->Position().Extent(), (Size{32, 32}));
    EXPECT_FALSE(palette.Has(0));
    EXPECT_FALSE(palette.Has(45));
}

}  // namespace
}  // namespace register_hardware_placing_test
}  // namespace corvane
