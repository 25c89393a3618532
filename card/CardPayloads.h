#pragma once

#include "card/CardJob.h"
#include "platform/Message.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace corvane {

// The payloads the card manager and its worker exchange. Settings are read
// on the UI thread and travel with the request, so the worker never touches
// the settings store.

// With kCardStartJobMessage.
struct CardJobRequest final : Payload {
    CardJob job;
    std::filesystem::path logFolder;       // for the deletion that may follow
    std::uint32_t splitLimit = 0;          // bytes per part of a rendered output; 0: one file
    std::filesystem::path headerFilePath;  // where a split rendering leaves its header lines
};

// With kCardDeleteSessionMessage.
struct CardDeleteRequest final : Payload {
    std::filesystem::path logFolder;
    std::string sessionName;
};

// With the kCardJobDoneMessage of a copy job: what the output lacks.
struct CardCopyReport final : Payload {
    std::vector<std::string> skipped;  // entries of the session folder that are neither "HEADER" nor data files
    std::vector<std::string> missing;  // data files absent from the numbered run ("00000001.vrd")
};

}  // namespace corvane
