// Another process for the named-lock tests on Windows: "exists NAME" exits with 1 when the name
// is held, 0 when not; "hold NAME" takes the name, prints "y" when it owns it ("n" when not) and
// waits until it is killed.
#include <windows.h>

#include <cstdio>
#include <string>

#include "gui/platform/named_lock.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        return 2;
    }
    const std::string command = argv[1];
    if (command == "exists") {
        return tagforge::NamedLock::Exists(argv[2]) ? 1 : 0;
    }
    if (command != "hold") {
        return 2;
    }
    tagforge::NamedLock lock;
    const bool owned = lock.Create(argv[2]) && lock.owned();
    std::fputs(owned ? "y" : "n", stdout);
    std::fflush(stdout);
    ::Sleep(INFINITE);
    return 0;
}
