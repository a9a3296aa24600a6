#pragma once

// Windows: another process that looks at or holds a named lock, through the probe program built
// beside the tests (named_lock_probe.exe).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace tagforge {

// Unique per process and test, so parallel test runs never share a name.
inline std::string TestName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return "test-" + std::to_string(::GetCurrentProcessId()) + "-" + info->name();
}

// The probe started with "<command> <name>", its standard output going to `output` when given.
inline PROCESS_INFORMATION StartProbe(const std::string& command, const std::string& name,
                                      HANDLE output) {
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring probe(self);
    probe.resize(probe.find_last_of(L"\\/") + 1);
    probe += L"named_lock_probe.exe";
    // Test names are plain ASCII.
    std::wstring line = L"\"" + probe + L"\" " + std::wstring(command.begin(), command.end()) +
                        L" " + std::wstring(name.begin(), name.end());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (output != nullptr) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = output;
        startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    }
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(probe.c_str(), line.data(), nullptr, nullptr, output != nullptr, 0,
                          nullptr, nullptr, &startup, &process)) {
        process.hProcess = nullptr;
    }
    return process;
}

inline bool ExistsSeenFromAnotherProcess(const std::string& name) {
    const PROCESS_INFORMATION process = StartProbe("exists", name, nullptr);
    if (process.hProcess == nullptr) {
        return false;
    }
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    ::GetExitCodeProcess(process.hProcess, &code);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return code == 1;
}

// A process that holds the name until it is killed.
class HoldingChild {
  public:
    explicit HoldingChild(const std::string& name) {
        SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
        HANDLE readEnd = nullptr;
        HANDLE writeEnd = nullptr;
        if (!::CreatePipe(&readEnd, &writeEnd, &inherit, 0)) {
            return;
        }
        ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
        process_ = StartProbe("hold", name, writeEnd);
        ::CloseHandle(writeEnd);
        char answer = 'n';
        DWORD read = 0;
        holding_ = process_.hProcess != nullptr &&
                   ::ReadFile(readEnd, &answer, 1, &read, nullptr) && read == 1 && answer == 'y';
        ::CloseHandle(readEnd);
    }
    ~HoldingChild() { Kill(); }
    HoldingChild(const HoldingChild&) = delete;
    HoldingChild& operator=(const HoldingChild&) = delete;

    bool holding() const { return holding_; }

    // True when the process was ended and is gone.
    bool Kill() {
        if (process_.hProcess == nullptr) {
            return false;
        }
        ::TerminateProcess(process_.hProcess, 9);
        const bool ended = ::WaitForSingleObject(process_.hProcess, INFINITE) == WAIT_OBJECT_0;
        ::CloseHandle(process_.hThread);
        ::CloseHandle(process_.hProcess);
        process_.hProcess = nullptr;
        return ended;
    }

  private:
    PROCESS_INFORMATION process_{};
    bool holding_ = false;
};

}  // namespace tagforge
