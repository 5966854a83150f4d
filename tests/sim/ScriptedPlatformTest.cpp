#include "sim/ScriptedPlatform.h"

#include <gtest/gtest.h>

#include <fstream>

#include "src/platform/MessageBoxStyle.h"

namespace pwk::sim {
namespace {

namespace fs = std::filesystem;
using namespace MsgBoxStyle;
using namespace MsgBoxResult;

std::int32_t FailureNumberOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Failure& failure) {
        return failure.Number;
    }
    return 0;
}

void WriteFile(const std::string& path, const std::string& text) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path) << text;
}

TEST(ScriptedPlatformMessageBoxes, UnscriptedBoxTakesItsDefaultButton) {
    ScriptedPlatform platform;
    EXPECT_EQ(platform.MsgBox("t", OkOnly, "T"), OK);
    EXPECT_EQ(platform.MsgBox("t", YesNo | Question | DefaultButton2, "T"), No);
    EXPECT_EQ(platform.MsgBox("t", YesNoCancel | DefaultButton3, "T"), Cancel);
    EXPECT_EQ(platform.MsgBox("t", AbortRetryIgnore, "T"), Abort);
    // A default beyond the box's buttons falls back to the first.
    EXPECT_EQ(platform.MsgBox("t", YesNo | DefaultButton3, "T"), Yes);
    EXPECT_EQ(platform.MsgBox("t", RetryCancel | 0x300, "T"), Retry);
}

TEST(ScriptedPlatformMessageBoxes, AnswerThatIsNotAButtonIsABrokenScript) {
    ScriptedPlatform platform;
    platform.QueueAnswer(Yes);
    EXPECT_THROW(platform.MsgBox("t", OkOnly, "T"), std::logic_error);
}

TEST(ScriptedPlatformDialogs, AnsweredByCaptionIndexOrDefault) {
    ScriptedPlatform platform;
    CustomDialog dialog;
    dialog.Title = "Error";
    dialog.Buttons = {"Abort", "Retry", "Ignore"};
    dialog.DefaultButton = 2;
    platform.QueueDialogAnswer("Retry");
    platform.QueueDialogAnswer(0);
    EXPECT_EQ(platform.ShowDialog(dialog), 1);
    EXPECT_EQ(platform.ShowDialog(dialog), 0);
    EXPECT_EQ(platform.ShowDialog(dialog), 2);
    ASSERT_EQ(platform.Dialogs().size(), 3u);
    EXPECT_EQ(platform.Dialogs()[0].Dialog.Buttons, dialog.Buttons);
    platform.QueueDialogAnswer("View Log");
    EXPECT_THROW(platform.ShowDialog(dialog), std::logic_error);
    platform.QueueDialogAnswer(3);
    EXPECT_THROW(platform.ShowDialog(dialog), std::logic_error);
}

TEST(ScriptedPlatformFiles, PathsMapUnderTheRootWhichIsRemovedAfterwards) {
    fs::path root;
    {
        ScriptedPlatform platform;
        root = platform.Root();
        EXPECT_TRUE(fs::is_directory(root));
        EXPECT_EQ(platform.NativePath("C:\\Logs\\PWK"), (root / "C" / "Logs" / "PWK").string());
        WriteFile(platform.NativePath("C:\\Logs\\PWK"), "x");
    }
    EXPECT_FALSE(fs::exists(root));
}

TEST(ScriptedPlatformFiles, CopyOverwritesAndDeleteRemoves) {
    ScriptedPlatform platform;
    WriteFile(platform.NativePath("C:\\a.log"), "new");
    WriteFile(platform.NativePath("C:\\b.log"), "old");
    platform.FileCopy("C:\\a.log", "C:\\b.log");
    std::ifstream copied(platform.NativePath("C:\\b.log"));
    std::string text;
    copied >> text;
    EXPECT_EQ(text, "new");
    platform.DeleteFile("C:\\a.log");
    EXPECT_FALSE(fs::exists(platform.NativePath("C:\\a.log")));
}

TEST(ScriptedPlatformFiles, AFreshMachineHasItsSystemDriveOnly) {
    ScriptedPlatform platform;
    WriteFile(platform.NativePath("D:\\Pat\\Logs\\PWK"), "log");
    platform.FileCopy("D:\\Pat\\Logs\\PWK", "C:\\backup.log");
    EXPECT_TRUE(fs::exists(platform.NativePath("C:\\backup.log")));
    EXPECT_EQ(FailureNumberOf([&] { platform.FileCopy("C:\\backup.log", "E:\\backup.log"); }), 76);
}

TEST(ScriptedPlatformFiles, FailuresCarryClassicNumbers) {
    ScriptedPlatform platform;
    WriteFile(platform.NativePath("C:\\a.log"), "x");
    EXPECT_EQ(FailureNumberOf([&] { platform.FileCopy("C:\\missing", "C:\\b.log"); }), 53);
    EXPECT_EQ(FailureNumberOf([&] { platform.FileCopy("C:\\a.log", "Q:\\none\\b.log"); }), 76);
    EXPECT_EQ(FailureNumberOf([&] { platform.FileCopy("C:\\", "C:\\b.log"); }), 75);
    EXPECT_EQ(FailureNumberOf([&] { platform.DeleteFile("C:\\missing"); }), 53);
    EXPECT_EQ(FailureNumberOf([&] { platform.DeleteFile("C:\\"); }), 75);
}

TEST(ScriptedPlatformFiles, FailingPathFailsEveryOperationOnIt) {
    ScriptedPlatform platform;
    WriteFile(platform.NativePath("C:\\a.log"), "x");
    platform.FailPath("C:\\backup.log");
    platform.FailPath("c:\\a.log", 75);
    EXPECT_EQ(FailureNumberOf([&] { platform.FileCopy("C:\\a.log", "C:\\backup.log"); }), 75);
    EXPECT_EQ(FailureNumberOf([&] { platform.DeleteFile("C:\\a.log"); }), 75);
    EXPECT_TRUE(fs::exists(platform.NativePath("C:\\a.log")));
    platform.ClearFailingPaths();
    platform.FailPath("C:\\backup.log");
    EXPECT_EQ(FailureNumberOf([&] { platform.FileCopy("C:\\a.log", "C:\\backup.log"); }), 70);
    EXPECT_FALSE(fs::exists(platform.NativePath("C:\\backup.log")));
}

}  // namespace
}  // namespace pwk::sim
