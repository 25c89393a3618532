#include "icons/hardware/CVEXA25VoltIcon.h"

#include "icons/hardware/CVEXA25VOutDialog.h"
#include "netmodel/TerminalStripEntry.h"
#include "res/ResourceIds.h"

#include <string>

namespace corvane {
namespace {

constexpr int kFirstIndex = 43;
constexpr std::string_view kSupplyText = "+5VDC; Excitation Out";
constexpr std::string_view kGroundText = "GND;   Excitation Out";

}  // namespace

CVEXA25VoltIcon::CVEXA25VoltIcon() : CVEXA_2Icon(res::kBitmapFiveVoltOutput) {}

CVEXA25VoltIcon::CVEXA25VoltIcon(const Rect& position, int address, int channel)
    : CVEXA_2Icon(position, address, channel, kKindFiveVoltOut)
{
    SetBitmapId(res::kBitmapFiveVoltOutput);
    SetName("VEXA2 5V Out");
    InitIcon(Position().left, Position().top, 1, 0, kTypeCode, false, true, false);
}

void CVEXA25VoltIcon::BuildConnectors()
{
    Input(0) = CInput(connector_kind::kDataInput, true, false, GetConnectorPoint(1, 1, connector_kind::kDataInput),
        data_type::kLogic, this);
}

std::unique_ptr<IconDialog> CVEXA25VoltIcon::CreateIconDialog() { return std::make_unique<CVEXA25VOutDialog>(*this); }

void CVEXA25VoltIcon::Layout()
{
    BuildConnectors();
    if (InputCount() > 0)
        GetInputLinks()[0].flags = 0;
    FinishLayout();
}

void CVEXA25VoltIcon::LayoutHardware()
{
    CVEXA_2Icon::LayoutHardware();
    TriggerInput().SetActive(false);
    SetLabelFlags(label_flag::kOwnLabels);
}

int CVEXA25VoltIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, false, false, 1, false, true);
}

int CVEXA25VoltIcon::GetPinInfo(int pin, TerminalStripEntry& entry) const
{
    if (Channel() != kChannel)
        return -1;
    switch (pin) {
    case 1: FillPin(entry, kFirstIndex, std::string(kSupplyText), "[+]"); return 0;
    case 2: FillPin(entry, kFirstIndex + 1, std::string(kGroundText), "[-]"); return 0;
    case 3:
        FillPin(entry, kFirstIndex + 2, std::string(kSupplyText), "[+]");
        entry.blankLineAfter = true;
        return 0;
    default: return -1;
    }
}

}  // namespace corvane
