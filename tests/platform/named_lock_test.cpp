#include "gui/platform/named_lock.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#if defined(_WIN32)
#include "tests/platform/lock_probe_process.h"
#else
#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace tagforge {
namespace {

#if !defined(_WIN32)
// Unique per process and test, so parallel test runs never share a name.
std::string TestName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return "test-" + std::to_string(::getpid()) + "-" + info->name();
}

// Runs `body` in a forked child and returns its exit status (or -1 when it did not exit).
template <typename Body>
int RunInChild(Body body) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(body());
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

bool ExistsSeenFromAnotherProcess(const std::string& name) {
    return RunInChild([&name] { return NamedLock::Exists(name) ? 1 : 0; }) == 1;
}

// A child process that holds the name until it is killed.
class HoldingChild {
  public:
    explicit HoldingChild(const std::string& name) {
        int ready[2];
        if (::pipe(ready) != 0) {
            return;
        }
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(ready[0]);
            NamedLock lock;
            const char answer = lock.Create(name) && lock.owned() ? 'y' : 'n';
            if (::write(ready[1], &answer, 1) != 1) {
                ::_exit(2);
            }
            for (;;) {
                ::pause();
            }
        }
        ::close(ready[1]);
        char answer = 'n';
        holding_ = pid_ > 0 && ::read(ready[0], &answer, 1) == 1 && answer == 'y';
        ::close(ready[0]);
    }
    ~HoldingChild() { Kill(); }
    HoldingChild(const HoldingChild&) = delete;
    HoldingChild& operator=(const HoldingChild&) = delete;

    bool holding() const { return holding_; }

    // True when the child was killed and reaped.
    bool Kill() {
        if (pid_ <= 0) {
            return false;
        }
        ::kill(pid_, SIGKILL);
        int status = 0;
        const bool reaped = ::waitpid(pid_, &status, 0) == pid_;
        pid_ = -1;
        return reaped && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    }

  private:
    pid_t pid_ = -1;
    bool holding_ = false;
};
#endif

TEST(NamedLock, FreeNameDoesNotExist) {
    EXPECT_FALSE(NamedLock::Exists(TestName()));
    EXPECT_FALSE(ExistsSeenFromAnotherProcess(TestName()));
}

TEST(NamedLock, ExistsDoesNotTakeTheName) {
    ASSERT_FALSE(NamedLock::Exists(TestName()));
    NamedLock lock;
    ASSERT_TRUE(lock.Create(TestName()));
    EXPECT_TRUE(lock.owned());
}

TEST(NamedLock, CreateOnAFreeNameOwnsIt) {
    NamedLock lock;
    ASSERT_TRUE(lock.Create(TestName()));
    EXPECT_TRUE(lock.owned());
    EXPECT_TRUE(lock.holdsName());
    EXPECT_TRUE(NamedLock::Exists(TestName()));
    EXPECT_TRUE(ExistsSeenFromAnotherProcess(TestName()));
}

TEST(NamedLock, ReleaseGivesUpOwnershipOnceButKeepsTheName) {
    NamedLock lock;
    ASSERT_TRUE(lock.Create(TestName()));
    EXPECT_TRUE(lock.Release());
    EXPECT_FALSE(lock.owned());
    EXPECT_FALSE(lock.Release());
    EXPECT_TRUE(lock.holdsName());
    EXPECT_TRUE(NamedLock::Exists(TestName()));
    EXPECT_TRUE(ExistsSeenFromAnotherProcess(TestName()));
}

TEST(NamedLock, CreatingAgainGrantsNoNewOwnership) {
    NamedLock lock;
    ASSERT_TRUE(lock.Create(TestName()));
    ASSERT_TRUE(lock.Release());
    EXPECT_TRUE(lock.Create(TestName()));
    EXPECT_FALSE(lock.owned());
    EXPECT_TRUE(lock.holdsName());
}

TEST(NamedLock, SecondLockInTheSameProcessIsNotOwned) {
    NamedLock first;
    ASSERT_TRUE(first.Create(TestName()));
    NamedLock second;
    EXPECT_TRUE(second.Create(TestName()));
    EXPECT_FALSE(second.owned());
    EXPECT_FALSE(second.holdsName());
    EXPECT_FALSE(second.Release());
    EXPECT_TRUE(first.owned());
}

TEST(NamedLock, DestructorFreesTheName) {
    {
        NamedLock lock;
        ASSERT_TRUE(lock.Create(TestName()));
        ASSERT_TRUE(NamedLock::Exists(TestName()));
    }
    EXPECT_FALSE(NamedLock::Exists(TestName()));
    EXPECT_FALSE(ExistsSeenFromAnotherProcess(TestName()));
}

TEST(NamedLock, MovingKeepsTheNameHeldOnce) {
    NamedLock moved;
    {
        NamedLock lock;
        ASSERT_TRUE(lock.Create(TestName()));
        moved = std::move(lock);
        EXPECT_FALSE(lock.holdsName());  // NOLINT(bugprone-use-after-move): moved-from is empty
        EXPECT_FALSE(lock.Release());
    }
    EXPECT_TRUE(moved.owned());
    EXPECT_TRUE(NamedLock::Exists(TestName()));
    NamedLock constructed(std::move(moved));
    EXPECT_TRUE(constructed.owned());
    EXPECT_TRUE(NamedLock::Exists(TestName()));
}

TEST(NamedLock, NameHeldByAnotherProcessIsOpenedWithoutOwnership) {
    HoldingChild child(TestName());
    ASSERT_TRUE(child.holding());
    EXPECT_TRUE(NamedLock::Exists(TestName()));
    NamedLock lock;
    EXPECT_TRUE(lock.Create(TestName()));
    EXPECT_FALSE(lock.owned());
    EXPECT_FALSE(lock.holdsName());
    EXPECT_FALSE(lock.Release());
}

TEST(NamedLock, KilledHolderLeavesTheNameFree) {
    HoldingChild child(TestName());
    ASSERT_TRUE(child.holding());
    ASSERT_TRUE(NamedLock::Exists(TestName()));
    ASSERT_TRUE(child.Kill());
    EXPECT_FALSE(NamedLock::Exists(TestName()));
    NamedLock lock;
    EXPECT_TRUE(lock.Create(TestName()));
    EXPECT_TRUE(lock.owned());
}

#if !defined(_WIN32)
// Windows handles are not inherited unless asked for; only a forked child shares descriptors.
TEST(NamedLock, ProgramsStartedByTheHolderDoNotInheritTheName) {
    NamedLock lock;
    ASSERT_TRUE(lock.Create(TestName()));
    // The child replaces itself with a program that outlives our release of the name.
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(ready[0]);
        ::dup2(ready[1], STDOUT_FILENO);
        ::execlp("sh", "sh", "-c", "echo started; exec sleep 30", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(ready[1]);
    char buffer[8] = {};
    const bool started = ::read(ready[0], buffer, sizeof buffer) > 0;
    ::close(ready[0]);
    lock = NamedLock();
    const bool stillTaken = NamedLock::Exists(TestName());
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ASSERT_TRUE(started);
    EXPECT_FALSE(stillTaken);
}
#endif

}  // namespace
}  // namespace tagforge
