#pragma once

#include "platform/BitmapCatalog.h"
#include "platform/CursorCatalog.h"
#include "res/PictureEntry.h"

#include <vector>

// The program's pictures, all drawn in code. Sizes are width x height in
// pixels. "keyed": pixels of magenta (255, 0, 255) are transparent.
//
// Main frame
//   3, 4, 5, 6, 277  n*16 x 16, keyed  toolbar strips: Communication Window, program development,
//                                      spare (never shown), real-time trending, web page design;
//                                      buttons and their commands in res/Toolbars.cpp
//   209    480 x 280        splash window: the program's name over a chart trace
//   285    16 x 16, keyed   status bar: not connected (red badge, plug pulled)
//   286    16 x 16, keyed   status bar: connected (green badge, plug in)
//
// Icon palette
//   10001..10048  32 x 32   palette cells 0..47, also the pictures the icons draw:
//     10001 sample-rate clock (clock, pulse train)   10002 memory (chip "MEM")
//     10003 probe point (test probe)                 10004 math ("f(x)", "+ − × ÷")
//     10005 comparator (amplifier, + and −)          10006 window comparator (signal between HI and LO)
//     10007 constant ("1.23")                        10008 remote constant ("1.23", radio waves)
//     10009 remote switch (switch, radio waves)      10010 stopwatch
//     10011 start/stop clock (clock, one pulse)      10012 e-mail (envelope)
//     10013 FTP ("FTP", folder, up arrow)            10014 LCD latched message (display, padlock)
//     10015 LCD conditional message (display, "IF")  10016 warning (yellow triangle, "!")
//     10017 NOT  10018 AND  10019 OR  10020 XOR (gates)
//     10021 R-S flip-flop (S, R, Q)                  10022 multiplexer
//     10023 time integral ("∫dt")                    10024 rate of change ("d/dt", slope)
//     10025 duty cycle (pulses, "%")                 10026 summation ("Σ")
//     10027 average ("x" with a bar)                 10028 min/max (wave between limits)
//     10029 delta ("Δ")                              10030 filter (noise in, smooth out)
//     10031 timed counter (counter, clock)           10032 count accumulator (counter, "+1")
//     10033 stop program execution (stop sign)       10034 periodic output (pulse train, loop)
//     10035 warm-up (heating element)                10036 delay (hourglass)
//     10037 latch (D, Q)                             10038 text note (note page)
//     10039 scheduler (calendar, clock)              10040 data buffer (stack of cells)
//     10041 read/write Modbus register ("MB", "R/W") 10042 transient reject filter (spike struck out)
//     10043 one shot (edge, pulse)                   10044 scratchpad (clipboard, "x=")
//     10045 data tag (tag)                           10046 MQTT (cloud)
//     10047 excitation (source, "EXC")               10048 Modbus address map ("MB", table)
//   212    40 x 40          collapsed palette: four small tiles
//   579, 588, 589  32 x 32  greyed e-mail, FTP and MQTT cells (logger without network)
//
// Pictures icons switch to (32 x 32 unless given)
//   400    program icon (gears)                   564   R/W Modbus register over TCP ("TCP")
//   636    e-mail icon in the net                 637   FTP icon in the net
//   10098  power management (battery, lightning)  12007 9 x 13 text note beside its text
//   12021 OR De Morgan, 12022 AND De Morgan, 12023 NOT De Morgan, 12024 OR with inverted output,
//   12026 NOT with inverted output, 12027 NOT De Morgan with inverted output, 12028 OR De Morgan with
//   inverted output, 12029 AND with inverted output, 12030 AND De Morgan with inverted output,
//   12031 XOR with inverted output
//   12033, 12034, 12036  32 x 64  probe, memory and MQTT icons in the net: symbol over a tag list
//
// Hardware: logger functions, 32 x 32
//   401 supply voltages (battery, "Vdc")  403 cold junction (thermometer, "CJC"; also a module's)
//   615 audible alarm (bell)              12003 LED (blue LED)
// Hardware: channel icons, 32 x 64 (symbol, caption, screw terminals; modules' carry a corner mark)
//   404/410 high voltage (meter "V", "HI V")  405/409 low voltage (meter "mV", "LO V")
//   406/408 current (meter "mA")              407/411 thermocouple (junction, "T/C")
//     (404..407 the logger's, 408..411 the analog module's)
//   414 relay, 12038 unlatched relay (coil and contact)
//   12004 general-purpose counter, 12005 general-purpose event, 12006 general-purpose frequency
//   12014 digital event input, 12039 digital event input/output, 12020 counter input,
//   12015 frequency input, 12019 frequency output, 12016 digital (open-collector) output,
//   12017 +5 V output, 12037 logger digital I/O before its kind is known
//
// Communication Window (placed by the view at fixed places of a 1024 x 768 scene)
//   643  1024 x 768  backdrop: title, hint, empty places of PC and logger
//   644/645 cellular, 646/647 Ethernet, 648/649 USB, 650/651 Wi-Fi, 652 RS-232: 582 x 527
//        link between PC and logger, connected / not connected
//   653  1024 x 768  RS-232 not connected: the whole scene, cable hanging from the PC
//   654/655  330 x 119  the logger's control panel, logging / stopped
//   656  330 x 119  the same panel greyed: no logger connected
//   658/666  48 x 49  the logger's card slot, empty / with a card
//   659  201 x 90   module bus leaving the logger   660  34 x 161  module bus going down
//   661  60 x 121, 662  62 x 121  module bus between modules
//   663, 664, 665  61 x 124  analog module, digital module, other module
//   667  370 x 235  logger                          674  235 x 162  PC
//   668  54 x 24    Erase button                    671  34 x 35  password padlock
//   672  160 x 70   memory card in the PC's reader
//   675  65 x 73 network, 676  53 x 70 USB, 677  110 x 77 RS-232, 678  52 x 43 RS-232 off: link buttons
//   679/680  78 x 20  Enable button lit / dark      681/682  78 x 20  Stop button lit / dark
//   356, 368, 372, 376  32 x 32  logger items: configuration, program net, date and time, status
//
// Dialog lists and trees, the page designer's object bar
//   313  32 x 32  empty object-bar cell          419  40 x 40  object-bar tab (dial)
//   486  48 x 16, keyed  permission check box: clear, checked, checked and fixed
//   478  16 x 16, keyed  a logger user (the password management list)
//   494/495  18 x 18  USB logger, USB logger in use
//   496, 498, 630, 635  18 x 18  RS-232, Ethernet, cellular, Wi-Fi connections
//   502  60 x 20, keyed  remote controls tree: group, constant, switch
//   526  60 x 20, keyed  Modbus map tree: data tag, remote constant, remote switch
//   510  20 x 20  probe list                     513  20 x 18  math function library
//   517  64 x 64  a function filed into the math library (open book, "f(x)", arrow going in);
//                 the first frame of animation 517
//
// Animations (frames drawn in code, res/Animations.h)
//   493  64 x 64  "Network Address": an address packet travelling from a PC to a logger
//   517  64 x 64  a function filed into the math library: the arrow drops into the book
//
// Cursors (32 x 32, keyed; their own numbering)
//   154 move an object (arrow, four-way cross)   465 drag a palette cell (arrow, tile)
//   linking icons, a sight with the connector's name: 137 trigger, 167 enable, 166 select,
//   279 input, 280 output, 599 inverted output, 577/578 comparator + and −, 580/579 window
//   comparator high and low, 575/576 set and reset, 598/574/573/597 math W, X, Y, Z;
//   466, 546, 544, 570, 569 other connectors (no name)

namespace corvane::res {

// Every picture of the program, family by family.
std::vector<PictureEntry> AllPictures();

// Registers the maker of every picture under its id.
void RegisterPictures(BitmapCatalog& catalog);

// Registers the maker of every cursor under its id.
void RegisterCursors(CursorCatalog& catalog);

}  // namespace corvane::res
