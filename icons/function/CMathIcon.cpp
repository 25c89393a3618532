#include "icons/function/CMathIcon.h"

#include "icons/function/CMathDialog.h"
#include "icons/math/CMathCompiler.h"
#include "icons/math/MathTokenTable.h"
#include "netmodel/RecordTransfer.h"
#include "platform/Application.h"
#include "platform/PromptSink.h"
#include "res/ResourceIds.h"

#include <algorithm>
#include <cctype>
#include <utility>
#include <vector>

namespace corvane {
namespace {

constexpr std::string_view kVariables = "WXYZ";
constexpr int kInputX = 1;
constexpr int kInputY = 2;

std::size_t RoundUpToEven(std::size_t n)
{
    return n + n % 2;
}

// The length of the function name at the start of text (upper case), or 0.
std::size_t FunctionNameAt(std::string_view text)
{
    for (const MathToken& row : MathTokenTable())
        if (row.IsFunction() && text.starts_with(row.name))
            return row.name.size();
    return 0;
}

}  // namespace

CMathIcon::CMathIcon()
{
    Init();
}

CMathIcon::CMathIcon(const Rect& position) : CFunctionIcon(position)
{
    Init();
    SetName("Math");
    InitIcon(Position().left, Position().top, kInputCount, 1, kTypeCode, false, true, false);
}

void CMathIcon::Init()
{
    SetBitmapId(res::kBitmapMath);
    SetLabelFlags(LabelFlags() | label_flag::kKeepExisting);
}

void CMathIcon::SetEquation(std::string_view text)
{
    text = text.substr(0, text.find('\0'));
    equation_ = std::string(text.substr(0, kMathEquationLimit));
}

void CMathIcon::SetCode(std::span<const std::uint8_t> code)
{
    codeLength_ = std::min(code.size(), kMathCodeCapacity);
    code_.fill(0);
    std::copy_n(code.begin(), codeLength_, code_.begin());
}

void CMathIcon::SwapInputsXY()
{
    InputLink& x = *RecordLink(kInputX);
    InputLink& y = *RecordLink(kInputY);
    std::swap(x.sourceId, y.sourceId);
    std::swap(x.sourceOutput, y.sourceOutput);
    LinkAllConnectors();
}

int CMathIcon::FirstUnconnectedVariable() const
{
    std::string text = equation_;
    std::transform(text.begin(), text.end(), text.begin(),
        [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
    std::array<bool, 4> used{};
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t name = FunctionNameAt(std::string_view(text).substr(at));
        if (name != 0) {
            at += name;
            continue;
        }
        const std::size_t variable = kVariables.find(text[at]);
        if (variable != std::string_view::npos)
            used.at(variable) = true;
        ++at;
    }
    for (int input = 0; input < kInputCount; ++input) {
        const InputLink* link = RecordLink(input);
        if (used.at(static_cast<std::size_t>(input)) && (link == nullptr || !link->IsConnected()))
            return input;
    }
    return -1;
}

int CMathIcon::CheckEquationInputs(bool& isolated) const
{
    const int flags = CheckConnections(isolated, false, false, false, 1, true, false);
    const int variable = FirstUnconnectedVariable();
    if (variable >= 0 && Application::Exists()) {
        const char name = kVariables.at(static_cast<std::size_t>(variable));
        std::string text = "Math Equation contains the variable ";
        text += name;
        text += ", but the ";
        text += name;
        text += " input is not connected.";
        Application::Instance().Prompts().ShowMessageBox(
            {WindowHandle{}, text, "Math Icon", MessageBoxButtons::Ok, MessageBoxIcon::Warning});
    }
    return flags;
}

int CMathIcon::HitTestConnect(Point point, const NetObjectView* view, CConnector* peer, CCorvaneIcon* peerIcon)
{
    const int code = CFunctionIcon::HitTestConnect(point, view, peer, peerIcon);
    if (code != connector_hit::kInput)
        return code;
    for (int input = 0; input < kInputCount; ++input)
        if (DraggedConnector() == &Input(input))
            return kHitFirstInput + input;
    return code;
}

void CMathIcon::BuildConnectors()
{
    CreateConnectors(true, data_type::kData, false, false);
    CreateConnectors(false, data_type::kData, false, false);
}

std::unique_ptr<IconDialog> CMathIcon::CreateIconDialog()
{
    return std::make_unique<CMathDialog>(*this);
}

void CMathIcon::Layout()
{
    Header().length = kRecordLength;
    outputWhen_ = kWhenAny;
    reserved_ = kReservedWord;
    BuildConnectors();
    equation_.clear();
    SetCode({});
    scaling_ = ScalingPoints{};
    CFunctionIcon::Layout();
    SetLabelFlags(LabelFlags() | label_flag::kKeepExisting);
}

void CMathIcon::CopyFixedPart(RecordTransfer& t)
{
    t.U16(outputWhen_, "output-when mask");
    t.U16(reserved_, "reserved");
}

std::size_t CMathIcon::TransferTail(RecordTransfer& t)
{
    if (!t.IsLoading()) {
        auto codeLength = static_cast<std::uint16_t>(RoundUpToEven(codeLength_));
        t.U16(codeLength, "code length");
        t.Bytes(std::span(code_).first(codeLength), "math code");
        std::vector<std::uint8_t> text(RoundUpToEven(equation_.size() + 1), 0);
        std::copy(equation_.begin(), equation_.end(), text.begin());
        auto textLength = static_cast<std::uint16_t>(text.size());
        t.U16(textLength, "text length");
        t.Bytes(text, "equation text");
        return codeLength + textLength + 4U;
    }

    std::uint16_t codeLength = 0;
    const std::size_t codeLengthAt = t.Position();
    t.U16(codeLength, "code length");
    if (t.Failed())
        return 0;
    if (codeLength > kCodeFieldLimit || codeLength % 2 != 0) {
        t.Fail({RecordErrorKind::BadLength, codeLengthAt, "code length"});
        return 0;
    }
    std::array<std::uint8_t, kCodeFieldLimit> code{};
    t.Bytes(std::span(code).first(codeLength), "math code");

    std::uint16_t textLength = 0;
    const std::size_t textLengthAt = t.Position();
    t.U16(textLength, "text length");
    if (t.Failed())
        return 0;
    if (textLength > kTextFieldLimit) {
        t.Fail({RecordErrorKind::BadLength, textLengthAt, "text length"});
        return 0;
    }
    std::array<std::uint8_t, kTextFieldLimit> text{};
    t.Bytes(std::span(text).first(textLength), "equation text");
    if (t.Failed())
        return 0;
    SetCode(std::span(code).first(codeLength));
    const auto textEnd = std::find(text.begin(), text.begin() + textLength, std::uint8_t{0});
    SetEquation(std::string(text.begin(), textEnd));
    return codeLength + textLength + 4U;
}

}  // namespace corvane
