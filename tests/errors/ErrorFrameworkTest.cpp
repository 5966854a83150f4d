#include <gtest/gtest.h>

#include "keelson/Keelson.h"
#include "sim/ScriptedPlatform.h"
#include "src/component/Component.h"
#include "src/errors/CErrorClient.h"
#include "src/errors/Procedure.h"
#include "tests/errors/KeelsonFixture.h"

namespace pwk::test {
namespace {

// The error library and the add-in's own client working together. "End" in the dialog is in
// error-end.scenario.
class ErrorFramework : public ::testing::Test {
  protected:
    void SetUp() override {
        keelson->SetClient(std::make_shared<CErrorClient>(component));
        keelson->SetLogPath("C:\\Logs");
        keelson->SetLogFilename("PWK");
        keelson->Start();
        component.SetErrorObject(keelson);
        component.ErrorFrameworkStarted = true;
        component.AddinInitialised = true;
    }

    void FailInHostEvent() {
        Procedure proc(component, "HookedExplorer", "MyExplorer_FolderSwitch", Boundary::Host);
        proc.Run([] { throw Failure(3336, "Disk is full", "PWKCommon"); });
    }

    sim::ScriptedPlatform platform;
    Component component{platform};
    std::shared_ptr<Keelson> keelson = std::make_shared<Keelson>(platform);
};

TEST_F(ErrorFramework, ViewLogOpensTheLogAndTheDialogComesBack) {
    platform.QueueDialogAnswer("View Log");
    platform.QueueDialogAnswer("Abort");
    FailInHostEvent();
    ASSERT_EQ(platform.Dialogs().size(), 2u);
    EXPECT_EQ(platform.Dialogs()[0].Dialog.FrameCaption, "Reporting Tools");
    ASSERT_EQ(platform.ShellCalls().size(), 1u);
    EXPECT_EQ(platform.ShellCalls()[0].CommandLine, "Notepad.exe C:\\Logs\\PWK");
    // The log is complete when the viewer opens it.
    const std::string log = FileText(keelson->LogFileNativePath());
    EXPECT_NE(log.find("Application Version"), std::string::npos);
    EXPECT_NE(log.find("ERROR 3336 in HookedExplorer.MyExplorer_FolderSwitch"), std::string::npos);
    EXPECT_NE(platform.Dialogs()[0].Dialog.Text.find("Error 3336: Disk Full"), std::string::npos);
    EXPECT_TRUE(component.AddinIsRunning());
}

}  // namespace
}  // namespace pwk::test
