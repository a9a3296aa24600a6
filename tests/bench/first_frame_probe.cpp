// Starts a program and measures how long it takes until its window shows its first painted frame
// on the X display, then leaves the program running for the caller to measure further:
//   first_frame_probe TITLE PROGRAM [ARGUMENTS...]
// prints "<process id> <milliseconds>". A window counts as painted once a pixel of its middle row
// differs from black: the window has no background of its own, so until it paints, it shows the
// virtual display's black.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

extern char** environ;

namespace {

// A window that goes away between two requests is no error here.
int IgnoreErrors(Display*, XErrorEvent*) {
    return 0;
}

bool HasTitle(Display* display, Window window, const char* title) {
    char* name = nullptr;
    if (XFetchName(display, window, &name) == 0 || name == nullptr) {
        return false;
    }
    const bool found = std::strstr(name, title) != nullptr;
    XFree(name);
    return found;
}

Window ShownWindow(Display* display, const char* title) {
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) == 0) {
        return 0;
    }
    Window found = 0;
    for (unsigned int i = 0; i < count && found == 0; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, children[i], &attributes) != 0 &&
            attributes.map_state == IsViewable && HasTitle(display, children[i], title)) {
            found = children[i];
        }
    }
    XFree(children);
    return found;
}

bool Painted(Display* display, Window window) {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, window, &attributes) == 0 || attributes.width < 1) {
        return false;
    }
    XImage* row = XGetImage(display, window, 0, attributes.height / 2,
                            static_cast<unsigned int>(attributes.width), 1, AllPlanes, ZPixmap);
    if (row == nullptr) {
        return false;
    }
    bool painted = false;
    for (int x = 0; x < attributes.width && !painted; ++x) {
        painted = XGetPixel(row, x, 0) != 0;
    }
    XDestroyImage(row);
    return painted;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: first_frame_probe TITLE PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "first_frame_probe: no display\n");
        return 2;
    }
    XSetErrorHandler(IgnoreErrors);
    const auto started = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        // The program's own output would mix with the figures.
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        execve(argv[2], argv + 2, environ);
        _exit(127);
    }
    const auto deadline = started + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < deadline) {
        const Window window = ShownWindow(display, argv[1]);
        if (window != 0 && Painted(display, window)) {
            const std::chrono::duration<double, std::milli> elapsed =
                std::chrono::steady_clock::now() - started;
            std::printf("%d %.1f\n", static_cast<int>(child), elapsed.count());
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    std::fprintf(stderr, "first_frame_probe: no painted window within 60 s\n");
    std::printf("%d -\n", static_cast<int>(child));
    return 1;
}
