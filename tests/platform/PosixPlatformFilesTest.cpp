#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "posix/PosixPlatform.h"
#include "src/util/Failure.h"
#include "store/MemorySettingsStore.h"
#include "tests/support/TempFolder.h"

namespace pwk {
namespace {

using ::testing::HasSubstr;
namespace fs = std::filesystem;

class PosixPlatformFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(folder / "C/Logs");
        Write("C/Logs/PWK.log", "log text");
    }

    void Write(const std::string& relative, const std::string& text) {
        std::ofstream(folder / relative) << text;
    }
    std::string Read(const std::string& relative) {
        std::ifstream in(folder / relative);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // The failure `action` raises; fails the test when it raises none.
    template <typename Action>
    Failure FailureOf(Action action) {
        try {
            action();
        } catch (const Failure& failure) {
            return failure;
        }
        ADD_FAILURE() << "no failure";
        return Failure(0, "");
    }

    test::TempFolder folder;
    MemorySettingsStore settings;
    PosixPlatform platform{settings, {folder.Path(), std::string("")}};
};

TEST_F(PosixPlatformFiles, HostPathsLiveUnderTheDrivesRoot) {
    EXPECT_EQ(platform.NativePath("c:\\Logs\\PWK.log"), folder / "C/Logs/PWK.log");
    EXPECT_EQ(platform.NativePath("\\\\server\\share\\x"), folder / "UNC/server/share/x");
}

TEST_F(PosixPlatformFiles, NativePathsStayAsTheyAre) {
    // The default log folder is native and gets a "\" before the file name appended.
    EXPECT_EQ(platform.NativePath("/home/u/.local/state/parleywick/\\PWK"),
              "/home/u/.local/state/parleywick/PWK");
    EXPECT_EQ(platform.NativePath("/var//log/"), "/var/log/");
}

TEST_F(PosixPlatformFiles, CopyReplacesTheDestination) {
    Write("C/Logs/backup.log", "old");
    platform.FileCopy("C:\\Logs\\PWK.log", "C:\\Logs\\backup.log");
    EXPECT_EQ(Read("C/Logs/backup.log"), "log text");
    EXPECT_EQ(Read("C/Logs/PWK.log"), "log text");
}

TEST_F(PosixPlatformFiles, CopyFailuresCarryTheClassicNumbers) {
    fs::create_directories(folder / "C/Folder");
    const Failure missing =
        FailureOf([&] { platform.FileCopy("C:\\Logs\\none.log", "C:\\Logs\\x.log"); });
    EXPECT_EQ(missing.Number, FailureNumber::FileNotFound);
    EXPECT_THAT(missing.Description, HasSubstr(folder / "C/Logs/none.log"));
    EXPECT_EQ(FailureOf([&] { platform.FileCopy("C:\\None\\a.log", "C:\\Logs\\x.log"); }).Number,
              FailureNumber::PathNotFound);
    EXPECT_EQ(FailureOf([&] { platform.FileCopy("C:\\Logs\\PWK.log", "C:\\None\\x.log"); }).Number,
              FailureNumber::PathNotFound);
    EXPECT_EQ(FailureOf([&] { platform.FileCopy("C:\\Logs\\PWK.log", "C:\\Folder"); }).Number,
              FailureNumber::PathFileAccessError);
    EXPECT_EQ(FailureOf([&] { platform.FileCopy("C:\\Folder", "C:\\Logs\\x.log"); }).Number,
              FailureNumber::PathFileAccessError);
}

TEST_F(PosixPlatformFiles, CopyingAFileOntoItselfFailsAndKeepsIt) {
    EXPECT_EQ(FailureOf([&] {
                  platform.FileCopy("C:\\Logs\\PWK.log", "c:\\logs\\..\\Logs\\PWK.log");
              }).Number,
              FailureNumber::PathFileAccessError);
    EXPECT_EQ(Read("C/Logs/PWK.log"), "log text");
}

TEST_F(PosixPlatformFiles, CopyIntoAFolderWithoutPermissionFailsWith70) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "file permissions do not bind the superuser";
    }
    fs::create_directories(folder / "C/Locked");
    fs::permissions(folder / "C/Locked", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(FailureOf([&] { platform.FileCopy("C:\\Logs\\PWK.log", "C:\\Locked\\x"); }).Number,
              FailureNumber::PermissionDenied);
}

TEST_F(PosixPlatformFiles, DeleteRemovesTheFile) {
    platform.DeleteFile("C:\\Logs\\PWK.log");
    EXPECT_FALSE(fs::exists(folder / "C/Logs/PWK.log"));
}

TEST_F(PosixPlatformFiles, DeleteFailuresCarryTheClassicNumbers) {
    EXPECT_EQ(FailureOf([&] { platform.DeleteFile("C:\\Logs\\none.log"); }).Number,
              FailureNumber::FileNotFound);
    EXPECT_EQ(FailureOf([&] { platform.DeleteFile("C:\\None\\a.log"); }).Number,
              FailureNumber::PathNotFound);
    EXPECT_EQ(FailureOf([&] { platform.DeleteFile("C:\\Logs"); }).Number,
              FailureNumber::PathFileAccessError);
    EXPECT_TRUE(fs::is_directory(folder / "C/Logs"));
    // Not even the superuser may remove a kernel file.
    const Failure denied = FailureOf([&] { platform.DeleteFile("/proc/version"); });
    EXPECT_EQ(denied.Number, FailureNumber::PermissionDenied);
    EXPECT_THAT(denied.Description, HasSubstr("/proc/version"));
}

}  // namespace
}  // namespace pwk
