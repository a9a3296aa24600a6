// The Windows claim of a data folder: a named mutex, no knocks.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "gui/platform/instance_claim.h"

namespace tagforge {
namespace {

using Outcome = InstanceClaim::Outcome;
constexpr std::chrono::milliseconds kPatience{100};

std::string TestName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return "test-" + std::to_string(::GetCurrentProcessId()) + "-" + info->name();
}

TEST(WindowsInstanceClaim, OneClaimAtATimeAndFreedWhenReleased) {
    InstanceClaim first = InstanceClaim::Claim(TestName(), kPatience);
    EXPECT_EQ(first.outcome(), Outcome::kClaimed);
    EXPECT_EQ(first.descriptor(), -1);
    EXPECT_EQ(InstanceClaim::Claim(TestName(), kPatience).outcome(), Outcome::kUnanswered);
    InstanceClaim moved = std::move(first);
    EXPECT_EQ(InstanceClaim::Claim(TestName(), kPatience).outcome(), Outcome::kUnanswered);
    moved.release();
    EXPECT_EQ(InstanceClaim::Claim(TestName(), kPatience).outcome(), Outcome::kClaimed);
}

TEST(WindowsInstanceClaim, NameFollowsTheFolderInAnyLetterCase) {
    const std::filesystem::path base = std::filesystem::temp_directory_path() / "TagForge Claim";
    std::filesystem::create_directories(base / "Sub");
    const std::string name = InstanceName(base);
    EXPECT_EQ(InstanceName(std::filesystem::path(base.wstring() + L"\\Sub\\..")), name);
    std::wstring upper = base.wstring();
    ::CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
    EXPECT_EQ(InstanceName(upper), name);
    EXPECT_NE(InstanceName(base / "Sub"), name);
    EXPECT_EQ(name.find('\\'), std::string::npos);
    std::filesystem::remove_all(base);
}

}  // namespace
}  // namespace tagforge
