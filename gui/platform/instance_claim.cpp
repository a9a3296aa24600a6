#include "gui/platform/instance_claim.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <string>
#include <system_error>
#include <thread>
#include <utility>

#include "gui/platform/abstract_address.h"

namespace tagforge {
namespace {

using Clock = std::chrono::steady_clock;

constexpr std::string_view kNamePrefix = "tagforge-instance:";
constexpr std::string_view kKnock = "show\n";
constexpr std::string_view kShownReply = "shown\n";
constexpr std::string_view kNotNowReply = "wait\n";
// Knocks wait in this queue while the holder is busy; more starts than this retry.
constexpr int kBacklog = 16;
// A knocking start writes at once; a peer that does not is not worth waiting for longer.
constexpr int kKnockReadMs = 500;
constexpr auto kRetryPause = std::chrono::milliseconds(50);

// CLOEXEC so programs we start do not inherit the name and keep it alive after we end.
int OpenSocket() {
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
}

bool SetNonBlocking(int fd) {
    const int flags = ::fcntl(fd, F_GETFL);
    return flags >= 0 && ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0;
}

// Whether the process at the other end runs as the same user as this one.
bool PeerIsThisUser(int fd) {
    ucred peer{};
    socklen_t size = sizeof(peer);
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::geteuid();
}

bool SendAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t sent = ::send(fd, text.data(), text.size(), MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR) {
            continue;
        }
        if (sent <= 0) {
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
}

// One line from a non-blocking socket, read until `deadline`; empty when none came whole.
std::string ReadLine(int fd, Clock::time_point deadline) {
    std::string line;
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            return {};
        }
        pollfd waiting{fd, POLLIN, 0};
        const int ready = ::poll(&waiting, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            return {};
        }
        char buffer[16];
        const ssize_t got = ::recv(fd, buffer, sizeof(buffer), 0);
        if (got < 0 && (errno == EINTR || errno == EAGAIN)) {
            continue;
        }
        if (got <= 0) {
            return {};
        }
        line.append(buffer, static_cast<std::size_t>(got));
        if (line.back() == '\n') {
            return line;
        }
        if (line.size() > kShownReply.size()) {
            return {};
        }
    }
}

enum class KnockResult { kShown, kTryAgain, kStranger };

// Knocks at the holder of `address` with the unbound socket `fd`, which it closes.
KnockResult Knock(int fd, const AbstractAddress& address, Clock::time_point deadline) {
    KnockResult result = KnockResult::kTryAgain;
    // Non-blocking, so a holder with a full queue makes us retry instead of hang.
    if (SetNonBlocking(fd) && ::connect(fd, address.get(), address.size) == 0) {
        if (!PeerIsThisUser(fd)) {
            result = KnockResult::kStranger;
        } else if (SendAll(fd, kKnock) && ReadLine(fd, deadline) == kShownReply) {
            result = KnockResult::kShown;
        }
    }
    // Refused (bound but not yet listening, or just gone), "not now", or hung up: try again.
    ::close(fd);
    return result;
}

std::uint64_t Fnv1a(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char byte : bytes) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 1099511628211ULL;
    }
    return hash;
}

}  // namespace

InstanceClaim::~InstanceClaim() {
    release();
}

InstanceClaim::InstanceClaim(InstanceClaim&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), outcome_(other.outcome_) {}

InstanceClaim& InstanceClaim::operator=(InstanceClaim&& other) noexcept {
    if (this != &other) {
        release();
        fd_ = std::exchange(other.fd_, -1);
        outcome_ = other.outcome_;
    }
    return *this;
}

InstanceClaim InstanceClaim::Claim(std::string_view name, std::chrono::milliseconds patience) {
    const AbstractAddress address = MakeAbstractAddress(name);
    const Clock::time_point deadline = Clock::now() + patience;
    InstanceClaim claim;
    for (;;) {
        const int fd = OpenSocket();
        if (fd < 0) {
            return claim;
        }
        if (::bind(fd, address.get(), address.size) == 0) {
            if (::listen(fd, kBacklog) == 0 && SetNonBlocking(fd)) {
                claim.fd_ = fd;
                claim.outcome_ = Outcome::kClaimed;
            } else {
                ::close(fd);
            }
            return claim;
        }
        if (errno != EADDRINUSE) {
            ::close(fd);
            return claim;
        }
        switch (Knock(fd, address, deadline)) {
            case KnockResult::kShown:
                claim.outcome_ = Outcome::kHandedOver;
                return claim;
            case KnockResult::kStranger:
                return claim;
            case KnockResult::kTryAgain:
                break;
        }
        if (Clock::now() >= deadline) {
            claim.outcome_ = Outcome::kUnanswered;
            return claim;
        }
        std::this_thread::sleep_for(kRetryPause);
    }
}

// Not const: answering takes the knock off the socket and writes to the knocking start.
bool InstanceClaim::answerKnock(Answer answer) {  // NOLINT(readability-make-member-function-const)
    if (fd_ < 0) {
        return false;
    }
    const int client = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (client < 0) {
        return false;
    }
    const bool knocked =
        PeerIsThisUser(client) &&
        ReadLine(client, Clock::now() + std::chrono::milliseconds(kKnockReadMs)) == kKnock;
    if (knocked) {
        SendAll(client, answer == Answer::kShown ? kShownReply : kNotNowReply);
    }
    ::close(client);
    return knocked;
}

void InstanceClaim::release() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    fd_ = -1;
}

std::string InstanceName(const std::filesystem::path& dataFolder) {
    std::error_code error;
    std::filesystem::path folder = std::filesystem::weakly_canonical(dataFolder, error);
    if (error) {
        folder = std::filesystem::absolute(dataFolder, error).lexically_normal();
    }
    static constexpr char kHex[] = "0123456789abcdef";
    std::uint64_t hash = Fnv1a(folder.string());
    std::string digits(16, '0');
    for (auto it = digits.rbegin(); it != digits.rend(); ++it, hash >>= 4) {
        *it = kHex[hash & 0xF];
    }
    return std::string(kNamePrefix) + std::to_string(::geteuid()) + ':' + digits;
}

}  // namespace tagforge
