#pragma once

#include <string>

namespace corvane {

// One terminal of a module's terminal strip, as the wiring list prints it:
//   terminalNumber  name (icon wired to it)  function  polarity
// A hardware icon fills one entry per pin it uses (CHardwareIcon::GetPinInfo);
// the wiring list adds each module's fixed terminals. A new entry has empty
// texts and all three flags clear. Texts are record bytes (Windows-1252),
// written to the list as they are.
struct TerminalStripEntry {
    int index = 0;                // place in the module's pin array
    int terminalNumber = 0;       // number printed; equals index except where a module renumbers
    std::string name;             // icon wired here; "Unused" when unconnected, empty for fixed terminals
    std::string function;         // the terminal's function text
    std::string polarity;         // "[+]", "[-]", "[SH]" or empty
    bool blankLineAfter = false;  // an empty line follows this terminal's line
    bool moduleHeading = false;   // the module's heading is written before it
    bool stripHeading = false;    // the module's strip heading is written before it
};

}  // namespace corvane
