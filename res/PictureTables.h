#pragma once

#include "res/PictureEntry.h"

#include <span>

namespace corvane::res {

// The pictures of each family.
std::span<const PictureEntry> FunctionPictures();    // function icons, palette cells and gate variants
std::span<const PictureEntry> HardwarePictures();    // logger inputs and outputs, module channels
std::span<const PictureEntry> ReportingPictures();   // memory, probes, tags, mail, files, Modbus, MQTT
std::span<const PictureEntry> CommWindowPictures();  // the Communication Window's picture
std::span<const PictureEntry> ToolbarPictures();     // one strip per toolbar
std::span<const PictureEntry> FramePictures();       // status, splash, palette bar, dialog image lists
std::span<const CursorEntry> CursorPictures();

}  // namespace corvane::res
