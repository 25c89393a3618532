#pragma once

#include "platform/Cursor.h"

class QCursor;

namespace corvane::internal {

// The toolkit's cursor for a Cursor: the matching standard shape, or a
// pixmap of the picture (transparent where the picture does not show) with
// its hot spot. Cheap for standard shapes; a picture is converted on each
// call, so a widget should set it only when the Cursor changes (Cursor
// values compare equal when they share their picture).
QCursor ToToolkitCursor(const Cursor& cursor);

// True while the toolkit's application-wide cursor is the wait cursor (for
// tests of the wait cursor).
bool ToolkitShowsWaitCursor();

}  // namespace corvane::internal
