#include "sim/ScriptedPlatform.h"
#include "src/util/Ref.h"

#include <gtest/gtest.h>

#include <fstream>

#include "sim/ScriptedFileUtility.h"
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

TEST(ScriptedPlatformMessageBoxes, RecordsEveryBoxWithItsAnswer) {
    ScriptedPlatform platform;
    platform.QueueAnswer(Yes);
    platform.MsgBox("Question?", YesNo | Question, "Title", "Parleywick.hlp", 210);
    ASSERT_EQ(platform.MessageBoxes().size(), 1u);
    const auto& box = platform.MessageBoxes()[0];
    EXPECT_EQ(box.Text, "Question?");
    EXPECT_EQ(box.Title, "Title");
    EXPECT_EQ(box.Style, YesNo | Question);
    EXPECT_EQ(box.HelpFile, "Parleywick.hlp");
    EXPECT_EQ(box.HelpContext, 210);
    EXPECT_EQ(box.Answer, Yes);
    EXPECT_EQ(platform.PendingAnswers(), 0u);
}

TEST(ScriptedPlatformMessageBoxes, HelpAnswerRecordsTheRequestAndAsksAgain) {
    ScriptedPlatform platform;
    platform.QueueAnswer(ScriptedPlatform::HelpAnswer);
    platform.QueueAnswer(OK);
    EXPECT_EQ(platform.MsgBox("t", OkOnly | MsgBoxHelpButton, "T", "Parleywick.hlp", 210), OK);
    ASSERT_EQ(platform.HelpRequests().size(), 1u);
    EXPECT_EQ(platform.HelpRequests()[0].HelpFile, "Parleywick.hlp");
    EXPECT_EQ(platform.HelpRequests()[0].HelpContext, 210);
    EXPECT_EQ(platform.MessageBoxes().size(), 1u);
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

TEST(ScriptedPlatformFiles, GivenRootIsLeftInPlace) {
    ScriptedPlatform owner;
    const fs::path root = owner.Root() / "given";
    fs::create_directories(root);
    { ScriptedPlatform platform(root); }
    EXPECT_TRUE(fs::is_directory(root));
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

TEST(ScriptedPlatformProcess, ExceptionFilterIsCalledWithTheRecord) {
    ScriptedPlatform platform;
    EXPECT_EQ(platform.RaiseUnhandledException({}), 0);
    std::uint32_t seen = 0;
    platform.SetUnhandledExceptionFilter([&](const ExceptionRecord& record) {
        seen = record.Code;
        return 1;
    });
    EXPECT_TRUE(platform.HasExceptionFilter());
    EXPECT_EQ(platform.RaiseUnhandledException({0xC0000005u, 0, "access violation"}), 1);
    EXPECT_EQ(seen, 0xC0000005u);
}

TEST(ScriptedPlatformProcess, CreatesOnlyRegisteredObjects) {
    ScriptedPlatform platform;
    EXPECT_EQ(FailureNumberOf([&] { platform.CreateObject(FileUtilityProgID); }), 429);
    platform.Factories().Register(FileUtilityProgID,
                                  [] { return std::make_shared<ScriptedFileUtility>(); });
    EXPECT_NE(As<FileUtility>(platform.CreateObject(FileUtilityProgID)), nullptr);
}

TEST(ScriptedPlatformProcess, SettingsWithoutAStoreRaiseObjectNotSet) {
    ScriptedPlatform platform;
    EXPECT_EQ(FailureNumberOf([&] { platform.Settings(); }), 91);
}

TEST(ScriptedPlatformProcess, VersionQueryCanFail) {
    ScriptedPlatform platform;
    ASSERT_TRUE(platform.GetVersionEx().has_value());
    platform.SetVersionInfo(std::nullopt);
    EXPECT_FALSE(platform.GetVersionEx().has_value());
}

TEST(ScriptedFileUtility, ChooserAnswersFromTheQueueThenCancels) {
    ScriptedFileUtility utility;
    utility.QueueChoice("C:\\doc.txt");
    utility.QueueCancel();
    EXPECT_EQ(utility.ChooseFile("Pick"), "C:\\doc.txt");
    EXPECT_EQ(utility.ChooseFile("Pick"), std::nullopt);
    EXPECT_EQ(utility.ChooseFile("Again"), std::nullopt);
    EXPECT_EQ(utility.ChooserTitles(), (std::vector<std::string>{"Pick", "Pick", "Again"}));
}

TEST(ScriptedFileUtility, DefaultFolderCanFail) {
    ScriptedFileUtility utility;
    utility.SetDefaultFolder("C:\\Logs");
    EXPECT_EQ(utility.DefaultFolder(), "C:\\Logs");
    utility.FailDefaultFolder(5);
    EXPECT_EQ(FailureNumberOf([&] { utility.DefaultFolder(); }), 5);
    EXPECT_EQ(utility.DefaultFolderCalls(), 2);
}

}  // namespace
}  // namespace pwk::sim
