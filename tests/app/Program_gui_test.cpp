// The built program itself, started as a user starts it: a process of its own on the X server.

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "tests/support/GuiHarness.h"

// Last: Xlib's macros (None, Bool, Status) must not reach the headers above.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

using namespace luvo::test;

class XConnection {
  public:
    XConnection() : display_(XOpenDisplay(nullptr)) {}
    ~XConnection() {
        if (display_ != nullptr) XCloseDisplay(display_);
    }
    Display* get() const { return display_; }

  private:
    Display* display_;
};

long WindowPid(Display* d, Window w) {
    const Atom pidAtom = XInternAtom(d, "_NET_WM_PID", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(d, w, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                           &data) == Success &&
        data != nullptr && count == 1 && format == 32) {
        pid = *reinterpret_cast<long*>(data);
    }
    if (data != nullptr) XFree(data);
    return pid;
}

std::string WindowTitle(Display* d, Window w) {
    char* name = nullptr;
    std::string title;
    if (XFetchName(d, w, &name) && name != nullptr) title = name;
    if (name != nullptr) XFree(name);
    return title;
}

// The shown top-level window of process `pid` with this title; 0 when there is none.
Window FindShownWindow(Display* d, long pid, const std::string& title) {
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &count)) {
        for (unsigned int k = 0; k < count && found == 0; ++k) {
            XWindowAttributes attributes;
            if (WindowPid(d, children[k]) == pid && WindowTitle(d, children[k]) == title &&
                XGetWindowAttributes(d, children[k], &attributes) &&
                attributes.map_state == IsViewable) {
                found = children[k];
            }
        }
    }
    if (children != nullptr) XFree(children);
    return found;
}

// What a window manager sends when the user clicks a window's close button.
void AskToClose(Display* d, Window w) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = w;
    event.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, w, False, NoEventMask, &event);
    XFlush(d);
}

template <class Condition>
bool Poll(Condition condition, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) return condition();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

class ScreenProgram : public GuiTest {};

TEST_F(ScreenProgram, StartsWithItsMainWindowAndExitsWithZeroWhenItIsClosed) {
    XConnection x;
    ASSERT_NE(x.get(), nullptr);
    // The program writes a failed check of the toolkit to standard error: none may appear.
    const std::string errors = dir().file("stderr.txt");
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        const int fd = open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fd >= 0) dup2(fd, 2);
        execl(LUVO_PROGRAM, "luvo", static_cast<char*>(nullptr));
        _exit(127);
    }
    Window main = 0;
    const bool shown =
        Poll([&] { return (main = FindShownWindow(x.get(), pid, " Luvo 4.1")) != 0; },
             std::chrono::seconds(20));
    EXPECT_TRUE(shown) << "no main window of the program";
    if (shown) AskToClose(x.get(), main);

    int status = 0;
    const bool ended =
        Poll([&] { return waitpid(pid, &status, WNOHANG) == pid; }, std::chrono::seconds(20));
    if (!ended) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }
    ASSERT_TRUE(ended) << "the program did not end after its main window was closed";
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    const std::string written = ReadFileBytes(errors);
    EXPECT_EQ(written.find("failed check"), std::string::npos) << written;
}

}  // namespace
