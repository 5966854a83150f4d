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

TEST_F(KeelsonActions, UnansweredDialogAbortsTheProcedure) {
    RunHostProcedure();
    ASSERT_EQ(platform.Dialogs().size(), 1u);
    EXPECT_EQ(LastDialog().Buttons, (std::vector<std::string>{"Abort", "Ignore", "End"}));
    EXPECT_EQ(LastDialog().Title, "Parleywick");
    EXPECT_EQ(LastDialog().Icon, MsgBoxStyle::Critical);
    EXPECT_FALSE(secondRan);
    EXPECT_EQ(client->Count("EndApplication"), 0);
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

TEST_F(KeelsonActions, IgnoreContinuesWithTheNextStatement) {
    platform.QueueDialogAnswer("Ignore");
    RunHostProcedure();
    EXPECT_EQ(attempts, 1);
    EXPECT_TRUE(secondRan);
}

TEST_F(KeelsonActions, EndCallsTheClientsEndApplicationAndLeaves) {
    platform.QueueDialogAnswer("End");
    RunHostProcedure();
    EXPECT_FALSE(secondRan);
    EXPECT_EQ(client->Count("EndApplication"), 1);
    EXPECT_NE(LogContents().find("  Action: 3 (end application)"), std::string::npos);
}

TEST_F(KeelsonActions, RetryIsOfferedInDebugModeOnlyAndRetriesTheStatement) {
    keelson->SetDebugMode(true);
    platform.QueueDialogAnswer("Retry");
    RunHostProcedure();
    EXPECT_EQ(LastDialog().Buttons, (std::vector<std::string>{"Abort", "Retry", "Ignore", "End"}));
    EXPECT_EQ(attempts, 2);
    EXPECT_TRUE(secondRan);
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
