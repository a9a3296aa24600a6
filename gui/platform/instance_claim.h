#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

namespace tagforge {

// One running copy of the program per user and data folder. The first start claims a name made
// from the folder and listens on it; a later start finds the name taken and knocks: it asks the
// holder to bring its window forward and waits for the answer. The name lives in Linux's abstract
// socket namespace, so the kernel frees it however the holder ends (a crash leaves nothing
// stale), and taking it is atomic, so of two starts at once exactly one claims it.
class InstanceClaim {
  public:
    enum class Outcome {
        // This process holds the name; knocks arrive on descriptor().
        kClaimed,
        // The holder answered that it brought its window forward.
        kHandedOver,
        // The holder kept saying "not now" (it is starting or ending) or said nothing at all.
        kUnanswered,
        // The name could not be used (held by another user, or no socket); run without it.
        kUnguarded,
    };

    // The holder's answers to a knock.
    enum class Answer { kShown, kNotNow };

    InstanceClaim() = default;
    ~InstanceClaim();
    InstanceClaim(const InstanceClaim&) = delete;
    InstanceClaim& operator=(const InstanceClaim&) = delete;
    InstanceClaim(InstanceClaim&& other) noexcept;
    InstanceClaim& operator=(InstanceClaim&& other) noexcept;

    // Claims `name`, or knocks at its holder until it answers "shown" or `patience` runs out.
    static InstanceClaim Claim(std::string_view name, std::chrono::milliseconds patience);

    Outcome outcome() const { return outcome_; }
    // While claimed: the listening descriptor, readable when a later start knocks; else -1.
    // Windows has no knocks yet (always -1): a later start there finds the name held and is
    // told that a copy is running.
#if defined(_WIN32)
    int descriptor() const {
        return -1;
    }
#else
    int descriptor() const {
        return fd_;
    }
#endif

    // Takes one waiting knock and gives it `answer`. True when it was a knock of this user's
    // asking to be shown; false for nothing waiting, a stranger or a garbled knock.
    bool answerKnock(Answer answer);

    // Gives the name up at once, so a start that knocks now claims it instead.
    void release();

  private:
#if defined(_WIN32)
    void* mutex_ = nullptr;  // the HANDLE of the named mutex that holds the name
#else
    int fd_ = -1;
#endif
    Outcome outcome_ = Outcome::kUnguarded;
};

// The claim's name for a data folder: the same for every path that leads to the folder, and
// different for each user.
std::string InstanceName(const std::filesystem::path& dataFolder);

}  // namespace tagforge
