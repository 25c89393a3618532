#pragma once

#include "netmodel/CCorvaneObj.h"
#include "netmodel/CInput.h"
#include "netmodel/COutput.h"
#include "netmodel/ConnectorTypes.h"
#include "netmodel/IconDialog.h"
#include "netmodel/IconRecordHeader.h"
#include "netmodel/InputLink.h"
#include "netmodel/OutputEntry.h"
#include "netmodel/RecordError.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace corvane {

class NetContext;
class RecordTransfer;

// Record modes: a net file or the clipboard keeps every input as it is;
// a compiled image drops the unconnected inputs of icons that compact.
enum class TransferMode { Save, Compile };

// Bits of an icon's label-flag word.
namespace label_flag {
inline constexpr std::uint16_t kKeepExisting = 0x04;  // a label already given is kept
inline constexpr std::uint16_t kOwnLabels = 0x80;     // labels are the icon's own, never a source's
}  // namespace label_flag

// Bits of the connection check's result.
namespace missing_connection {
inline constexpr int kTriggerInput = 0x01;
inline constexpr int kTriggerOutput = 0x02;
inline constexpr int kDataInput = 0x04;
inline constexpr int kDataOutput = 0x08;
inline constexpr int kSelectInput = 0x10;
inline constexpr int kIsolated = 0x20;
}  // namespace missing_connection

// Hit codes of an icon's connectors.
namespace connector_hit {
inline constexpr int kEnableInput = 10;
inline constexpr int kTriggerInput = 11;
inline constexpr int kSelectInput = 12;
inline constexpr int kOutput = 13;
inline constexpr int kInput = 18;
}  // namespace connector_hit

// The side of an icon a connector stands on.
enum class ConnectorSide { Input, Output };

// An input connector somewhere in the net and the icon that holds it.
struct LinkedInput {
    class CCorvaneIcon* icon = nullptr;
    int slot = 0;  // kEnableSlot, kTriggerSlot or an input index
};

// The base of every icon of a program net: its packed record, its
// connectors (enable and trigger inputs above the body, up to 25 inputs,
// the select input first when there is one, and up to 24 outputs), the
// links between them, the connection check and the execution-order walk.
// The body is 32 x 32 (32 x 64 with the hardware layout); connectors sit
// outside it. Classes set their counts and connectors in their
// constructors through InitIcon and describe their fixed part and tail.
class CCorvaneIcon : public CCorvaneObj {
public:
    static constexpr std::size_t kMaxInputs = kIconMaxInputs;
    static constexpr std::size_t kMaxOutputs = kIconMaxOutputs;

    CCorvaneIcon();
    // The placing form: a negative left becomes 10, and the rectangle is
    // normalised and grown by 8 on every side.
    explicit CCorvaneIcon(const Rect& position);
    ~CCorvaneIcon() override;

    std::string_view ClassName() const override { return "CCorvaneIcon"; }

    // Record.
    const IconRecordHeader& Header() const { return header_; }
    IconRecordHeader& Header() { return header_; }
    std::uint16_t UniqueId() const { return header_.uniqueId; }
    // Gives the icon another id and tells its owner, whose index by id
    // follows. An icon's id changes only here or by loading a record.
    void SetUniqueId(std::uint16_t id);
    std::uint16_t TypeCode() const { return header_.TypeCode(); }
    std::span<InputLink> GetInputLinks() { return {inputLinks_.data(), static_cast<std::size_t>(TotalInputs())}; }
    std::span<const InputLink> GetInputLinks() const
    {
        return {inputLinks_.data(), static_cast<std::size_t>(TotalInputs())};
    }
    std::span<OutputEntry> GetOutputEntries() { return {outputEntries_.data(), static_cast<std::size_t>(outputCount_)}; }
    std::span<const OutputEntry> GetOutputEntries() const
    {
        return {outputEntries_.data(), static_cast<std::size_t>(outputCount_)};
    }
    // The record link of an input slot (kEnableSlot, kTriggerSlot or an
    // index below 25), or null for any other slot.
    InputLink* RecordLink(int slot);
    const InputLink* RecordLink(int slot) const;

    // Reads a record (bounded by its stored length) into the icon: counts,
    // header, fixed part, input links, output entries and tail. Refuses a
    // stored length below the header or past the bytes, an odd length,
    // more than 25 inputs or 24 outputs, and any read past the length. On
    // a refusal the icon is left part-filled: the caller drops it. Returns
    // the record's length (the sum of its parts, made even).
    virtual std::variant<std::size_t, RecordError> LoadRecord(std::span<const std::uint8_t> record);
    // Writes the record. In compile mode an icon that compacts writes its
    // connected inputs first and drops the rest (down to its minimum); the
    // icon itself is not changed. Refuses a record longer than 65535.
    virtual std::variant<std::vector<std::uint8_t>, RecordError> StoreRecord(TransferMode mode);

    // Sets the counts, clears every input link and rebinds the outputs
    // (the loader's first step for a new icon).
    void SetConnectorCounts(int inputCount, int outputCount, bool selectInput);
    // The loader's step after the record: the special inputs the type has,
    // the select input taking one place of the inputs, the hardware layout.
    void ConfigureChannels(bool triggerActive, bool enableActive, bool selectInput);

    // Counts and limits.
    int ExtraInputCount() const { return extraInputs_; }
    int InputCount() const { return inputCount_; }
    int OutputCount() const { return outputCount_; }
    int TotalInputs() const { return extraInputs_ + inputCount_; }
    int MinimumInputs() const { return minimumInputs_; }
    int InputLimit() const { return inputLimit_; }
    bool Compacts() const { return compaction_; }
    bool HasInputTable() const { return hasInputTable_; }

    // Names and pictures.
    const std::string& Name() const { return name_; }
    const std::string& Caption() const { return caption_; }
    // The record name (cut to 20 bytes) and the caption.
    void SetName(std::string_view text);
    int BitmapId() const { return bitmapId_; }
    void SetBitmapId(int id) { bitmapId_ = id; }
    std::uint16_t LabelFlags() const { return labelFlags_; }
    void SetLabelFlags(std::uint16_t flags) { labelFlags_ = flags; }

    // Connectors.
    CInput& EnableInput() { return enable_; }
    CInput& TriggerInput() { return trigger_; }
    CInput& Input(int index) { return inputs_.at(static_cast<std::size_t>(index)); }
    COutput& Output(int index) { return outputs_.at(static_cast<std::size_t>(index)); }
    const COutput& Output(int index) const { return outputs_.at(static_cast<std::size_t>(index)); }
    // The input connector of a slot, or null.
    CInput* InputConnector(int slot);
    CConnector* DraggedConnector() const { return dragged_; }
    void SetDraggedConnector(CConnector* connector) { dragged_ = connector; }
    // Where connector n (1-based) of count stands on its side.
    static Point GetConnectorPoint(int n, int count, int kind);
    // Places every connector again after the counts or the rectangle
    // changed and renews the link ends of its inputs and outputs. Which
    // connectors an icon offers is its class's choice (BuildConnectors);
    // those beyond the counts are switched off.
    void LayoutConnectors();
    // The first half of LayoutConnectors: every connector placed, those
    // beyond the counts switched off, no link end renewed.
    void PlaceConnectors();
    // The connector under a point (making it the dragged one) as a hit
    // code, or the base hit code when there is none.
    int HitTestConnectors(Point point, const NetObjectView* view);

    // Links.
    // Every input of the net fed by output n of this icon, in list order.
    std::vector<LinkedInput> FindLinkedInputs(int outputIndex) const;
    // Every input of the net whose link names this icon.
    std::vector<LinkedInput> FindInputsLinkedToIcon() const;
    // Sets the link end of every input fed by output n to its anchor.
    void BindOutputLinks(int outputIndex);
    // Sets the link end of each of this icon's inputs from its record.
    void LinkAllConnectors();
    // Makes the link from giver's dragged output to this icon's dragged
    // input, growing the inputs when the icon may and all are in use.
    void LinkFrom(CCorvaneIcon& giver, int hitCode);
    // Passes a source's labels to this icon and on down the net, visiting
    // each icon once so that a loop of icons ends.
    void PropagateSourceLabels(const CCorvaneIcon& source, int outputIndex);
    // Carries data types across the link of an input.
    void SyncConnectorFlags(int slot);
    // Unlinks every peer of a connector slot of this icon (inputs:
    // kEnableSlot, kTriggerSlot or an index; outputs: the output index).
    void DisconnectInput(int slot);
    void DisconnectOutput(int outputIndex);
    // The icon of the owner's net with that id, or null.
    CCorvaneIcon* FindIconById(std::uint16_t id) const;
    // Adds or removes an optional connector (a dialog does this on OK).
    // Inputs are counted with the select input; present makes every input
    // up to and including index exist, absent drops index and every input
    // after it. Outputs the same by output index. A dropped connector loses
    // its links; an added input is an unlinked data input with the data
    // type of the input before it, an added output is an output with the
    // type of output 0, plus kUnsettled when it is a second output.
    virtual void SetOptionalConnector(ConnectorSide side, int index, bool present, bool secondOutput);

    // The connection check that the net checks use: the missing
    // connections as missing_connection bits, and whether the icon has no
    // connection at all.
    int CheckConnections(bool& isolated, bool needEnable, bool needTrigger, bool needSelect, int minimumLinked,
        bool needOutput, bool isolationAllowed) const;

    // Execution order: numbers this icon after every icon feeding it.
    void AssignExecutionOrder(NetContext& net);
    int GetExecutionOrder() const { return executionOrder_; }
    void ResetExecutionOrder() { executionOrder_ = -1; }
    void ClearVisitMark() { visitMark_ = false; }

    void SyncRecordPosition();
    void SetPositionFromRecord();

    // CCorvaneObj.
    int GetHandleCursor(int hitCode) const override;
    void Draw(DeviceContext& dc, BitmapCatalog& pictures) override;
    void MoveTo(const Rect& position, NetObjectView* view) override;
    bool IntersectsRect(const Rect& rect) const override;
    void OnOpen() override;
    // Unlinks every input the icon feeds, tells the net's icons when a
    // data tag goes, and returns the id.
    void Remove() override;
    std::uint16_t RemoveFromNet();

    // Icon operations classes refine.
    virtual int HitTestConnect(Point point, const NetObjectView* view, CConnector* peer, CCorvaneIcon* peerIcon);
    virtual void ApplySubtype(std::uint16_t /*mode*/) {}
    virtual void BuildConnectors() {}
    virtual std::unique_ptr<IconDialog> CreateIconDialog() { return nullptr; }
    virtual void Layout();
    virtual void LayoutHardware();
    virtual int CheckIconConnections(bool& isolated) const;
    // Takes a name and output labels from the output of the icon feeding
    // it; true when it wrote labels that its own flagged outputs pass on.
    virtual bool AdoptSourceLabels(const CCorvaneIcon& source, int outputIndex);
    // Copies the class's fixed part (the fields after the header) in the
    // transfer's direction; the input links follow where it ends.
    virtual void CopyFixedPart(RecordTransfer& transfer) = 0;
    // Reads or writes the class's variable tail; returns its length.
    virtual std::size_t TransferTail(RecordTransfer& /*transfer*/) { return 0; }
    // A text drawn on the icon (the note icon's).
    virtual std::string DrawnText() const { return {}; }
    virtual void OnDialogOk() {}
    // A data tag icon of the net is being removed: icons that keep a list
    // of data tags drop it.
    virtual void OnDataTagRemoved(const CCorvaneIcon& /*tag*/) {}
    // The sample-rate clock walks only its special inputs, is left quietly
    // when reached again, and compacts one further.
    virtual bool IsSampleRateClock() const { return false; }
    // The MQTT icon never counts as isolated.
    virtual bool NeverIsolated() const { return false; }
    virtual Size BodySize() const;

protected:
    // Sets the icon up: clears the header (warning flags 0x000F), stores
    // position, counts and type code, clears every link and entry, makes
    // the enable, trigger and (as input 0) select inputs, runs Layout,
    // names the record and sets the link flags from the data types.
    void InitIcon(int x, int y, int inputCount, int outputCount, std::uint16_t typeCode, bool triggerActive,
        bool enableActive, bool selectInput);
    // Makes the connectors of one side: one (two with pair, doubled again
    // with secondOutput, those of type | 0x08), the rest of the first four
    // inactive; on the input side at least the input count.
    void CreateConnectors(bool inputs, int dataType, bool pair, bool secondOutput);
    void SetCounts(int inputCount, int outputCount) { inputCount_ = inputCount; outputCount_ = outputCount; }
    void SetExtraInputCount(int count) { extraInputs_ = count; }
    void SetMinimumInputs(int count) { minimumInputs_ = count; }
    void SetInputLimit(int limit) { inputLimit_ = limit; }
    void SetCompaction(bool on) { compaction_ = on; }
    void SetHasInputTable(bool has) { hasInputTable_ = has; }
    void SetCaption(std::string_view caption) { caption_ = std::string(caption); }
    std::string& FreeText() { return text_; }

private:
    void TransferHeader(RecordTransfer& transfer, std::uint8_t inputCount);
    bool HasLinkedSource(const InputLink& link) const;
    void SetLinkFlagsFromTypes();
    // The slot of one of this icon's input connectors, if it is one.
    std::optional<int> InputSlotOf(const CConnector* connector) const;
    std::optional<int> OutputIndexOf(const CConnector* connector) const;

    IconRecordHeader header_;
    std::array<InputLink, kMaxInputs> inputLinks_{};
    std::array<OutputEntry, kMaxOutputs> outputEntries_{};
    std::uint16_t labelFlags_ = 0;
    int bitmapId_ = 0;
    bool dialogOpen_ = false;
    CConnector* dragged_ = nullptr;
    int extraInputs_ = 0;
    int inputCount_ = 0;
    int outputCount_ = 0;
    int minimumInputs_ = 1;
    int inputLimit_ = 0;
    bool compaction_ = false;
    bool hasInputTable_ = false;
    std::string name_;
    std::string caption_;
    std::string text_;
    CInput enable_;
    CInput trigger_;
    std::array<CInput, kMaxInputs> inputs_;
    std::array<COutput, kMaxOutputs> outputs_;
    int executionOrder_ = -1;
    bool visitMark_ = false;
};

}  // namespace corvane
