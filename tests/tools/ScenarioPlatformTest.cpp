#include <gtest/gtest.h>

#include <sstream>

#include "src/platform/MessageBoxStyle.h"
#include "src/util/Failure.h"
#include "tools/scenario/ScenarioPlatform.h"
#include "tools/scenario/Transcript.h"

// An unanswered box taking its default button is first-start's and upgrade's (the backup
// question answered No), and the boxes of an action waiting until the next one is
// ScenarioRunTest's.
namespace pwk::scenario {
namespace {

using namespace MsgBoxStyle;

class ScenarioPlatformTest : public ::testing::Test {
  protected:
    int Ask(int style, const std::string& title = "Question") {
        return platform.MsgBox("Go on?", style, title, "Parleywick.hlp", 210);
    }

    std::ostringstream out;
    Transcript transcript{out};
    ScenarioPlatform platform{transcript};
};

TEST_F(ScenarioPlatformTest, HelpIsPressedThenTheBoxIsAnsweredAgain) {
    platform.QueueScenarioAnswer("Help", 2);
    EXPECT_EQ(Ask(OkOnly | Information | MsgBoxHelpButton, "Welcome"), MsgBoxResult::OK);
    ASSERT_EQ(platform.HelpRequests().size(), 1u);
    EXPECT_EQ(platform.HelpRequests()[0].HelpContext, 210);
    EXPECT_EQ(platform.HelpRequestsOfAction(), 1u);
    EXPECT_NE(
        out.str().find("      -> Help: opens Parleywick.hlp #210\n      -> OK (default button)"),
        std::string::npos)
        << out.str();
    platform.BeginAction();
    EXPECT_EQ(platform.HelpRequestsOfAction(), 0u);
}

TEST_F(ScenarioPlatformTest, AnAnswerThatIsNoButtonOfTheBoxIsAProblemOfItsLine) {
    platform.QueueScenarioAnswer("Yes", 12);
    platform.QueueScenarioAnswer("No", 13);
    // The add-in still gets an answer it can handle: the default button.
    EXPECT_EQ(Ask(OkOnly, "Complete"), MsgBoxResult::OK);
    const auto problem = platform.TakeProblem();
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->first, 12);
    EXPECT_EQ(problem->second,
              "the answer Yes met the box \"Complete\", which has no such button ([OK])");
    EXPECT_FALSE(platform.TakeProblem());
    // Only the misplaced answer was used up.
    EXPECT_EQ(Ask(YesNo), MsgBoxResult::No);
    // A Help answer for a box without a Help button is just as wrong.
    platform.QueueScenarioAnswer("Help", 20);
    Ask(YesNo);
    const auto help = platform.TakeProblem();
    ASSERT_TRUE(help);
    EXPECT_EQ(help->first, 20);
}

// Boxes and the error dialog take their answers from one queue, in the order they come.
TEST_F(ScenarioPlatformTest, TheErrorDialogTakesItsAnswerInTurnAndWaitsForItsCheck) {
    CustomDialog dialog;
    dialog.Title = "Parleywick";
    dialog.Text = "Error 5";
    dialog.Icon = Critical;
    dialog.Buttons = {"Abort", "Ignore", "End", "View Log"};
    platform.QueueScenarioAnswer("OK", 30);
    platform.QueueScenarioAnswer("View Log", 31);
    platform.QueueScenarioAnswer("Retry", 32);
    EXPECT_EQ(Ask(OkOnly, "First"), MsgBoxResult::OK);
    EXPECT_EQ(platform.ShowDialog(dialog), 3);
    EXPECT_NE(out.str().find("  -> View Log\n"), std::string::npos) << out.str();
    // Retry is offered only in debug mode: a problem of its line, and the default button.
    EXPECT_EQ(platform.ShowDialog(dialog), 0);
    const auto problem = platform.TakeProblem();
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->second,
              "the answer Retry met the dialog \"Parleywick\", which has no "
              "such button ([Abort] Ignore End View Log)");
    ASSERT_EQ(platform.UncheckedBoxes().size(), 3u);
    EXPECT_EQ(platform.UncheckedBoxes().back().Title, "Parleywick");
    EXPECT_EQ(platform.UncheckedBoxes().back().Style, Critical);
}

TEST_F(ScenarioPlatformTest, FileCopiesAndDeletionsAreToldAndFailuresPassOn) {
    platform.FailPath("C:\\backup.log");
    EXPECT_THROW(platform.FileCopy("C:\\missing.log", "C:\\copy.log"), Failure);
    EXPECT_THROW(platform.DeleteFile("C:\\backup.log"), Failure);
    EXPECT_NE(out.str().find("file copy failed (53): C:\\missing.log -> C:\\copy.log"),
              std::string::npos)
        << out.str();
    EXPECT_NE(out.str().find("file delete failed (70): C:\\backup.log"), std::string::npos)
        << out.str();
}

}  // namespace
}  // namespace pwk::scenario
