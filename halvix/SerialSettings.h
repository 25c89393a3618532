#pragma once

#include <cstdint>

namespace corvane {

// How a serial link is driven: the line settings of CxSetSerialDCB.
struct SerialSettings {
    enum class Parity { None, Odd, Even, Mark, Space };
    enum class StopBits { One, OnePointFive, Two };
    enum class DtrControl { Disable, Enable, Handshake };
    enum class RtsControl { Disable, Enable, Handshake, Toggle };

    std::uint32_t baudRate = 115200;
    std::uint8_t dataBits = 8;  // 5 to 8
    Parity parity = Parity::None;
    StopBits stopBits = StopBits::One;
    bool binaryMode = true;       // no end-of-file character processing
    bool parityCheck = false;     // check the parity of received bytes
    bool dsrSensitivity = false;  // ignore bytes while DSR is low
    DtrControl dtrControl = DtrControl::Enable;
    RtsControl rtsControl = RtsControl::Disable;

    friend bool operator==(const SerialSettings&, const SerialSettings&) = default;
};

}  // namespace corvane
