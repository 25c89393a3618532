#include "icons/function/CDataBufferDialog.h"

#include "icons/function/CDataBufferIcon.h"
#include "platform/Application.h"
#include "platform/DataExchange.h"
#include "platform/PromptSink.h"
#include "res/DataBufferDialog.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace {

constexpr std::string_view kChangeQuestion
    = "Changing the icon data type will automatically disconnect this icon's input and output connections. "
      "Continue?";
constexpr std::string_view kChangeCaption = "Change Icon Data Type";

}  // namespace

CDataBufferDialog::CDataBufferDialog(CDataBufferIcon& icon, Window* parent)
    : CIconDialog(res::kDataBufferDialog, icon, kHelpContext, parent), buffer_(icon),
      typeIndex_(icon.DataType() == CDataBufferIcon::kData ? 0 : 1)
{
    SetSections(false, false, false);
}

void CDataBufferDialog::DoDataExchange(DataExchange& exchange)
{
    DdxRadio(exchange, res::kIdcDataBufferData, typeIndex_);
    CIconDialog::DoDataExchange(exchange);
}

bool CDataBufferDialog::Changed() const { return static_cast<std::uint16_t>(typeIndex_ + 1) != buffer_.DataType(); }

bool CDataBufferDialog::ValidateFields()
{
    if (!Changed())
        return true;
    MessageBoxRequest request{Handle(), std::string(kChangeQuestion), std::string(kChangeCaption),
        MessageBoxButtons::YesNo, MessageBoxIcon::Question};
    return Application::Instance().Prompts().ShowMessageBox(request) == kIdYes;
}

void CDataBufferDialog::ApplyToIcon()
{
    if (!Changed())
        return;
    buffer_.DisconnectAll();
    buffer_.SetDataType(static_cast<std::uint16_t>(typeIndex_ + 1));
}

}  // namespace corvane
