#include "src/errors/Procedure.h"
#include "src/platform/MessageBoxStyle.h"
#include "tests/errors/KeelsonFixture.h"

namespace pwk::test {
namespace {

// A host entry point of two statements, the first of which fails once (or always).
class KeelsonActions : public KeelsonFixture {
  protected:
    void RunHostProcedure(int failures = 1) {
        Procedure proc(component, "HookedExplorer", "MyExplorer_SelectionChange", Boundary::Host);
        proc.Run([&] {
            proc.Step([&] {
                ++attempts;
                if (attempts <= failures) {
                    throw Failure(91, "Object variable not set", "PWKCommon");
                }
            });
            proc.Step([&] { secondRan = true; });
        });
    }

    const CustomDialog& LastDialog() const { return platform.Dialogs().back().Dialog; }

    int attempts = 0;
    bool secondRan = false;
};

// Each button of the dialog: unanswered it aborts the procedure, Ignore goes on with the next
// statement, End ends the application through the client, Retry (debug mode only) runs the
// failed statement again.
TEST_F(KeelsonActions, EachAnswerOfTheDialogActsOnTheProcedure) {
    const std::vector<std::string> buttons = {"Abort", "Ignore", "End"};
    const std::vector<std::string> debugButtons = {"Abort", "Retry", "Ignore", "End"};
    const struct {
        std::string Answer;
        bool Debug;
        int Attempts;
        bool SecondRan;
        int Ended;
    } cases[] = {{"", false, 1, false, 0},
                 {"Ignore", false, 1, true, 0},
                 {"Retry", true, 2, true, 0},
                 {"End", false, 1, false, 1}};  // last: the application has ended
    for (const auto& row : cases) {
        SCOPED_TRACE(row.Answer);
        const int endedBefore = client->Count("EndApplication");
        attempts = 0;
        secondRan = false;
        keelson->SetDebugMode(row.Debug);
        if (!row.Answer.empty()) {
            platform.QueueDialogAnswer(row.Answer);
        }
        RunHostProcedure();
        EXPECT_EQ(LastDialog().Buttons, row.Debug ? debugButtons : buttons);
        EXPECT_EQ(LastDialog().Title, "Parleywick");
        EXPECT_EQ(LastDialog().Icon, MsgBoxStyle::Critical);
        EXPECT_EQ(attempts, row.Attempts);
        EXPECT_EQ(secondRan, row.SecondRan);
        EXPECT_EQ(client->Count("EndApplication") - endedBefore, row.Ended);
    }
    EXPECT_NE(LogContents().find("  Action: 3 (end application)"), std::string::npos);
}

TEST_F(KeelsonActions, DialogShowsTheClientsWordingAndTheStep) {
    keelson->SetActivity("Hooking the explorer");
    RunHostProcedure();
    const std::string& text = LastDialog().Text;
    EXPECT_NE(text.find("Error 91: Client text for 91"), std::string::npos) << text;
    EXPECT_NE(text.find("Details: Object variable not set"), std::string::npos) << text;
    EXPECT_NE(text.find("HookedExplorer.MyExplorer_SelectionChange"), std::string::npos);
    EXPECT_NE(text.find("While: Hooking the explorer"), std::string::npos);
    EXPECT_NE(text.find("Client suggestion"), std::string::npos);
    EXPECT_NE(text.find("Client notes"), std::string::npos);
}

TEST_F(KeelsonActions, UnattendedShowsNothingAndLeaves) {
    keelson->SetUnattended(true);
    RunHostProcedure();
    EXPECT_TRUE(platform.Dialogs().empty());
    EXPECT_FALSE(secondRan);
    EXPECT_EQ(client->Count("NotifyError"), 1);
}

TEST_F(KeelsonActions, ClientCanDecideTheActionItself) {
    client->notifyAction = static_cast<int>(ErrorAction::ResumeNext);
    RunHostProcedure();
    EXPECT_TRUE(platform.Dialogs().empty());
    EXPECT_TRUE(secondRan);
}

TEST_F(KeelsonActions, CustomButtonCallsBackAndTheDialogIsShownAgain) {
    client->offerViewLog = true;
    keelson->SetCustomFrameCaption("Reporting Tools");
    platform.QueueDialogAnswer("View Log");
    platform.QueueDialogAnswer("Ignore");
    RunHostProcedure();
    ASSERT_EQ(platform.Dialogs().size(), 2u);
    EXPECT_EQ(LastDialog().Buttons,
              (std::vector<std::string>{"Abort", "Ignore", "End", "View Log"}));
    EXPECT_EQ(LastDialog().ButtonToolTips.back(), "Opens notepad");
    EXPECT_EQ(LastDialog().FrameCaption, "Reporting Tools");
    EXPECT_EQ(client->Count("CustomClick 1"), 1);
    EXPECT_TRUE(secondRan);
}

TEST_F(KeelsonActions, CustomButtonsHiddenUnlessShown) {
    keelson->SetCustomButtonCaption(1, "View Log");
    RunHostProcedure();
    EXPECT_EQ(LastDialog().Buttons.size(), 3u);
}

TEST_F(KeelsonActions, ProtocolOrderOfClientCallbacks) {
    RunHostProcedure();
    EXPECT_EQ(client->calls, (std::vector<std::string>{
                                 "GetDiagnostics", "GetErrorText 91",
                                 "NotifyError HookedExplorer.MyExplorer_SelectionChange b2 e91",
                                 "EndStackCollapse"}));
}

TEST_F(KeelsonActions, MinorFailureGetsAnExclamation) {
    Procedure proc(component, "PWKAddinApp", "IsTrackedFolder", Boundary::Component,
                   Severity::Minor);
    EXPECT_THROW(proc.Run([] { throw Failure(5, "bad"); }), Failure);
    EXPECT_EQ(LastDialog().Icon, MsgBoxStyle::Exclamation);
}

}  // namespace
}  // namespace pwk::test
