#pragma once

#include <cstdint>
#include <span>

namespace corvane {

// What the Modbus settings page needs of the logger configuration image
// that its sheet holds: the Modbus item (key 42), changed in place, and the
// port item (key 7: u16 the logger's HTTP port, u16 its own TCP port), read
// for the port clash test.
class ModbusSettingsImage {
public:
    virtual ~ModbusSettingsImage() = default;

    // The Modbus item's bytes inside the image; empty when the image lacks it.
    virtual std::span<std::uint8_t> ModbusItem() = 0;
    // The port item's bytes; empty when the image lacks it.
    virtual std::span<const std::uint8_t> PortItem() const = 0;

protected:
    ModbusSettingsImage() = default;
    ModbusSettingsImage(const ModbusSettingsImage&) = default;
    ModbusSettingsImage& operator=(const ModbusSettingsImage&) = default;
};

}  // namespace corvane
