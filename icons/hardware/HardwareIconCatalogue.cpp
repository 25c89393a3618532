#include "icons/hardware/HardwareIconCatalogue.h"

#include <array>

namespace corvane {
namespace {

using H = HardwareIconInfo;
constexpr std::nullopt_t kAny = std::nullopt;

// Columns: class, base, type code, subtype, bitmap, placing id, dialog,
// module type, deletable. The logger's own channels answer module type 0;
// the logger-function icons have no terminals (-1).
constexpr std::array kRows{
    H{"CVLEngIcon", "CEngInputsIcon", 22, 0, 405, 405, 323, 0, false},
    H{"CACEngIcon", "CEngInputsIcon", 22, 1, 406, 406, 323, 0, false},
    H{"CTCEngIcon", "CEngInputsIcon", 22, 2, 407, 407, 323, 0, false},
    H{"CVHEngIcon", "CEngInputsIcon", 22, 3, 404, 404, 323, 0, false},
    H{"CEngInputsIcon", "CHardwareIcon", 22, kAny, 0, 0, 323, 0, false},
    H{"CVXM_7inputsIcon", "CHardwareIcon", 32, kAny, 0, 0, 0, 1, false},
    H{"CACVXM_7Icon", "CVXM_7inputsIcon", 32, 0x08, 408, 408, 0, 1, false},
    H{"CJC_VXM_7Icon", "CVXM_7inputsIcon", 32, 0x28, 403, 403, 0, 1, false},
    H{"CTCVXM_7Icon", "CVXM_7inputsIcon", 32, 0x10, 411, 411, 0, 1, false},
    H{"CVHVXM_7Icon", "CVXM_7inputsIcon", 32, 0x20, 410, 410, 0, 1, false},
    H{"CVLVXM_7Icon", "CVXM_7inputsIcon", 32, 0x00, 409, 409, 0, 1, false},
    H{"CVEXA2EventCountTTLIcon", "CVEXA_2Icon", 33, 0x0000, 12014, 12014, 0, 2, false},
    H{"CVEXA2EventCountTTLIcon", "CVEXA_2Icon", 33, 0x2000, 12014, 12014, 0, 2, false},
    H{"CVEXA2EventCountTTLIcon", "CVEXA_2Icon", 33, 0x4000, 12014, 12014, 0, 2, false},
    H{"CVEXA2FreqInIcon", "CVEXA_2Icon", 33, 0x6000, 12015, 12015, 0, 2, false},
    H{"CVEXA2FreqOutIcon", "CVEXA_2Icon", 33, 0x8000, 12016, 12016, 0, 2, false},
    H{"CVEXA2FreqOutIcon", "CVEXA_2Icon", 33, 0xA000, 12016, 12016, 0, 2, false},
    H{"CVEXA25VoltIcon", "CVEXA_2Icon", 33, 0xC000, 12017, 12017, 0, 2, false},
    H{"CVEXA_2Icon", "CHardwareIcon", 33, kAny, 0, 0, 0, 2, false},
    H{"CGpdiIcon", "CHardwareIcon", 19, 0x0000, 12005, 402, 273, 0, false},
    H{"CGpdiIcon", "CHardwareIcon", 19, 0x2000, 12005, 402, 273, 0, false},
    H{"CGpdiIcon", "CHardwareIcon", 19, 0x6000, 12005, 402, 273, 0, false},
    H{"COdioIcon", "CHardwareIcon", 23, 0x0000, 12014, 12037, 599, 0, false},
    H{"COdioIcon", "CHardwareIcon", 23, 0x4000, 12020, 12037, 599, 0, false},
    H{"COdioIcon", "CHardwareIcon", 23, 0x8000, 12016, 12037, 599, 0, false},
    H{"COdioIcon", "CHardwareIcon", 23, 0xC000, 12038, 12037, 599, 0, false},
    H{"CQuvEngRelayIcon", "CHardwareIcon", 24, kAny, 414, 414, 335, 0, false},
    H{"CEngLEDIcon", "CCorvaneIcon", 25, 0, 12003, 12003, 611, -1, false},
    H{"CEngAlarmIcon", "CCorvaneIcon", 25, 1, 615, 615, 612, -1, false},
    H{"CExciteIcon", "CCorvaneIcon", 26, kAny, kExcitationBitmapId, 0, 697, -1, true},
    H{"CBattIcon", "CCorvaneIcon", 17, kAny, 401, 401, 274, -1, false},
    H{"CTempBaseIcon", "CCorvaneIcon", 16, kAny, 403, 403, 289, -1, false},
    H{"CPowerManagementIcon", "CCorvaneIcon", 6, kAny, 10098, 0, 542, -1, false},
};

}  // namespace

std::span<const HardwareIconInfo> HardwareIconCatalogue()
{
    return kRows;
}

const HardwareIconInfo* HardwareIconForClass(std::string_view className)
{
    for (const HardwareIconInfo& row : kRows)
        if (row.className == className)
            return &row;
    return nullptr;
}

}  // namespace corvane
