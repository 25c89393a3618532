#include "platform/WaitCursor.h"

#include "platform/Application.h"

namespace corvane {

WaitCursor::WaitCursor(Application& app) : app_(app) { app_.PushWaitCursor(); }

WaitCursor::WaitCursor() : WaitCursor(Application::Instance()) {}

WaitCursor::~WaitCursor() { app_.PopWaitCursor(); }

}  // namespace corvane
