// Protocol errors from the X server are survived, counted and reported.
#include "platform/user_x11.h"

// gtest first: Xlib defines Bool as a macro.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <csignal>
#include <fcntl.h>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace x11 = vora::platform::user::x11;

// An Xvfb server of its own (the unit tests run without a display); it picks
// a free display number and tells it through a pipe.
class OwnXvfb {
public:
    OwnXvfb() {
        int fds[2];
        if (pipe(fds) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            // The server dies with the test and keeps none of its output.
            prctl(PR_SET_PDEATHSIG, SIGTERM);
            int null = open("/dev/null", O_WRONLY);
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
            close(fds[0]);
            std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "320x240x24",
                   "-nolisten", "tcp", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        numero_ = fds[0];
        // The number comes as a line, possibly in several writes; the pipe
        // stays open while the server lives (it fails on a closed one).
        std::string text;
        char c = 0;
        while (pid_ > 0 && read(numero_, &c, 1) == 1 && c != '\n') text += c;
        if (c == '\n' && !text.empty()) name_ = ":" + text;
    }
    ~OwnXvfb() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
        if (numero_ >= 0) close(numero_);
    }
    OwnXvfb(const OwnXvfb&) = delete;
    OwnXvfb& operator=(const OwnXvfb&) = delete;
    // The display's name, empty when Xvfb could not be started.
    const std::string& name() const { return name_; }

private:
    pid_t pid_ = -1;
    int numero_ = -1;
    std::string name_;
};

TEST(X11Errors, RequestsOnAGoneWindowDoNotEndTheProcess) {
    OwnXvfb server;
    if (server.name().empty()) GTEST_SKIP() << "Xvfb could not be started";
    Display* display = XOpenDisplay(server.name().c_str());
    ASSERT_NE(display, nullptr);
    x11::survive_protocol_errors();
    unsigned long before = x11::survived_protocol_errors();
    ::Window root = DefaultRootWindow(display);
    ::Window gone = XCreateSimpleWindow(display, root, 0, 0, 10, 10, 0, 0, 0);
    XDestroyWindow(display, gone);
    int x = 0;
    int y = 0;
    ::Window child = 0;
    // What a late ConfigureNotify makes SDL ask, and a plain request after it.
    XTranslateCoordinates(display, gone, root, 0, 0, &x, &y, &child);
    XMapWindow(display, gone);
    XSync(display, False);
    EXPECT_EQ(x11::survived_protocol_errors(), before + 2);
    XCloseDisplay(display);
}

} // namespace
