#include "src/errors/Procedure.h"
#include "tests/errors/KeelsonFixture.h"

namespace pwk::test {
namespace {

// Host event (boundary 2) -> application method (4) -> plain routine (1), which fails.
class KeelsonBoundaries : public KeelsonFixture {
  protected:
    void Routine() {
        Procedure proc(component, "PWKGlobal", "FindContact", Boundary::Internal);
        proc.Run([&] {
            proc.Step([] { throw Failure(9, "Subscript out of range", "PWKCommon", 40); });
            proc.Step([&] { trail.push_back("routine went on"); });
        });
        trail.push_back("routine returned");
    }
    void Method() {
        Procedure proc(component, "PWKAddinApp", "LogIncoming", Boundary::Component);
        proc.Run([&] {
            proc.Step([&] { Routine(); });
            proc.Step([&] { trail.push_back("method went on"); });
        });
        trail.push_back("method returned");
    }
    void HostEvent() {
        Procedure proc(component, "HookedButton", "pMyButton_Click", Boundary::Host);
        proc.Run([&] {
            proc.Step([&] { Method(); });
            proc.Step([&] { trail.push_back("event went on"); });
        });
        trail.push_back("event returned");
    }

    std::vector<std::string> trail;
};

TEST_F(KeelsonBoundaries, FailureTwoLevelsDeepIsReportedOnceAndStopsAtTheHostEntry) {
    EXPECT_NO_THROW(HostEvent());
    EXPECT_EQ(platform.Dialogs().size(), 1u);
    EXPECT_EQ(trail, (std::vector<std::string>{"event returned"}));
    EXPECT_EQ(client->Count("NotifyError"), 1);
    EXPECT_EQ(client->calls.back(), "EndStackCollapse");
    EXPECT_EQ(client->Count("StackCollapse PWKAddinApp.LogIncoming b4"), 1);
    EXPECT_EQ(client->Count("StackCollapse HookedButton.pMyButton_Click b2"), 1);
    EXPECT_EQ(client->Count("EndStackCollapse"), 1);
    const std::string log = LogContents();
    EXPECT_EQ(Occurrences(log, "ERROR "), 1);
    EXPECT_NE(log.find("ERROR 9 in PWKGlobal.FindContact, line 40"), std::string::npos);
    EXPECT_NE(log.find("passing through PWKAddinApp.LogIncoming: error 9"), std::string::npos);
    EXPECT_NE(log.find("passing through HookedButton.pMyButton_Click: error 9"), std::string::npos);
}

TEST_F(KeelsonBoundaries, PassingThroughIgnoresTheDialogScript) {
    // Only the first report asks the user; an "Ignore" meant for a later dialog stays queued.
    platform.QueueDialogAnswer("Abort");
    platform.QueueDialogAnswer("Ignore");
    HostEvent();
    EXPECT_EQ(platform.PendingAnswers(), 1u);
    EXPECT_EQ(trail, (std::vector<std::string>{"event returned"}));
}

TEST_F(KeelsonBoundaries, ComponentBoundaryWithoutAHostEntryPassesTheFailureOnMarked) {
    try {
        Method();
        FAIL() << "the failure should reach the caller";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.Number, 9);
        EXPECT_EQ(failure.Line, 40);
        EXPECT_TRUE(failure.Reported);
    }
    EXPECT_EQ(client->Count("NotifyError"), 1);
    EXPECT_EQ(client->Count("EndStackCollapse"), 0);
}

TEST_F(KeelsonBoundaries, ResumeNextInTheRoutineKeepsTheFailureFromTheCallers) {
    platform.QueueDialogAnswer("Ignore");
    HostEvent();
    EXPECT_EQ(trail,
              (std::vector<std::string>{"routine went on", "routine returned", "method went on",
                                        "method returned", "event went on", "event returned"}));
}

TEST_F(KeelsonBoundaries, NextFailureAfterACollapseIsReportedAgain) {
    HostEvent();
    HostEvent();
    EXPECT_EQ(platform.Dialogs().size(), 2u);
    EXPECT_EQ(client->Count("EndStackCollapse"), 2);
}

TEST_F(KeelsonBoundaries, ErrorExitWithoutAFailureDoesNothing) {
    EXPECT_NO_THROW(keelson->ErrorExit(Boundary::Internal));
    EXPECT_NO_THROW(keelson->ErrorExit(Boundary::Host));
    EXPECT_TRUE(client->calls.empty());
}

}  // namespace
}  // namespace pwk::test
