#include "gui/platform/instance_claim.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "gui/platform/abstract_address.h"

namespace tagforge {
namespace {

using std::chrono::milliseconds;
using Outcome = InstanceClaim::Outcome;
using Answer = InstanceClaim::Answer;

constexpr milliseconds kPatience{5000};
constexpr uid_t kNobody = 65534;

// Unique per process and test, so parallel test runs never share a name.
std::string TestName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return "test-" + std::to_string(::getpid()) + "-" + info->name();
}

char Letter(Outcome outcome) {
    switch (outcome) {
        case Outcome::kClaimed:
            return 'C';
        case Outcome::kHandedOver:
            return 'H';
        case Outcome::kUnanswered:
            return 'U';
        case Outcome::kUnguarded:
            return 'G';
    }
    return '?';
}

// A forked process that claims the name (as `user` when given) and answers every knock with
// `answer`, writing 'k' to the parent for each knock it took, until it is killed.
class Holder {
  public:
    Holder(const std::string& name, Answer answer, uid_t user = ::geteuid()) {
        int pipeFds[2];
        if (::pipe(pipeFds) != 0) {
            return;
        }
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(pipeFds[0]);
            if (user != ::geteuid() && ::setuid(user) != 0) {
                ::_exit(2);
            }
            InstanceClaim claim = InstanceClaim::Claim(name, milliseconds(0));
            const char outcome = Letter(claim.outcome());
            if (::write(pipeFds[1], &outcome, 1) != 1 || claim.outcome() != Outcome::kClaimed) {
                ::_exit(1);
            }
            for (;;) {
                pollfd knock{claim.descriptor(), POLLIN, 0};
                if (::poll(&knock, 1, -1) == 1 && claim.answerKnock(answer)) {
                    const char took = 'k';
                    [[maybe_unused]] const ssize_t written = ::write(pipeFds[1], &took, 1);
                }
            }
        }
        ::close(pipeFds[1]);
        reports_ = pipeFds[0];
        char outcome = '?';
        claimed_ = pid_ > 0 && ::read(reports_, &outcome, 1) == 1 && outcome == 'C';
    }
    ~Holder() {
        Kill();
        if (reports_ >= 0) {
            ::close(reports_);
        }
    }
    Holder(const Holder&) = delete;
    Holder& operator=(const Holder&) = delete;

    bool claimed() const { return claimed_; }

    // Waits for the report of one answered knock.
    bool tookAKnock() const {
        pollfd report{reports_, POLLIN, 0};
        char took = 0;
        return ::poll(&report, 1, 5000) == 1 && ::read(reports_, &took, 1) == 1 && took == 'k';
    }

    void Kill() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        pid_ = -1;
    }

  private:
    pid_t pid_ = -1;
    int reports_ = -1;
    bool claimed_ = false;
};

// How a later start fares against what holds the name.
struct LaterStart {
    const char* holder;
    Outcome expected;
    milliseconds patience;
};

class InstanceClaimLaterStart : public ::testing::TestWithParam<LaterStart> {};

TEST_P(InstanceClaimLaterStart, EndsAsTheHolderAnswers) {
    const std::string name = TestName();
    const std::string holder = GetParam().holder;
    std::vector<int> keep;
    std::unique_ptr<Holder> child;
    if (holder == "answering copy") {
        child = std::make_unique<Holder>(name, Answer::kShown);
    } else if (holder == "copy starting or ending") {
        child = std::make_unique<Holder>(name, Answer::kNotNow);
    } else if (holder == "another user's copy") {
        child = std::make_unique<Holder>(name, Answer::kShown, kNobody);
    } else if (holder == "killed copy") {
        child = std::make_unique<Holder>(name, Answer::kShown);
        child->Kill();
    } else if (holder == "bound but never listening") {
        // A start caught between taking the name and listening on it, for good.
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const AbstractAddress address = MakeAbstractAddress(name);
        ASSERT_EQ(::bind(fd, address.get(), address.size), 0);
        keep.push_back(fd);
    }
    ASSERT_TRUE(!child || holder == "killed copy" || child->claimed()) << holder;

    const InstanceClaim later = InstanceClaim::Claim(name, GetParam().patience);
    EXPECT_EQ(Letter(later.outcome()), Letter(GetParam().expected)) << holder;
    EXPECT_EQ(later.descriptor() >= 0, GetParam().expected == Outcome::kClaimed) << holder;
    if (holder == "answering copy") {
        EXPECT_TRUE(child->tookAKnock());
    }
    for (const int fd : keep) {
        ::close(fd);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Holders, InstanceClaimLaterStart,
    ::testing::Values(
        LaterStart{"nothing", Outcome::kClaimed, kPatience},
        LaterStart{"answering copy", Outcome::kHandedOver, kPatience},
        LaterStart{"copy starting or ending", Outcome::kUnanswered, milliseconds(300)},
        LaterStart{"bound but never listening", Outcome::kUnanswered, milliseconds(300)},
        LaterStart{"another user's copy", Outcome::kUnguarded, kPatience},
        LaterStart{"killed copy", Outcome::kClaimed, kPatience}),
    [](const ::testing::TestParamInfo<LaterStart>& row) {
        std::string name = row.param.holder;
        std::replace_if(
            name.begin(), name.end(),
            [](char c) { return std::isalnum(static_cast<unsigned char>(c)) == 0; }, '_');
        return name;
    });

TEST(InstanceClaim, ReleasedNameIsClaimedByTheNextStart) {
    InstanceClaim first = InstanceClaim::Claim(TestName(), kPatience);
    ASSERT_EQ(first.outcome(), Outcome::kClaimed);
    first.release();
    EXPECT_EQ(first.descriptor(), -1);
    EXPECT_EQ(InstanceClaim::Claim(TestName(), kPatience).outcome(), Outcome::kClaimed);
}

TEST(InstanceClaim, KnocksOfStrangersAndEmptyQueuesAreNotTaken) {
    InstanceClaim claim = InstanceClaim::Claim(TestName(), kPatience);
    ASSERT_EQ(claim.outcome(), Outcome::kClaimed);
    EXPECT_FALSE(claim.answerKnock(Answer::kShown));

    const std::string name = TestName();
    const pid_t stranger = ::fork();
    if (stranger == 0) {
        if (::setuid(kNobody) != 0) {
            ::_exit(2);
        }
        ::_exit(Letter(InstanceClaim::Claim(name, kPatience).outcome()));
    }
    pollfd knock{claim.descriptor(), POLLIN, 0};
    ASSERT_EQ(::poll(&knock, 1, 5000), 1);
    EXPECT_FALSE(claim.answerKnock(Answer::kShown));
    int status = 0;
    ASSERT_EQ(::waitpid(stranger, &status, 0), stranger);
    ASSERT_TRUE(WIFEXITED(status));
    // The stranger learns nothing and runs on its own.
    EXPECT_EQ(WEXITSTATUS(status), 'G');
}

// Several starts at the same moment: exactly one claims the name, the others hand over to it.
TEST(InstanceClaim, OfStartsAtOnceExactlyOneClaims) {
    constexpr int kStarts = 6;
    const std::string name = TestName();
    int gate[2];
    int reports[2];
    ASSERT_EQ(::pipe(gate), 0);
    ASSERT_EQ(::pipe(reports), 0);
    std::vector<pid_t> children;
    for (int i = 0; i < kStarts; ++i) {
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(gate[1]);
            char go = 0;
            if (::read(gate[0], &go, 1) != 0) {
                ::_exit(2);
            }
            InstanceClaim claim = InstanceClaim::Claim(name, kPatience);
            const char outcome = Letter(claim.outcome());
            if (::write(reports[1], &outcome, 1) != 1) {
                ::_exit(2);
            }
            while (claim.outcome() == Outcome::kClaimed) {
                pollfd knock{claim.descriptor(), POLLIN, 0};
                if (::poll(&knock, 1, -1) == 1) {
                    claim.answerKnock(Answer::kShown);
                }
            }
            ::_exit(0);
        }
        children.push_back(child);
    }
    // Closing the gate's write end lets every child go at once.
    ::close(gate[0]);
    ::close(gate[1]);
    std::string outcomes;
    for (int i = 0; i < kStarts; ++i) {
        char outcome = '?';
        ASSERT_EQ(::read(reports[0], &outcome, 1), 1);
        outcomes += outcome;
    }
    for (const pid_t child : children) {
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
    }
    ::close(reports[0]);
    ::close(reports[1]);
    std::sort(outcomes.begin(), outcomes.end());
    EXPECT_EQ(outcomes, "C" + std::string(kStarts - 1, 'H'));
}

TEST(InstanceClaim, NameFollowsTheFolderNotTheWayToIt) {
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / TestName();
    fs::create_directories(root / "one");
    fs::create_directories(root / "two");
    fs::create_directory_symlink(root / "one", root / "link");
    EXPECT_EQ(InstanceName(root / "one"), InstanceName(root / "link"));
    EXPECT_EQ(InstanceName(root / "one"), InstanceName(root / "two" / ".." / "one"));
    EXPECT_NE(InstanceName(root / "one"), InstanceName(root / "two"));
    EXPECT_NE(InstanceName(root / "one").find(":" + std::to_string(::geteuid()) + ":"),
              std::string::npos);
    fs::remove_all(root);
}

}  // namespace
}  // namespace tagforge
