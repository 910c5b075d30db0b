// What every registry, shell and process backend must do alike.
#include "tests/contract/system_contract.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/cp1252.h"

namespace zebo::contract {
namespace {

class SystemContract : public ::testing::Test {
 protected:
  void SetUp() override { s_ = MakeSystemUnderTest(); }
  SystemUnderTest s_;
};

constexpr RegistryRoot HKLM = RegistryRoot::LocalMachine;

TEST_F(SystemContract, RegistryEnumeratesSubkeysAndReadsStrings) {
  Registry& r = *s_.registry;
  EXPECT_EQ(r.EnumerateSubkey(HKLM, s_.registryKey, 0), "First");
  EXPECT_EQ(r.EnumerateSubkey(HKLM, s_.registryKey + "\\", 1), "Second");
  EXPECT_EQ(r.EnumerateSubkey(HKLM, s_.registryKey, 2), "");
  EXPECT_EQ(r.EnumerateSubkey(HKLM, s_.registryKey + "\\Missing", 0), "");
  const std::string second = s_.registryKey + "\\Second";
  EXPECT_EQ(r.ReadString(HKLM, second, "Target"), "C:\\Jaws \xE9t\xE9\\");
  EXPECT_EQ(r.ReadString(HKLM, LowerCase(second), "TARGET"), "C:\\Jaws \xE9t\xE9\\");
  EXPECT_EQ(r.ReadString(HKLM, second, "Missing"), "");
  EXPECT_EQ(r.ReadString(HKLM, s_.registryKey + "\\First", "Target"), "");
  EXPECT_EQ(r.ReadString(RegistryRoot::CurrentUser, second, "Target"), "");
}

TEST_F(SystemContract, SpecialFoldersEndWithABackslash) {
  for (const auto folder : {SpecialFolder::UserAppData, SpecialFolder::AllUsersAppData,
                            SpecialFolder::Profile, SpecialFolder::Documents}) {
    const std::string path = s_.shell->SpecialFolderPath(folder);
    ASSERT_GE(path.size(), 4u) << static_cast<int>(folder);
    EXPECT_EQ(path[1], ':') << path;
    EXPECT_EQ(path.back(), '\\') << path;
    EXPECT_NE(path[path.size() - 2], '\\') << path;
  }
}

TEST_F(SystemContract, AnEndedProgramGivesItsExitCode) {
  Processes& p = *s_.processes;
  EXPECT_EQ(p.VersionClass(), WindowsVersionClass::Nt6OrLater);
  EXPECT_EQ(p.Start(s_.missingProgram, "", "", WindowMode::Hidden), 0u);
  const uint32_t run = p.Start(s_.endingProgram, s_.endingArguments, "", WindowMode::Hidden);
  ASSERT_NE(run, 0u);
  EXPECT_TRUE(p.Wait(run, 30000));
  EXPECT_EQ(p.ExitCode(run), 1u);
  p.Release(run);
}

TEST_F(SystemContract, ARunningProgramIsListedWithItsPathUntilItIsStopped) {
  Processes& p = *s_.processes;
  const uint32_t run = p.Start(s_.stayingProgram, "", "", WindowMode::Hidden);
  ASSERT_NE(run, 0u);
  const std::string name = LowerCase(s_.stayingProgram.substr(s_.stayingProgram.rfind('\\') + 1));
  auto listed = [&] {
    const auto all = p.Snapshot();
    return std::any_of(all.begin(), all.end(), [&](const ProcessEntry& e) {
      return e.id == run && LowerCase(e.exeName) == name;
    });
  };
  EXPECT_TRUE(listed());
  EXPECT_EQ(LowerCase(p.ExecutablePath(run)), LowerCase(s_.stayingProgram));
  EXPECT_FALSE(p.Wait(run, 200));
  EXPECT_EQ(p.ExitCode(run), 259u);  // still active

  const uint32_t stop = p.Start(s_.stopProgram, "", "", WindowMode::Shown);
  ASSERT_NE(stop, 0u);
  EXPECT_TRUE(p.Wait(stop, 30000));
  EXPECT_EQ(p.ExitCode(stop), 0u);
  p.Release(stop);
  EXPECT_TRUE(p.Wait(run, 30000));
  p.Release(run);
  EXPECT_FALSE(listed());
  EXPECT_EQ(p.ExecutablePath(0), "");
}

}  // namespace
}  // namespace zebo::contract
