#include "icons/function/RegisterFunctionPalette.h"

#include "icons/function/CAndIcon.h"
#include "icons/function/CAvgIcon.h"
#include "icons/function/CComparatorIcon.h"
#include "icons/function/CConstIcon.h"
#include "icons/function/CCountIcon.h"
#include "icons/function/CDCintIcon.h"
#include "icons/function/CDataBufferIcon.h"
#include "icons/function/CDelayIcon.h"
#include "icons/function/CDeltaIcon.h"
#include "icons/function/CFilterIcon.h"
#include "icons/function/CFlipFlopIcon.h"
#include "icons/function/CLCDtextIcon.h"
#include "icons/function/CLatchIcon.h"
#include "icons/function/CMathIcon.h"
#include "icons/function/CMinMaxIcon.h"
#include "icons/function/CMultiplexIcon.h"
#include "icons/function/CNotIcon.h"
#include "icons/function/COneShotIcon.h"
#include "icons/function/COrIcon.h"
#include "icons/function/CPeriodicOutputIcon.h"
#include "icons/function/CRateOfChangeIcon.h"
#include "icons/function/CSSClockIcon.h"
#include "icons/function/CSampleRateClockIcon.h"
#include "icons/function/CSchedIcon.h"
#include "icons/function/CScratchPadIcon.h"
#include "icons/function/CSpikeBlockerIcon.h"
#include "icons/function/CStopIcon.h"
#include "icons/function/CSumIcon.h"
#include "icons/function/CTaccumIcon.h"
#include "icons/function/CTnoteIcon.h"
#include "icons/function/CWarmupIcon.h"
#include "icons/function/CWarningIcon.h"
#include "icons/function/CXorIcon.h"
#include "netmodel/PaletteIconMakers.h"

#include <memory>

namespace corvane {

namespace {

// A cell whose class takes only the placing rectangle.
template <class Icon> void Plain(PaletteIconMakers& makers, int cell)
{
    makers.Register(cell, [](const Rect& position, int) { return std::make_unique<Icon>(position); });
}

// A cell whose class also takes the cell's picture id, which picks its variant.
template <class Icon> void Variant(PaletteIconMakers& makers, int cell)
{
    makers.Register(
        cell, [](const Rect& position, int bitmapId) { return std::make_unique<Icon>(position, bitmapId); });
}

}  // namespace

void RegisterFunctionPaletteIcons(PaletteIconMakers& makers, SettingsStore* mathStore)
{
    Plain<CSampleRateClockIcon>(makers, 0);
    makers.Register(3, [mathStore](const Rect& position, int) {
        auto icon = std::make_unique<CMathIcon>(position);
        if (mathStore != nullptr)
            icon->SetLibraryStore(mathStore);
        return icon;
    });
    Variant<CComparatorIcon>(makers, 4);  // comparator
    Variant<CComparatorIcon>(makers, 5);  // window comparator
    Variant<CConstIcon>(makers, 6);       // constant
    Variant<CConstIcon>(makers, 7);       // remote control constant
    Variant<CConstIcon>(makers, 8);       // remote control switch
    Plain<CTaccumIcon>(makers, 9);
    Plain<CSSClockIcon>(makers, 10);
    Variant<CLCDtextIcon>(makers, 13);  // latched message
    Variant<CLCDtextIcon>(makers, 14);  // conditional message
    Plain<CWarningIcon>(makers, 15);
    Plain<CNotIcon>(makers, 16);
    Plain<CAndIcon>(makers, 17);
    Plain<COrIcon>(makers, 18);
    Plain<CXorIcon>(makers, 19);
    Plain<CFlipFlopIcon>(makers, 20);
    Plain<CMultiplexIcon>(makers, 21);
    Variant<CDCintIcon>(makers, 22);  // time integral
    Plain<CRateOfChangeIcon>(makers, 23);
    Variant<CDCintIcon>(makers, 24);  // duty cycle
    Plain<CSumIcon>(makers, 25);
    Plain<CAvgIcon>(makers, 26);
    Plain<CMinMaxIcon>(makers, 27);
    Plain<CDeltaIcon>(makers, 28);
    Plain<CFilterIcon>(makers, 29);
    Variant<CCountIcon>(makers, 30);  // timed counter
    Variant<CCountIcon>(makers, 31);  // count accumulator
    Plain<CStopIcon>(makers, 32);
    Plain<CPeriodicOutputIcon>(makers, 33);
    Plain<CWarmupIcon>(makers, 34);
    Plain<CDelayIcon>(makers, 35);
    Plain<CLatchIcon>(makers, 36);
    Plain<CTnoteIcon>(makers, 37);
    Plain<CSchedIcon>(makers, 38);
    Plain<CDataBufferIcon>(makers, 39);
    Plain<CSpikeBlockerIcon>(makers, 41);
    Plain<COneShotIcon>(makers, 42);
    Plain<CScratchPadIcon>(makers, 43);
}

}  // namespace corvane
