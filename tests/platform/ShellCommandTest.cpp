#include "posix/ShellCommand.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "posix/PosixPlatform.h"
#include "store/MemorySettingsStore.h"
#include "tests/support/EnvironmentGuard.h"
#include "tests/support/TempFolder.h"

namespace pwk {
namespace {

std::string Mapped(const std::string& path) {
    return "/drives/" + path;
}

class ShellCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        env.Set("VISUAL", "vis --wait");
        env.Set("EDITOR", "ed");
    }
    test::EnvironmentGuard env;
};

TEST_F(ShellCommandTest, NotepadOpensTheNativeFileInTheVisualEditor) {
    EXPECT_EQ(ShellCommand::ForCommandLine("Notepad.exe C:\\Logs\\PWK.log", Mapped),
              "vis --wait '/drives/C:\\Logs\\PWK.log'");
}

TEST_F(ShellCommandTest, TheEditorFallsBackToEditorThenTheDesktopOpener) {
    env.Set("VISUAL", "");
    EXPECT_EQ(ShellCommand::ForCommandLine("Notepad.exe x", Mapped), "ed '/drives/x'");
    env.Set("EDITOR", std::nullopt);
    EXPECT_EQ(ShellCommand::ForCommandLine("Notepad.exe x", Mapped), "xdg-open '/drives/x'");
}

TEST_F(ShellCommandTest, TheProgramNameIgnoresCaseAndQuotesAroundTheFileGo) {
    EXPECT_EQ(ShellCommand::ForCommandLine("NOTEPAD.EXE \"a b\"", Mapped),
              "vis --wait '/drives/a b'");
}

TEST_F(ShellCommandTest, AFileNameCannotBreakOutOfItsQuotes) {
    EXPECT_EQ(ShellCommand::ForCommandLine("Notepad.exe it's;rm -rf x", Mapped),
              "vis --wait '/drives/it'\\''s;rm -rf x'");
}

TEST_F(ShellCommandTest, OtherCommandLinesPassUnchanged) {
    EXPECT_EQ(ShellCommand::ForCommandLine("Notepad.exe", Mapped), "Notepad.exe");
    EXPECT_EQ(ShellCommand::ForCommandLine("NotepadXexe x", Mapped), "NotepadXexe x");
    EXPECT_EQ(ShellCommand::ForCommandLine("ls -l", Mapped), "ls -l");
}

TEST_F(ShellCommandTest, ThePlatformMapsTheHostPathBeforeOpening) {
    test::TempFolder folder;
    MemorySettingsStore settings;
    PosixPlatform platform(settings, {folder.Path(), std::string("")});
    // The "editor" records its argument, so nothing interactive is started.
    const std::string record = folder / "opened";
    env.Set("VISUAL", "sh -c 'echo \"$0\" > " + record + "'");

    platform.Shell("Notepad.exe C:\\Logs\\PWK.log", 1);

    std::string line;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!(std::getline(std::ifstream(record) >> std::ws, line) && !line.empty())) {
        ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "the command never ran";
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(line, folder / "C/Logs/PWK.log");
}

}  // namespace
}  // namespace pwk
