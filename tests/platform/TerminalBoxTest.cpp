#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "posix/PosixPlatform.h"
#include "src/platform/MessageBoxStyle.h"
#include "store/MemorySettingsStore.h"

namespace pwk {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using namespace MsgBoxStyle;

class PosixPlatformBoxes : public ::testing::Test {
  protected:
    // Answers come from `input`; without a call, nobody is at the terminal.
    void Answer(const std::string& input) {
        in.str(input);
        platform.SetTerminal(Terminal(out, &in));
    }

    MemorySettingsStore settings;
    PosixPlatform platform{settings, {std::string("/drives"), std::string("")}};
    std::ostringstream out;
    std::istringstream in;

    void SetUp() override { platform.SetTerminal(Terminal(out, nullptr)); }
};

TEST_F(PosixPlatformBoxes, WithNobodyAtTheTerminalTheDefaultButtonAnswers) {
    EXPECT_EQ(platform.MsgBox("Send anyway?", YesNo | Question, "Parleywick"), MsgBoxResult::Yes);
    EXPECT_EQ(platform.MsgBox("Send anyway?", YesNo | DefaultButton2, "Parleywick"),
              MsgBoxResult::No);
    EXPECT_EQ(platform.MsgBox("x", AbortRetryIgnore | DefaultButton3, "t"), MsgBoxResult::Ignore);
    EXPECT_EQ(platform.MsgBox("x", OkOnly | DefaultButton2, "t"), MsgBoxResult::OK);
}

TEST_F(PosixPlatformBoxes, TheBoxShowsTitleTextIconButtonsAndTheDefault) {
    platform.MsgBox("Failed to start.", OkCancel | Critical | DefaultButton2, "Parleywick");
    const std::string shown = out.str();
    EXPECT_THAT(shown, HasSubstr("Parleywick [Critical]"));
    EXPECT_THAT(shown, HasSubstr("Failed to start."));
    EXPECT_THAT(shown, HasSubstr("1) OK\n"));
    EXPECT_THAT(shown, HasSubstr("2) Cancel *"));
    EXPECT_THAT(shown, HasSubstr("-> Cancel"));
    EXPECT_THAT(shown, Not(HasSubstr("Help:")));
}

TEST_F(PosixPlatformBoxes, TheHelpButtonShowsTheHelpFileAndContext) {
    Answer("?\nn\n");
    EXPECT_EQ(
        platform.MsgBox("Welcome", YesNo | MsgBoxHelpButton, "Parleywick", "Parleywick.hlp", 210),
        MsgBoxResult::No);
    const std::string shown = out.str();
    const auto first = shown.find("Help: Parleywick.hlp, context 210");
    ASSERT_NE(first, std::string::npos);
    // Asked for help, the box shows it again and waits for a real answer.
    EXPECT_NE(shown.find("Help: Parleywick.hlp, context 210", first + 1), std::string::npos);
}

TEST_F(PosixPlatformBoxes, AnswersByInitialNumberOrName) {
    Answer("n\n");
    EXPECT_EQ(platform.MsgBox("q", YesNoCancel, "t"), MsgBoxResult::No);
    Answer("3\n");
    EXPECT_EQ(platform.MsgBox("q", YesNoCancel, "t"), MsgBoxResult::Cancel);
    Answer("  RETRY \n");
    EXPECT_EQ(platform.MsgBox("q", AbortRetryIgnore, "t"), MsgBoxResult::Retry);
}

TEST_F(PosixPlatformBoxes, AnAnswerThatIsNoButtonIsAskedAgain) {
    Answer("maybe\n0\n4\ny\n");
    EXPECT_EQ(platform.MsgBox("q", YesNoCancel | DefaultButton3, "t"), MsgBoxResult::Yes);
    EXPECT_THAT(out.str(), HasSubstr("Please answer"));
}

TEST_F(PosixPlatformBoxes, AnEmptyAnswerOrTheEndOfInputTakesTheDefault) {
    Answer("\n");
    EXPECT_EQ(platform.MsgBox("q", YesNo | DefaultButton2, "t"), MsgBoxResult::No);
    Answer("x\n");  // then input ends
    EXPECT_EQ(platform.MsgBox("q", RetryCancel, "t"), MsgBoxResult::Retry);
}

CustomDialog ErrorDialog() {
    CustomDialog dialog;
    dialog.Title = "Error";
    dialog.Text = "Something failed";
    dialog.Icon = Exclamation;
    dialog.Buttons = {"&Retry", "Report", "&Ignore", "View Log"};
    dialog.ButtonToolTips = {"", "", "", "Opens notepad"};
    dialog.DefaultButton = 2;
    dialog.FrameCaption = "Reporting Tools";
    return dialog;
}

TEST_F(PosixPlatformBoxes, ADialogAnswersWithItsDefaultButtonIndex) {
    EXPECT_EQ(platform.ShowDialog(ErrorDialog()), 2);
    const std::string shown = out.str();
    EXPECT_THAT(shown, HasSubstr("Error [Warning]"));
    EXPECT_THAT(shown, HasSubstr("Reporting Tools"));
    EXPECT_THAT(shown, HasSubstr("4) View Log  - Opens notepad"));
    EXPECT_THAT(shown, HasSubstr("3) Ignore *"));
}

TEST_F(PosixPlatformBoxes, AnInitialSharedByTwoButtonsIsNotAnAnswer) {
    Answer("r\nview log\n");
    EXPECT_EQ(platform.ShowDialog(ErrorDialog()), 3);
    EXPECT_THAT(out.str(), HasSubstr("Please answer"));
}

}  // namespace
}  // namespace pwk
