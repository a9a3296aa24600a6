#pragma once

#include <string>
#include <string_view>

namespace tagforge {

// A name shared by every process of the machine: a named mutex on Windows. Elsewhere the name
// lives in Linux's abstract socket namespace: binding a socket to it takes the name, and the kernel
// gives it back as soon as the holding process ends, however it ends (a killed process leaves
// nothing stale behind). Nothing here ever waits.
class NamedLock {
  public:
    NamedLock() = default;
    ~NamedLock();

    NamedLock(const NamedLock&) = delete;
    NamedLock& operator=(const NamedLock&) = delete;
    NamedLock(NamedLock&& other) noexcept;
    NamedLock& operator=(NamedLock&& other) noexcept;

    // True while some process holds the name.
    static bool Exists(std::string_view name);

    // Opens the name asking for initial ownership. Ownership is granted only when the name was
    // free; when it is already held (here or elsewhere) the call still succeeds without it.
    // False only when no handle could be made at all.
    bool Create(std::string_view name);

    // Gives up ownership; false when this object did not own the lock. The name itself stays
    // taken until the object is destroyed or the process ends.
    bool Release();

    bool owned() const { return owned_; }
    bool holdsName() const { return holdsName_; }

  private:
    void Close();

#if defined(_WIN32)
    void* handle_ = nullptr;  // the mutex's HANDLE
#else
    int fd_ = -1;
#endif
    std::string name_;
    bool holdsName_ = false;
    bool owned_ = false;
};

}  // namespace tagforge
