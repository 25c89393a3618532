#include "icons/reporting/CModbusProperties.h"

#include "controls/COptionsEdit.h"
#include "controls/CTreeOptionsCtrl.h"
#include "icons/reporting/CModbusClientIcon.h"
#include "icons/reporting/ModbusRegisterCheck.h"
#include "netdoc/CGlobalIcon.h"
#include "netdoc/CNetDoc.h"
#include "netmodel/IconWarnings.h"
#include "platform/Application.h"
#include "platform/BitmapCatalog.h"
#include "platform/ImageList.h"
#include "platform/PromptSink.h"
#include "platform/TreeViewControl.h"
#include "res/ModbusPropertiesDialog.h"
#include "res/ResourceIds.h"
#include "shell/CAdvisoryDlg.h"

namespace corvane {
namespace {

constexpr int kImageWidth = 20;
constexpr int kImageHeight = 20;
constexpr RgbColour kImageMask{0xFF, 0x00, 0xFF};
// The net's power code: all three bits clear for a battery-powered logger.
constexpr std::uint8_t kPowerSourceBits = 0x07;

bool IsBatteryPoweredNet(const CCorvaneIcon& icon)
{
    const auto* net = dynamic_cast<const CNetDoc*>(icon.Owner());
    const CGlobalIcon* program = net != nullptr ? net->ProgramIcon() : nullptr;
    return program != nullptr && (program->GetNetOptionByte() & kPowerSourceBits) == 0;
}

}  // namespace

CModbusProperties::CModbusProperties(CModbusClientIcon& icon, Window* parent)
    : CIconDialog(res::kModbusPropertiesDialog, icon, kHelpContext, parent), client_(icon), items_(icon.CollectItems())
{
    SetSections(false, false, false);
}

CModbusProperties::~CModbusProperties() = default;

bool CModbusProperties::RunModal()
{
    if (IsBatteryPoweredNet(client_) && (client_.Header().warningFlags & CModbusClientIcon::kAdvisoryPending) != 0) {
        auto* net = dynamic_cast<CNetDoc*>(client_.Owner());
        if (net->ShowAdvisory(CAdvisoryDlg::kOkCancel, icon_warning::kModbusRtuSlave) == kIdCancel)
            return false;
        client_.Header().warningFlags
            = static_cast<std::uint16_t>(client_.Header().warningFlags & ~CModbusClientIcon::kAdvisoryPending);
    }
    return CIconDialog::RunModal();
}

bool CModbusProperties::OnInitDialog()
{
    const bool result = CIconDialog::OnInitDialog();
    if (auto* view = GetControlAs<TreeViewControl>(res::kIdcModbusTree)) {
        ImageList images(kImageWidth, kImageHeight);
        images.Add(Application::Instance().Bitmaps().Get(res::kBitmapModbusMapTree), kImageMask);
        view->SetImageList(images);
        tree_ = std::make_unique<CTreeOptionsCtrl>(*view);
    }
    FillTree();
    return result;
}

void CModbusProperties::FillTree()
{
    if (!tree_)
        return;
    tree_->DeleteAllItems();
    for (CModbusItem& item : items_) {
        item.item = tree_->View().InsertItem(
            item.name + std::string(kNamePadding), kTreeRoot, kTreeLast, item.kind, item.kind);
        tree_->AddEditBox(item.item, COptionsEdit::Class());
        tree_->SetEditText(item.item, item.registerText);
    }
}

std::intptr_t CModbusProperties::OnMessage(Message& message)
{
    if (message.id == kRefillMessage) {
        FillTree();
        return 0;
    }
    return CIconDialog::OnMessage(message);
}

bool CModbusProperties::ValidateFields()
{
    if (tree_) {
        // An edit still open holds the latest text.
        tree_->EndEdit();
        for (CModbusItem& item : items_)
            if (item.item != 0)
                item.registerText = tree_->GetEditText(item.item);
    }
    const std::optional<std::string> failure = CheckModbusItems(items_);
    if (!failure)
        return true;
    MessageBoxRequest box;
    box.owner = Handle();
    box.text = *failure;
    box.caption = std::string(kErrorCaption);
    box.icon = MessageBoxIcon::Error;
    Application::Instance().Prompts().ShowMessageBox(box);
    return false;
}

void CModbusProperties::ApplyToIcon() { client_.RebuildPairs(items_); }

}  // namespace corvane
