#include <filesystem>

#include "tests/startup/StartupFixture.h"

namespace pwk::test {
namespace {

namespace fs = std::filesystem;

using MainLogSettings = StartupFixture;

TEST_F(MainLogSettings, StoredSettingsWin) {
    store.SaveSetting("Parleywick", "Logging", "LogPath", "D:\\Logs");
    store.SaveSetting("Parleywick", "Logging", "LogFilename", "Wick.log");
    MStartup::Main(component);
    EXPECT_EQ(Library()->LogPath(), "D:\\Logs");
    EXPECT_EQ(Library()->LogFilename(), "Wick.log");
    EXPECT_TRUE(fs::exists(platform.NativePath("D:\\Logs\\Wick.log")));
    EXPECT_EQ(fileUtility->DefaultFolderCalls(), 0);
}

TEST_F(MainLogSettings, EmptyStoredValuesCountAsAbsent) {
    store.SaveSetting("Parleywick", "Logging", "LogPath", "");
    store.SaveSetting("Parleywick", "Logging", "LogFilename", "");
    MStartup::Main(component);
    EXPECT_EQ(Library()->LogPath(), "C:\\Documents and Settings\\pat\\Parleywick");
    EXPECT_EQ(Library()->LogFilename(), "PWK");
}

TEST_F(MainLogSettings, WithNoFolderAnywhereTheComponentsOwnFolderIsUsed) {
    fileUtility->SetDefaultFolder("");
    MStartup::Main(component);
    EXPECT_EQ(Library()->LogPath(), "C:\\Program Files\\Parleywick\\");
    EXPECT_TRUE(fs::exists(platform.NativePath("C:\\Program Files\\Parleywick\\PWK")));
}

TEST_F(MainLogSettings, FailingReadsAreIgnored) {
    platform.Factories().Unregister(FileUtilityProgID);
    store.SaveSetting("Parleywick", "Logging", "LogFilename", "Kept");
    store.FailNextOperation(5);  // the read of LogPath
    MStartup::Main(component);
    ASSERT_TRUE(component.ErrorFrameworkStarted);
    EXPECT_EQ(Library()->LogPath(), "C:\\Program Files\\Parleywick\\");
    EXPECT_EQ(Library()->LogFilename(), "Kept");
}

TEST_F(MainLogSettings, NoSettingsStoreAndAFailingFileUtilityStillStart) {
    sim::ScriptedPlatform bare;
    RegisterKeelson(bare.Factories(), bare);
    fileUtility->FailDefaultFolder(5);
    bare.Factories().Register(FileUtilityProgID, [this] { return fileUtility; });
    Component alone(bare);
    MStartup::Main(alone);
    ASSERT_TRUE(alone.ErrorFrameworkStarted);
    EXPECT_EQ(alone.Errors().LogPath(), "C:\\Program Files\\Parleywick\\");
    EXPECT_EQ(alone.Errors().LogFilename(), "PWK");
}

}  // namespace
}  // namespace pwk::test
