#pragma once

#include "res/PicturePainter.h"

namespace corvane::res {

enum class GateKind { And, Or, Xor, Not };

// How a gate is drawn: in its De Morgan form (inputs inverted and the
// dual shape), and with the additional inverted output terminal.
struct GateStyle {
    bool deMorgan = false;
    bool invertedOutput = false;
};

// Draws a logic gate with its input and output leads inside a 32 by 32
// icon body.
void DrawGate(PicturePainter& p, GateKind kind, const GateStyle& style, RgbColour fill, RgbColour line);

// The same gate in a smaller box, for buttons and badges.
void DrawGateShape(PicturePainter& p, GateKind kind, const Rect& box, RgbColour fill, RgbColour line);

}  // namespace corvane::res
