#pragma once

namespace corvane::internal {

// Tells the toolkit which installed face stands in for a face the program
// asks for by name where the machine lacks it: "Arial" (the face of the
// icon captions) becomes "Liberation Sans", which has Arial's metrics, so
// captions measure and wrap as they were laid out for. Needs the toolkit's
// GUI application; does nothing without one.
void RegisterFontSubstitutions();

}  // namespace corvane::internal
