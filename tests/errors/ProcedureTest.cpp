#include "src/errors/Procedure.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <vector>

#include "src/component/Component.h"
#include "tests/support/FakeErrorLibrary.h"
#include "tests/support/NullPlatform.h"

namespace pwk {
namespace {

class ProcedureTest : public ::testing::Test {
  protected:
    ProcedureTest() : component(platform) { component.SetErrorObject(library); }

    void Traced(Boundary boundary, const std::function<void(Procedure&)>& body) {
        Procedure proc(component, "Module", "Proc", boundary);
        proc.Run([&] { body(proc); });
    }

    test::NullPlatform platform;
    std::shared_ptr<test::FakeErrorLibrary> library = std::make_shared<test::FakeErrorLibrary>();
    Component component;
};

TEST_F(ProcedureTest, NormalRunTracesEntryAndExitOnly) {
    int ran = 0;
    Traced(Boundary::Component, [&](Procedure& proc) { proc.Step([&] { ++ran; }); });
    EXPECT_EQ(ran, 1);
    EXPECT_EQ(library->calls, (std::vector<std::string>{"enter Module.Proc", "exit Module.Proc"}));
}

TEST_F(ProcedureTest, ResumeNextContinuesAfterTheFailingStatement) {
    library->actions = {ErrorAction::ResumeNext};
    std::vector<int> ran;
    Traced(Boundary::Component, [&](Procedure& proc) {
        proc.Step([&] { ran.push_back(1); });
        proc.Step([&] {
            Raise(FailureNumber::TypeMismatch);
            ran.push_back(99);  // never reached: the rest of the failing statement is skipped
        });
        proc.Step([&] { ran.push_back(3); });
    });
    EXPECT_EQ(ran, (std::vector<int>{1, 3}));
    EXPECT_EQ(library->calls,
              (std::vector<std::string>{"enter Module.Proc", "handle 13 Module.Proc b4 s2 f1",
                                        "exit Module.Proc"}));
}

TEST_F(ProcedureTest, DebugActionRetriesOnlyInDebugMode) {
    library->debugMode = true;
    library->actions = {ErrorAction::Debug};
    int attempts = 0;
    Traced(Boundary::Component, [&](Procedure& proc) {
        proc.Step([&] {
            if (++attempts == 1) {
                Raise(FailureNumber::Overflow);
            }
        });
    });
    EXPECT_EQ(attempts, 2);
    EXPECT_EQ(library->calls.back(), "exit Module.Proc");

    // Without debug mode the same answer leaves the procedure.
    library->debugMode = false;
    library->actions = {ErrorAction::Debug};
    library->calls.clear();
    attempts = 0;
    EXPECT_THROW(Traced(Boundary::Component,
                        [&](Procedure& proc) {
                            proc.Step([&] {
                                ++attempts;
                                Raise(FailureNumber::Overflow);
                            });
                        }),
                 Failure);
    EXPECT_EQ(attempts, 1);
    EXPECT_EQ(library->calls.back(), "errorexit 4");
}

TEST_F(ProcedureTest, LeavingSkipsTheRestAndExitsThroughErrorExit) {
    library->actions = {ErrorAction::Exit};
    bool after = false;
    Traced(Boundary::Host, [&](Procedure& proc) {
        proc.Step([&] { Raise(FailureNumber::ObjectNotSet); });
        proc.Step([&] { after = true; });
    });
    EXPECT_FALSE(after);
    EXPECT_EQ(library->calls,
              (std::vector<std::string>{"enter Module.Proc", "handle 91 Module.Proc b2 s2 f1",
                                        "exit Module.Proc", "errorexit 2"}));
}

TEST_F(ProcedureTest, LeavingAtBoundaries1And4PassesTheFailureOnMarkedAsReported) {
    // The library's ErrorExit only records; passing the failure on is the procedure's job.
    for (Boundary boundary : {Boundary::Internal, Boundary::Component}) {
        library->calls.clear();
        try {
            Traced(boundary, [](Procedure& proc) { proc.Step([] { Raise(9, "Here"); }); });
            ADD_FAILURE() << "the failure should reach the caller";
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.Number, 9);
            EXPECT_EQ(failure.Source, "Here");
            EXPECT_TRUE(failure.Reported);
        }
        EXPECT_EQ(library->calls.back(), "errorexit " + std::to_string(static_cast<int>(boundary)));
    }
}

TEST_F(ProcedureTest, HostBoundaryNeverThrowsEvenWithoutAnErrorLibrary) {
    component.SetErrorObject(nullptr);
    EXPECT_NO_THROW(Traced(Boundary::Host, [](Procedure& proc) { proc.Step([] { Raise(5); }); }));
    // Nobody reported it, so it goes on unmarked.
    try {
        Traced(Boundary::Internal, [](Procedure& proc) { proc.Step([] { Raise(5); }); });
        ADD_FAILURE() << "the failure should reach the caller";
    } catch (const Failure& failure) {
        EXPECT_FALSE(failure.Reported);
    }
}

TEST_F(ProcedureTest, NestedProceduresLeaveOnlyTheirOwnBody) {
    library->actions = {ErrorAction::Exit, ErrorAction::ResumeNext};
    bool outerContinued = false;
    Traced(Boundary::Host, [&](Procedure& outer) {
        outer.Step([&] {
            Procedure inner(component, "Inner", "Callee", Boundary::Internal);
            inner.Run([&] { inner.Step([] { Raise(FailureNumber::SubscriptOutOfRange); }); });
        });
        outer.Step([&] { outerContinued = true; });
    });
    // The callee leaves and passes the failure on; the caller is asked once more and continues.
    EXPECT_TRUE(outerContinued);
    EXPECT_EQ(library->calls,
              (std::vector<std::string>{"enter Module.Proc", "enter Inner.Callee",
                                        "handle 9 Inner.Callee b1 s2 f1", "exit Inner.Callee",
                                        "errorexit 1", "handle 9 Module.Proc b2 s2 f1",
                                        "exit Module.Proc"}));
}

TEST_F(ProcedureTest, IgnoringHandsBackTheFailureWithoutAskingTheLibrary) {
    auto failure = Procedure::Ignoring([] { Raise(FailureNumber::DuplicateKey); });
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->Number, FailureNumber::DuplicateKey);
    EXPECT_FALSE(Procedure::Ignoring([] {}));
    EXPECT_TRUE(library->calls.empty());
}

TEST_F(ProcedureTest, ForeignExceptionsBecomeTheSameNamedFailuresInStepsAndIgnoredRegions) {
    library->actions = {ErrorAction::ResumeNext, ErrorAction::ResumeNext};
    Traced(Boundary::Host, [](Procedure& proc) {
        proc.Step([] { throw std::bad_alloc(); });
        proc.Step([] { throw std::runtime_error("disk gone"); });
    });
    EXPECT_EQ(library->calls,
              (std::vector<std::string>{"enter Module.Proc", "handle 7 Module.Proc b2 s2 f1",
                                        "handle 5 Module.Proc b2 s2 f1", "exit Module.Proc"}));

    auto outOfMemory = Procedure::Ignoring([] { throw std::bad_alloc(); });
    auto other = Procedure::Ignoring([] { throw std::runtime_error("disk gone"); });
    ASSERT_TRUE(outOfMemory && other);
    EXPECT_EQ(outOfMemory->Number, FailureNumber::OutOfMemory);
    EXPECT_EQ(outOfMemory->Description, "Out of memory");
    EXPECT_EQ(other->Number, FailureNumber::InvalidProcedureCall);
    EXPECT_EQ(other->Description, "disk gone");
}

}  // namespace
}  // namespace pwk
