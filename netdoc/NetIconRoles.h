#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace corvane {

// What the net checks and queries ask of particular icon classes. The
// classes implement these next to their records; the net document finds
// them by type code and asks through these, so it never depends on the
// icon libraries.

// Warm-up icons and the logger's analog inputs are numbered by priority
// (lower first).
class PrioritisedIcon {
public:
    virtual ~PrioritisedIcon() = default;
    virtual std::int64_t ExecutionPriority() const = 0;
};

// "R/W Modbus Reg": its mode word (bit 0x40 TCP client, else RTU master),
// and what the saved-icon import does to an icon read from a file: its
// links (which name icons of another net) dropped, its special inputs
// unlinked and placed again, and the file it came from remembered.
class ModbusServerRole {
public:
    virtual ~ModbusServerRole() = default;
    virtual std::uint16_t ModbusModeWord() const = 0;
    virtual void DetachConnectors() = 0;
    virtual void ResetConnectorLayout() = 0;
    virtual void SetSavedFile(const std::filesystem::path& file) = 0;
};

// "Modbus Reg List": the entries of its register list.
class ModbusClientRole {
public:
    virtual ~ModbusClientRole() = default;
    virtual int RegisterCount() const = 0;
};

// Memory, Probe and MQTT icons: they take the data tags marked with their bit.
class TagListRole {
public:
    virtual ~TagListRole() = default;
    virtual void UpdateTagLists(int bit) = 0;
};

// A Data Tag icon: its id, name and assignment bits (1 memory, 2 probe, 4 MQTT).
class DataTagRole {
public:
    virtual ~DataTagRole() = default;
    virtual std::uint16_t AssignmentBits() const = 0;
    virtual void SetAssignmentBits(std::uint16_t bits) = 0;
};

}  // namespace corvane
