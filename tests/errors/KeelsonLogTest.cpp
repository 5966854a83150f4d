#include <filesystem>

#include "src/errors/Procedure.h"
#include "tests/errors/KeelsonFixture.h"

namespace pwk::test {
namespace {

namespace fs = std::filesystem;

std::int32_t StartFailure(Keelson& keelson, std::string* description = nullptr) {
    try {
        keelson.Start();
    } catch (const Failure& failure) {
        if (description != nullptr) {
            *description = failure.Description;
        }
        return failure.Number;
    }
    return 0;
}

// The log is the folder plus the file name, with one backslash between them and the date in
// its format after the name; missing folders are made.
TEST(KeelsonStart, OpensLogPathPlusFilenameAndDateCreatingFolders) {
    const struct {
        std::string Folder, DateFormat, Expected;
    } cases[] = {{"C:\\Program Files\\Parleywick", "", "C:\\Program Files\\Parleywick\\PWK"},
                 {"C:\\Logs\\", "yyyymmdd", "C:\\Logs\\PWK20261205"}};
    for (const auto& row : cases) {
        SCOPED_TRACE(row.Folder);
        sim::ScriptedPlatform platform;
        Keelson keelson(platform);
        keelson.SetLogPath(row.Folder);
        keelson.SetLogFilename("PWK");
        keelson.SetDateFormat(row.DateFormat);
        keelson.Start();
        EXPECT_EQ(keelson.LogFileNativePath(), platform.NativePath(row.Expected));
        EXPECT_TRUE(fs::exists(keelson.LogFileNativePath()));
    }
}

TEST(KeelsonStart, UnusableFolderIsAClearFailure) {
    sim::ScriptedPlatform platform;
    fs::create_directories(platform.NativePath("C:\\"));
    std::ofstream(platform.NativePath("C:\\Blocked")) << "a file where the folder should be";
    Keelson keelson(platform);
    keelson.SetLogPath("C:\\Blocked\\Logs");
    keelson.SetLogFilename("PWK");
    std::string description;
    EXPECT_EQ(StartFailure(keelson, &description), 75);
    EXPECT_NE(description.find("C:\\Blocked\\Logs\\PWK"), std::string::npos) << description;
    EXPECT_EQ(keelson.LogFileNativePath(), "");
}

TEST(KeelsonStart, KeepsWhatAnEarlierRunLogged) {
    sim::ScriptedPlatform platform;
    for (const char* text : {"first run", "second run"}) {
        Keelson keelson(platform);
        keelson.SetLogPath("C:\\Logs");
        keelson.SetLogFilename("PWK");
        keelson.Start();
        keelson.LogText(text);
    }
    const std::string log = FileText(platform.NativePath("C:\\Logs\\PWK"));
    EXPECT_LT(log.find("first run"), log.find("second run"));
}

using KeelsonLog = KeelsonFixture;

TEST_F(KeelsonLog, LinesCarryTheTimeAndClientLineBreaksBecomeLines) {
    keelson->LogText("Operating System\r\n");
    platform.Advance(std::chrono::seconds(2));
    keelson->LogText("two\r\nlines");
    const std::string log = LogContents();
    EXPECT_NE(log.find("[12/5/2026 2:28:38 PM] Operating System\n\n"), std::string::npos) << log;
    EXPECT_NE(log.find("[12/5/2026 2:28:40 PM] two\n[12/5/2026 2:28:40 PM] lines\n"),
              std::string::npos)
        << log;
    EXPECT_EQ(log.find('\r'), std::string::npos);
}

TEST_F(KeelsonLog, ALoggedLineIsInTheFileAtOnceTraceLinesWaitForTheEndOfTheirEvent) {
    const std::string path = keelson->LogFileNativePath();
    keelson->LogText("Invalid version is: Outlook 11.0.5510");
    EXPECT_NE(FileText(path).find("Invalid version is: Outlook 11.0.5510"), std::string::npos);
    keelson->SetTrace(true);
    keelson->ProcEnter("Connect", "OnConnection");
    keelson->ProcEnter("PWKAddinApp", "Init");
    keelson->ProcExit("PWKAddinApp", "Init");
    EXPECT_EQ(FileText(path).find("Connect.OnConnection"), std::string::npos);
    keelson->LogText("next");
    EXPECT_NE(FileText(path).find("] > Connect.OnConnection\n"), std::string::npos);
    // The outermost procedure's exit ends the host's event: its trace is in the file at once.
    keelson->ProcExit("Connect", "OnConnection");
    EXPECT_NE(FileText(path).find("] < Connect.OnConnection\n"), std::string::npos);
}

TEST_F(KeelsonLog, TraceIndentsByCallDepth) {
    keelson->SetTrace(true);
    keelson->ProcEnter("PWKAddinApp", "Init");
    keelson->ProcEnter("RegSettings", "ReadReg");
    keelson->ProcExit("RegSettings", "ReadReg");
    keelson->ProcExit("PWKAddinApp", "Init");
    const std::string log = LogContents();
    EXPECT_NE(log.find("] > PWKAddinApp.Init\n"), std::string::npos) << log;
    EXPECT_NE(log.find("]   > RegSettings.ReadReg\n"), std::string::npos) << log;
    EXPECT_NE(log.find("]   < RegSettings.ReadReg\n"), std::string::npos) << log;
    EXPECT_NE(log.find("] < PWKAddinApp.Init\n"), std::string::npos) << log;
}

TEST_F(KeelsonLog, NoTraceLinesWithTraceOff) {
    keelson->ProcEnter("PWKAddinApp", "Init");
    keelson->ProcExit("PWKAddinApp", "Init");
    EXPECT_EQ(LogContents().find("PWKAddinApp.Init"), std::string::npos);
}

TEST_F(KeelsonLog, ExitOfAnOuterProcedureDropsInnerFramesThatNeverExited) {
    keelson->SetTrace(true);
    keelson->ProcEnter("A", "Outer");
    keelson->ProcEnter("B", "Inner");
    keelson->ProcExit("A", "Outer");
    keelson->ProcEnter("C", "Next");
    EXPECT_NE(LogContents().find("] > C.Next\n"), std::string::npos);
}

TEST_F(KeelsonLog, EveryLineReachesTheFileOnNormalShutdown) {
    keelson->SetTrace(true);
    for (int i = 0; i < 20000; ++i) {
        keelson->ProcEnter("M", "P");
        keelson->ProcExit("M", "P");
    }
    keelson->LogText("last line");
    const std::string path = keelson->LogFileNativePath();
    component.SetErrorObject(nullptr);
    keelson.reset();
    const std::string log = FileText(path);
    EXPECT_EQ(Occurrences(log, "> M.P\n"), 20000);
    EXPECT_NE(log.find("last line\n"), std::string::npos);
}

TEST_F(KeelsonLog, ReportedFailureIsInTheFileAtOnce) {
    keelson->SetUnattended(true);
    keelson->SetActivity("Reading the settings");
    keelson->SetSuggestion("Check the settings store");
    keelson->ProcEnter("PWKAddinApp", "Init");
    keelson->ProcEnter("RegSettings", "ReadReg");
    keelson->HandleError(Failure(91, "Object variable not set", "PWKCommon", 12), "RegSettings",
                         "ReadReg", "", Boundary::Component, Severity::Normal, 1);
    const std::string log = FileText(keelson->LogFileNativePath());
    EXPECT_NE(log.find("ERROR 91 in RegSettings.ReadReg, line 12"), std::string::npos) << log;
    EXPECT_NE(log.find("  Description: Object variable not set"), std::string::npos);
    EXPECT_NE(log.find("  Source: PWKCommon"), std::string::npos);
    EXPECT_NE(log.find("  Boundary: 4, severity: 2"), std::string::npos);
    EXPECT_NE(log.find("  Activity: Reading the settings"), std::string::npos);
    EXPECT_NE(log.find("  Suggestion: Check the settings store"), std::string::npos);
    EXPECT_NE(log.find("    RegSettings.ReadReg\n"), std::string::npos);
    EXPECT_LT(log.find("    RegSettings.ReadReg\n"), log.find("    PWKAddinApp.Init\n"));
    EXPECT_NE(log.find("  Reported as: Client text for 91 / Client suggestion"), std::string::npos);
    EXPECT_NE(log.find("  Action: 2 (exit procedure)"), std::string::npos);
}

TEST_F(KeelsonLog, DiagnosticsOncePerLog) {
    keelson->SetUnattended(true);
    const Failure failure(5, "Invalid procedure call or argument");
    keelson->HandleError(failure, "M", "P", "", Boundary::Host, Severity::Normal, 1);
    keelson->ErrorExit(Boundary::Host);
    keelson->HandleError(failure, "M", "P", "", Boundary::Host, Severity::Normal, 1);
    keelson->ErrorExit(Boundary::Host);
    EXPECT_EQ(client->Count("GetDiagnostics"), 1);
    EXPECT_EQ(Occurrences(LogContents(), "] diagnostic line\n"), 1);
    keelson->Start();
    keelson->HandleError(failure, "M", "P", "", Boundary::Host, Severity::Normal, 1);
    EXPECT_EQ(client->Count("GetDiagnostics"), 2);
}

TEST_F(KeelsonLog, ExceptionFilterLogsSavesAndEndsTheApplication) {
    keelson->ProcEnter("HookedButton", "Click");
    platform.SetUnhandledExceptionFilter(
        [this](const ExceptionRecord& record) { return keelson->ExceptionFilter(record); });
    EXPECT_EQ(platform.RaiseUnhandledException({0xC0000005u, 0x401000, "access violation"}), 1);
    const std::string log = FileText(keelson->LogFileNativePath());
    EXPECT_NE(log.find("UNHANDLED EXCEPTION 0xC0000005 at 0x0000000000401000: access violation"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("    HookedButton.Click\n"), std::string::npos);
    EXPECT_EQ(client->calls, (std::vector<std::string>{"EndApplication"}));
}

TEST_F(KeelsonLog, FailingClientCallbackIsLoggedAndTheFilterStillAnswers) {
    client->failEndApplication = true;
    EXPECT_EQ(keelson->ExceptionFilter({1, 2, "x"}), 1);
    EXPECT_NE(LogContents().find("The client's EndApplication failed: error 5: cannot end"),
              std::string::npos);
}

}  // namespace
}  // namespace pwk::test
