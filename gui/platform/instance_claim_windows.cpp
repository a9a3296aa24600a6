#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "core/platform/wide_string.h"
#include "gui/platform/instance_claim.h"

namespace tagforge {

namespace {

constexpr std::string_view kNamePrefix = "tagforge-instance-";

std::uint64_t Fnv1a(std::wstring_view text) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const wchar_t c : text) {
        hash ^= static_cast<std::uint16_t>(c);
        hash *= 1099511628211ULL;
    }
    return hash;
}

}  // namespace

InstanceClaim::~InstanceClaim() {
    release();
}

InstanceClaim::InstanceClaim(InstanceClaim&& other) noexcept
    : mutex_(std::exchange(other.mutex_, nullptr)), outcome_(other.outcome_) {}

InstanceClaim& InstanceClaim::operator=(InstanceClaim&& other) noexcept {
    if (this != &other) {
        release();
        mutex_ = std::exchange(other.mutex_, nullptr);
        outcome_ = other.outcome_;
    }
    return *this;
}

// The name is a mutex in the session's namespace: the system frees it however the holder ends,
// and of two starts at once exactly one creates it.
InstanceClaim InstanceClaim::Claim(std::string_view name, std::chrono::milliseconds /*patience*/) {
    InstanceClaim claim;
    const std::optional<std::wstring> wide = WideFromUtf8(name);
    if (!wide) {
        return claim;
    }
    HANDLE mutex = ::CreateMutexW(nullptr, FALSE, (L"Local\\" + *wide).c_str());
    if (mutex == nullptr) {
        return claim;  // unguarded
    }
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(mutex);
        claim.outcome_ = Outcome::kUnanswered;
        return claim;
    }
    claim.mutex_ = mutex;
    claim.outcome_ = Outcome::kClaimed;
    return claim;
}

bool InstanceClaim::answerKnock(Answer /*answer*/) {
    return false;
}

void InstanceClaim::release() {
    if (mutex_ != nullptr) {
        ::CloseHandle(mutex_);
    }
    mutex_ = nullptr;
}

std::string InstanceName(const std::filesystem::path& dataFolder) {
    std::error_code error;
    std::filesystem::path folder = std::filesystem::weakly_canonical(dataFolder, error);
    if (error) {
        folder = std::filesystem::absolute(dataFolder, error).lexically_normal();
    }
    // Windows paths name the same folder in any letter case.
    std::wstring text = folder.wstring();
    ::CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    static constexpr char kHex[] = "0123456789abcdef";
    std::uint64_t hash = Fnv1a(text);
    std::string digits(16, '0');
    for (auto it = digits.rbegin(); it != digits.rend(); ++it, hash >>= 4) {
        *it = kHex[hash & 0xF];
    }
    return std::string(kNamePrefix) + digits;
}

}  // namespace tagforge
