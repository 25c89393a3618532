#include "icons/reporting/CBigMqttIcon.h"

#include "base/Cp1252.h"
#include "icons/reporting/CBigMqttDialog.h"
#include "netmodel/RecordTransfer.h"
#include "platform/SettingsStore.h"
#include "res/ResourceIds.h"

#include <algorithm>

namespace corvane {

CBigMqttIcon::CBigMqttIcon() : CBigDataIcon(DataTagLists::kMaxMqttTags)
{
    Init();
}

CBigMqttIcon::CBigMqttIcon(const Rect& position, SettingsStore* settings)
    : CBigDataIcon(position, DataTagLists::kMaxMqttTags), settings_(settings)
{
    Init();
    flags_ = 0;
    marker_ = kPlacedMarker;
    ReadPlacedSeries();
}

void CBigMqttIcon::Init()
{
    SetName("MQTT");
    SetBitmapId(res::kBitmapMqttNet);
    SetMinimumInputs(0);
    InitIcon(Position().left, Position().top, 0, 1, kTypeCode, true, true, false);
}

void CBigMqttIcon::ReadPlacedSeries()
{
    std::string name(kDefaultSeries);
    bool found = false;
    if (settings_ != nullptr) {
        if (const auto value = settings_->GetValue(kSettingsKey, kSeriesValue)) {
            if (const std::string* text = value->AsString()) {
                name = Utf8ToCp1252(*text, kSeriesMaxBytes);
                found = true;
            }
        }
        if (!found && !settings_->CreateKey(kSettingsKey))
            (void)settings_->SetValue(kSettingsKey, kSeriesValue, SettingsValue::String(name));
    }
    SetSeriesName(name);
    placedSeries_ = series_;
}

void CBigMqttIcon::SetSeriesName(std::string_view name)
{
    series_ = std::string(name.substr(0, std::min(name.size(), kSeriesMaxBytes)));
    // The record keeps the text up to its first zero byte.
    series_ = series_.substr(0, series_.find('\0'));
}

void CBigMqttIcon::SaveSessionSeries()
{
    if (settings_ == nullptr || series_ == placedSeries_)
        return;
    if (!settings_->CreateKey(kSettingsKey))
        (void)settings_->SetValue(kSettingsKey, kSeriesValue, SettingsValue::String(Cp1252ToUtf8(series_)));
}

std::variant<std::size_t, RecordError> CBigMqttIcon::LoadRecord(std::span<const std::uint8_t> record)
{
    auto loaded = CBigDataIcon::LoadRecord(record);
    if (std::holds_alternative<std::size_t>(loaded))
        placedSeries_ = series_;
    return loaded;
}

void CBigMqttIcon::BuildConnectors()
{
    CreateConnectors(false, data_type::kLogic, false, false);
}

std::unique_ptr<IconDialog> CBigMqttIcon::CreateIconDialog()
{
    return std::make_unique<CBigMqttDialog>(*this);
}

void CBigMqttIcon::Layout()
{
    Header().length = kRecordLength;
    BuildConnectors();
    CCorvaneIcon::Layout();
}

int CBigMqttIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, true, false, 0, false, false);
}

void CBigMqttIcon::CopyFixedPart(RecordTransfer& t)
{
    if (!t.IsLoading())
        count_ = static_cast<std::uint8_t>(std::min<std::size_t>(TagIds().size(), DataTagLists::kMaxMqttTags));
    t.U16(flags_, "flag word");
    t.FixedText(series_, kSeriesFieldSize, "series name");
    t.U8(count_, "tag count");
    t.U8(marker_, "marker");
}

std::size_t CBigMqttIcon::TailTagCount(const RecordTransfer& /*transfer*/) const
{
    return count_;
}

}  // namespace corvane
