// Reads arbitrary bytes as the mount table, looking for the device of a
// few folders. A device found is the first field of one of the lines.
#include "card/MountTableProbe.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string table(reinterpret_cast<const char*>(data), size);
    const std::array<const char*, 3> folders = {"/", "/media/user/CARD 1/logs", "/run/media/a\\b"};
    for (const char* folder : folders) {
        std::istringstream in(table);
        const std::string device = corvane::MountTableProbe::MountedDevice(in, folder);
        // Unescaping only ever shortens a field.
        if (device.size() > table.size())
            std::abort();
    }
    return 0;
}
