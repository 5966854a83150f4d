#include "src/journal/UpgradeLogReset.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "sim/ScriptedPlatform.h"
#include "src/component/Component.h"
#include "src/platform/MessageBoxStyle.h"
#include "tests/support/FakeErrorLibrary.h"
#include "tests/support/FileText.h"

namespace pwk {
namespace {

using sim::ScriptedPlatform;

class UpgradeLogResetTest : public ::testing::Test {
  protected:
    UpgradeLogResetTest() : component(platform) {
        component.SetErrorObject(errors);
        errors->logPath = "C:\\Logs";
        errors->logFilename = "PWK";
    }

    void WriteFile(const std::string& hostPath, const std::string& content) {
        const std::filesystem::path native = platform.NativePath(hostPath);
        std::filesystem::create_directories(native.parent_path());
        std::ofstream(native) << content;
    }
    void WriteLog(const std::string& content) { WriteFile("C:\\Logs\\PWK", content); }
    bool LogExists() { return std::ifstream(platform.NativePath("C:\\Logs\\PWK")).good(); }
    std::string Backup() {
        return test::FileText(platform.NativePath("C:\\Parleywick Error Log backup.log"));
    }
    std::vector<std::string> Titles() {
        std::vector<std::string> titles;
        for (const auto& box : platform.MessageBoxes()) {
            titles.push_back(box.Title);
        }
        return titles;
    }

    ScriptedPlatform platform;
    std::shared_ptr<test::FakeErrorLibrary> errors = std::make_shared<test::FakeErrorLibrary>();
    Component component;
};

TEST_F(UpgradeLogResetTest, LogPathGetsExactlyOneBackslashAndTheDateWhenFormatted) {
    EXPECT_EQ(PWKGlobal::GetLogFilePath(component), "C:\\Logs\\PWK");
    errors->logPath = "C:\\Logs\\";
    EXPECT_EQ(PWKGlobal::GetLogFilePath(component), "C:\\Logs\\PWK");
    platform.SetNow(std::chrono::sys_days{std::chrono::year{2026} / 12 / 5});
    errors->dateFormat = "yyyymmdd";
    EXPECT_EQ(PWKGlobal::GetLogFilePath(component), "C:\\Logs\\PWK20261205");
}

TEST_F(UpgradeLogResetTest, YesBacksUpThenErases) {
    WriteLog("old lines\n");
    platform.QueueAnswer(MsgBoxResult::Yes);
    PWKGlobal::ResetLogAfterUpgrade(component);

    ASSERT_EQ(platform.MessageBoxes().size(), 2u);
    const auto& question = platform.MessageBoxes()[0];
    EXPECT_EQ(question.Title, "Backup Error Log?");
    EXPECT_EQ(question.Text,
              "You've upgraded Parleywick!\r\n\r\nThe error logging file (C:\\Logs\\PWK) must be "
              "erased.  Do you wish to save a backup of the current file, first? ");
    EXPECT_EQ(question.Style,
              MsgBoxStyle::YesNo | MsgBoxStyle::DefaultButton2 | MsgBoxStyle::Question);
    const auto& done = platform.MessageBoxes()[1];
    EXPECT_EQ(done.Title, "Complete");
    EXPECT_EQ(done.Text, "The log has been copied to: \"C:\\Parleywick Error Log backup.log\"");
    EXPECT_EQ(done.Style, MsgBoxStyle::Information);
    EXPECT_EQ(Backup(), "old lines\n");
    EXPECT_FALSE(LogExists());
}

TEST_F(UpgradeLogResetTest, NoErasesWithoutBackupAndTheDefaultIsNo) {
    WriteLog("old lines\n");
    PWKGlobal::ResetLogAfterUpgrade(component);  // unanswered: the default button, No
    EXPECT_EQ(Titles(), std::vector<std::string>{"Backup Error Log?"});
    EXPECT_EQ(platform.MessageBoxes()[0].Answer, MsgBoxResult::No);
    EXPECT_FALSE(LogExists());
    EXPECT_EQ(Backup(), "");
}

TEST_F(UpgradeLogResetTest, MissingLogReportsBothFailuresInOrder) {
    platform.QueueAnswer(MsgBoxResult::Yes);
    PWKGlobal::ResetLogAfterUpgrade(component);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Backup Error Log?", "Error Encountered",
                                                  "Problem With Deletion"}));
    EXPECT_EQ(platform.MessageBoxes()[1].Text, "Could not back up the log file.");
    EXPECT_EQ(platform.MessageBoxes()[1].Style, MsgBoxStyle::Exclamation);
    EXPECT_EQ(platform.MessageBoxes()[2].Text,
              "The log file could not be deleted or does not exist.  Please delete it manually: "
              "\r\nC:\\Logs\\PWK");

    platform.QueueAnswer(MsgBoxResult::No);
    PWKGlobal::ResetLogAfterUpgrade(component);
    EXPECT_EQ(Titles().back(), "Problem With Deletion");
    EXPECT_EQ(Titles().size(), 5u);
}

TEST_F(UpgradeLogResetTest, UnwritableBackupStillErasesTheLog) {
    WriteLog("old lines\n");
    platform.FailPath("C:\\Parleywick Error Log backup.log");
    platform.QueueAnswer(MsgBoxResult::Yes);
    PWKGlobal::ResetLogAfterUpgrade(component);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Backup Error Log?", "Error Encountered"}));
    EXPECT_FALSE(LogExists());
}

TEST_F(UpgradeLogResetTest, AnEarlierBackupIsOverwritten) {
    WriteFile("C:\\Parleywick Error Log backup.log", "older backup");
    WriteLog("new lines");
    platform.QueueAnswer(MsgBoxResult::Yes);
    PWKGlobal::ResetLogAfterUpgrade(component);
    EXPECT_EQ(Backup(), "new lines");
}

}  // namespace
}  // namespace pwk
