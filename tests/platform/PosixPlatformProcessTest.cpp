#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "posix/PosixFileUtility.h"
#include "posix/PosixPlatform.h"
#include "src/util/Failure.h"
#include "src/util/Ref.h"
#include "store/MemorySettingsStore.h"
#include "tests/support/EnvironmentGuard.h"
#include "tests/support/TempFolder.h"

namespace pwk {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;

TEST(PosixPlatformVersion, KernelReleaseGivesMajorMinorAndBuild) {
    const OsVersionInfo info = PosixPlatform::VersionFromUname("Linux", "6.1.0-18-amd64");
    EXPECT_EQ(info.Size, 148u);
    EXPECT_EQ(info.MajorVersion, 6u);
    EXPECT_EQ(info.MinorVersion, 1u);
    EXPECT_EQ(info.BuildNumber, 0u);
    EXPECT_EQ(info.CSDVersion, "Linux 6.1.0-18-amd64");
}

TEST(PosixPlatformVersion, ThePlatformIsNeitherOfTheHostsOwnFamilies) {
    MemorySettingsStore settings;
    PosixPlatform platform(settings, {std::string("/d"), std::string("")});
    const auto info = platform.GetVersionEx();
    ASSERT_TRUE(info.has_value());
    EXPECT_NE(info->PlatformId, 1u);
    EXPECT_NE(info->PlatformId, 2u);
    EXPECT_GT(info->MajorVersion, 0u);
}

TEST(PosixPlatformVersion, OddReleasesGiveWhatTheyHave) {
    const OsVersionInfo shortRelease = PosixPlatform::VersionFromUname("Linux", "5.15");
    EXPECT_EQ(shortRelease.MinorVersion, 15u);
    EXPECT_EQ(shortRelease.BuildNumber, 0u);
    const OsVersionInfo huge = PosixPlatform::VersionFromUname("X", "99999999999.2.3");
    EXPECT_EQ(huge.MajorVersion, UINT32_MAX);
    EXPECT_EQ(huge.MinorVersion, 2u);
    EXPECT_EQ(PosixPlatform::VersionFromUname("X", std::string(300, 'r')).CSDVersion.size(), 127u);
}

TEST(PosixPlatformProcess, CommandLineIsTheProcesssOwnUnlessSet) {
    MemorySettingsStore settings;
    PosixPlatform platform(settings, {std::string("/d"), std::nullopt});
    EXPECT_THAT(platform.CommandLine(), HasSubstr("test_platform"));
    platform.SetCommandLine("OUTLOOK.EXE /TRACE");
    EXPECT_EQ(platform.CommandLine(), "OUTLOOK.EXE /TRACE");
    PosixPlatform given(settings, {std::string("/d"), std::string("host /x")});
    EXPECT_EQ(given.CommandLine(), "host /x");
}

TEST(PosixPlatformProcess, TheComponentsFolderIsTheProgramsOwn) {
    MemorySettingsStore settings;
    PosixPlatform platform(settings, {std::string("/d"), std::string("")});
    EXPECT_EQ(platform.AppPath(),
              std::filesystem::read_symlink("/proc/self/exe").parent_path().string());
}

TEST(PosixPlatformProcess, TheDrivesRootComesFromTheEnvironmentOrTheDataFolder) {
    test::EnvironmentGuard env;
    MemorySettingsStore settings;
    env.Set("PWK_DRIVES", "/mnt/drives");
    EXPECT_EQ(PosixPlatform(settings).DrivesRoot(), "/mnt/drives");
    env.Set("PWK_DRIVES", std::nullopt);
    env.Set("XDG_DATA_HOME", std::nullopt);
    env.Set("HOME", "/home/u");
    EXPECT_EQ(PosixPlatform(settings).DrivesRoot(), "/home/u/.local/share/parleywick/drives");
}

TEST(PosixPlatformObjects, TheFileUtilityIsThereAndOthersAreRegisteredByTheProgram) {
    MemorySettingsStore settings;
    PosixPlatform platform(settings, {std::string("/d"), std::string("")});
    EXPECT_NE(As<FileUtility>(platform.CreateObject(FileUtilityProgID)), nullptr);
    try {
        platform.CreateObject("Keelson.ErrorObject");
        FAIL() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.Number, FailureNumber::CannotCreateObject);
    }
    platform.Factories().Register("Keelson.ErrorObject",
                                  [] { return std::make_shared<AutomationObject>(); });
    EXPECT_NE(platform.CreateObject("Keelson.ErrorObject"), nullptr);
}

TEST(PosixFileUtilityTest, TheDefaultFolderIsTheStateFolderWithATrailingSlash) {
    test::TempFolder folder;
    test::EnvironmentGuard env;
    env.Set("XDG_STATE_HOME", folder.Path());
    std::ostringstream out;
    PosixFileUtility utility(std::make_shared<Terminal>(out, nullptr));
    EXPECT_EQ(utility.DefaultFolder(), folder / "parleywick/");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "parleywick"));
}

TEST(PosixFileUtilityTest, TheChooserReturnsTheAnswerAndAnEmptyAnswerCancels) {
    std::ostringstream out;
    std::istringstream in("/home/u/contract.doc\n\n");
    PosixFileUtility utility(std::make_shared<Terminal>(out, &in));
    EXPECT_EQ(utility.ChooseFile("Link a file"), "/home/u/contract.doc");
    EXPECT_EQ(utility.ChooseFile("Link a file"), std::nullopt);
    EXPECT_EQ(utility.ChooseFile("Link a file"), std::nullopt);  // input has ended
    EXPECT_THAT(out.str(), HasSubstr("Link a file"));
    PosixFileUtility unattended(std::make_shared<Terminal>(out, nullptr));
    EXPECT_EQ(unattended.ChooseFile("Link a file"), std::nullopt);
}

}  // namespace
}  // namespace pwk
