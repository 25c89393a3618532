#pragma once

namespace corvane {

class Application;

// Shows the application's wait cursor for its lifetime. Guards nest: the
// cursor goes back when the last one goes (see Application::PushWaitCursor).
class WaitCursor {
public:
    explicit WaitCursor(Application& app);
    WaitCursor();  // on the running application
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    Application& app_;
};

}  // namespace corvane
