#include "loggersim/BusModule.h"

#include "base/ByteWriter.h"

namespace corvane {

std::vector<std::uint8_t> ModuleRecordBytes(std::uint8_t address, const BusModule& module)
{
    std::vector<std::uint8_t> record(kModuleRecordBytes, 0);
    ByteWriter writer(record);
    writer.U8(0, "reserved");
    writer.U8(address, "bus address");
    writer.U8(module.type, "module type");
    writer.Bytes(module.firmware, "firmware version");
    writer.U32BE(module.serialNumber, "serial number");
    // A name of the whole field's length has no terminator.
    writer.FixedText(module.name, kModuleNameBytes, "module name");
    return record;
}

}  // namespace corvane
