#include "src/errors/CErrorClient.h"

#include <gtest/gtest.h>

#include "sim/ScriptedPlatform.h"
#include "src/component/Component.h"
#include "src/platform/MessageBoxStyle.h"
#include "tests/support/FakeErrorLibrary.h"

namespace pwk::test {
namespace {

// Records the custom-button settings in order and can fail one chosen log line.
class RecordingLibrary : public FakeErrorLibrary {
  public:
    std::vector<std::string> buttonCalls;
    std::string failingLine;

    void LogText(const std::string& text) override {
        if (!failingLine.empty() && text == failingLine) {
            throw Failure(5, "log failed");
        }
        FakeErrorLibrary::LogText(text);
    }
    void ClearCustomButtons(int index) override {
        buttonCalls.push_back("Clear " + std::to_string(index));
    }
    void SetCustomButtonCaption(int index, const std::string& caption) override {
        buttonCalls.push_back("Caption " + std::to_string(index) + " " + caption);
    }
    void SetCustomButtonToolTip(int index, const std::string& tooltip) override {
        buttonCalls.push_back("ToolTip " + std::to_string(index) + " " + tooltip);
    }
    void SetShowCustomButtons(bool show) override {
        buttonCalls.push_back(std::string("Show ") + (show ? "true" : "false"));
    }
    void SetCustomFrameCaption(const std::string& caption) override {
        buttonCalls.push_back("Frame " + caption);
    }
};

OsVersionInfo Os(std::uint32_t platformId, std::uint32_t major, std::uint32_t minor,
                 std::uint32_t build, std::string servicePack) {
    OsVersionInfo info;
    info.PlatformId = platformId;
    info.MajorVersion = major;
    info.MinorVersion = minor;
    info.BuildNumber = build;
    info.CSDVersion = std::move(servicePack);
    return info;
}

class CErrorClientTest : public ::testing::Test {
  protected:
    void SetUp() override { component.SetErrorObject(library); }

    std::vector<std::string> Diagnostics() {
        std::string diagnostics = "left alone";
        client.GetDiagnostics(diagnostics);
        EXPECT_EQ(diagnostics, "left alone");
        return library->logLines;
    }

    const std::vector<std::string> applicationLines = {
        "Application Version\r\n",    "  Major          = 2", "  Minor          = 1",
        "  Revision       = 158\r\n", "Outlook version: ",    "Outlook product code: "};

    sim::ScriptedPlatform platform;
    Component component{platform};
    std::shared_ptr<RecordingLibrary> library = std::make_shared<RecordingLibrary>();
    CErrorClient client{component};
};

std::vector<std::string> Join(std::vector<std::string> first,
                              const std::vector<std::string>& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

TEST_F(CErrorClientTest, DiagnosticsForWindows2000BeforeInit) {
    platform.SetVersionInfo(Os(2, 5, 0, 2195, "Service Pack 2"));
    EXPECT_EQ(Diagnostics(), Join({"Operating System\r\n", "  Platform       = Windows 2000",
                                   "  Version        = 5.0", "  Build          = 2195",
                                   "  Service Pack   = Service Pack 2\r\n"},
                                  applicationLines));
}

// Windows 98 Second Edition's build (the low 16 bits, then the service-pack text) is in
// host-identity.scenario.
TEST_F(CErrorClientTest, PlatformNamesOfBothFamilies) {
    const struct {
        std::uint32_t PlatformId, Major, Minor;
        std::string Name;
    } cases[] = {{2, 5, 0, "Windows 2000"}, {2, 5, 1, "Whistler"},     {2, 5, 2, "Windows NT"},
                 {2, 4, 0, "Windows NT"},   {1, 4, 0, "Windows 95"},   {1, 4, 10, "Windows 98"},
                 {1, 4, 90, "Windows Me"},  {1, 4, 3, "Unknown Win32"}};
    for (const auto& row : cases) {
        SCOPED_TRACE(row.Name);
        library->logLines.clear();
        platform.SetVersionInfo(Os(row.PlatformId, row.Major, row.Minor, 1, ""));
        EXPECT_EQ(Diagnostics().at(1), "  Platform       = " + row.Name);
    }
}

TEST_F(CErrorClientTest, ServicePackEndsAtTheFirstNulAndAt128Characters) {
    platform.SetVersionInfo(Os(2, 5, 0, 2195, std::string("SP3\0junk", 8)));
    EXPECT_EQ(Diagnostics().at(4), "  Service Pack   = SP3\r\n");
    library->logLines.clear();
    platform.SetVersionInfo(Os(2, 5, 0, 2195, std::string(200, 'x')));
    EXPECT_EQ(Diagnostics().at(4), "  Service Pack   = " + std::string(128, 'x') + "\r\n");
}

TEST_F(CErrorClientTest, FailedVersionQueryOrOtherPlatformSkipsTheSystemLines) {
    platform.SetVersionInfo(std::nullopt);
    EXPECT_EQ(Diagnostics(), applicationLines);
    library->logLines.clear();
    platform.SetVersionInfo(Os(0, 3, 1, 1, ""));
    EXPECT_EQ(Diagnostics(), Join({"Operating System\r\n"}, applicationLines));
}

TEST_F(CErrorClientTest, HostLinesCarryTheHostTextsOnceKnown) {
    platform.SetVersionInfo(std::nullopt);
    component.OutlookVersion = "9.0.0.2711";
    component.OutlookProductCode = "{00000409-78E1-11D2-B60F-006097C998E7}";
    const auto lines = Diagnostics();
    EXPECT_EQ(lines.at(4), "Outlook version: 9.0.0.2711");
    EXPECT_EQ(lines.at(5), "Outlook product code: {00000409-78E1-11D2-B60F-006097C998E7}");
}

TEST_F(CErrorClientTest, AFailingLineIsLeftOutAndTheRestWritten) {
    platform.SetVersionInfo(std::nullopt);
    library->failingLine = "  Minor          = 1";
    const auto lines = Diagnostics();
    EXPECT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines.back(), "Outlook product code: ");
}

struct ErrorTextCase {
    std::int32_t Error;
    std::string Description;
    std::string Suggestion;
};

TEST_F(CErrorClientTest, ErrorTextTableEdges) {
    const std::string keep = "the library's description";
    const std::string admin = "Contact your System Administrator";
    const std::string close = "Close any other applications and try again";
    const std::vector<ErrorTextCase> cases = {
        {7, "System Resource Error", close},
        {8, keep, admin},
        {260, "System Resource Error", close},
        {298, "System Configuration or System Resource Error", close},
        {335, keep, admin},
        {336, "System Configuration Error", admin},
        {338, "System Configuration Error", admin},
        {339, keep, admin},
        {429, "System Configuration Error", admin},
        {444, keep, admin},
        {445, "System Configuration Error", admin},
        {450, "System Configuration Error", admin},
        {451, keep, admin},
        {13, keep, admin},
        {52, "File or Disk Access Error", admin},
        {56, keep, admin},
        {76, "File or Disk Access Error", admin},
        {70, "File or Other Permissions Error", admin},
        {61, "Disk Full", "Free some disk space and try again"},
        {3336, "Disk Full", "Free some disk space and try again"},
        {71, "Disk or Device Not Ready",
         "Ensure a Disk is Inserted and Check the Device is Attached"},
        {485, keep, admin},
        {486, "Printer Not Capable", "Select another Printer and try again"},
        {541, "Database Resource In Use", "Try again later"},
        {735, "System TEMP Directory Error",
         "Verify System TEMP directory exists and Disk has sufficient free space, then try "
         "again"},
        {3703, keep, admin},
        {3709, "Database Access Error", admin},
        {3710, keep, admin},
        {16389, "Database Connection Failure", admin},
    };
    for (const ErrorTextCase& row : cases) {
        std::string description = keep;
        std::string suggestion = "anything";
        std::string notes;
        client.GetErrorText(row.Error, description, suggestion, notes);
        EXPECT_EQ(description, row.Description) << row.Error;
        EXPECT_EQ(suggestion, row.Suggestion) << row.Error;
        EXPECT_EQ(notes,
                  "Detailed diagnostics for this error have been logged, if the problem persists "
                  "contact technical support");
    }
}

TEST_F(CErrorClientTest, NotifyErrorSetsUpTheViewLogButtonAndLeavesTheAction) {
    int action = 5;
    client.NotifyError("M", "P", "", 2, 2, 0, 91, "text", "source", action);
    EXPECT_EQ(action, 5);
    EXPECT_EQ(library->buttonCalls,
              (std::vector<std::string>{"Clear 0", "Caption 1 View Log", "ToolTip 1 Opens notepad",
                                        "Show true", "Frame Reporting Tools"}));
}

TEST_F(CErrorClientTest, ViewLogOpensTheLogWithExactlyOneBackslash) {
    library->logFilename = "PWK";
    for (const char* folder : {"C:\\Logs", "C:\\Logs\\"}) {
        library->logPath = folder;
        std::int16_t index = 1;
        client.CustomClick(index);
        EXPECT_EQ(platform.ShellCalls().back().CommandLine, "Notepad.exe C:\\Logs\\PWK");
        EXPECT_EQ(platform.ShellCalls().back().WindowStyle, 1);
    }
    EXPECT_EQ(platform.ShellCalls().size(), 2u);
}

TEST_F(CErrorClientTest, OtherCustomButtonsDoNothing) {
    for (std::int16_t index : {std::int16_t{0}, std::int16_t{2}}) {
        client.CustomClick(index);
    }
    EXPECT_TRUE(platform.ShellCalls().empty());
}

TEST_F(CErrorClientTest, EndApplicationTellsTheUserAndStopsTheAddin) {
    component.AddinInitialised = true;
    component.ErrorFrameworkStarted = true;
    client.EndApplication();
    ASSERT_EQ(platform.MessageBoxes().size(), 1u);
    const auto& box = platform.MessageBoxes()[0];
    EXPECT_EQ(box.Text,
              "The Parleywick add-in has failed.  Please close Outlook and kill the OUTLOOK.EXE "
              "process using Task Manager, or restart your computer.");
    EXPECT_EQ(box.Title, "Parleywick");
    EXPECT_EQ(box.Style, MsgBoxStyle::Critical | MsgBoxStyle::OkOnly);
    EXPECT_TRUE(component.AddinStopped);
    EXPECT_FALSE(component.AddinIsRunning());
}

}  // namespace
}  // namespace pwk::test
