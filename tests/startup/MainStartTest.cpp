#include "src/platform/MessageBoxStyle.h"
#include "tests/startup/StartupFixture.h"

namespace pwk::test {
namespace {

using MainStart = StartupFixture;

TEST_F(MainStart, StartsTheLibraryWithTheClientAndTheComponentsSettings) {
    MStartup::Main(component);
    EXPECT_TRUE(component.ErrorFrameworkStarted);
    EXPECT_TRUE(component.MainHasRun);
    ASSERT_NE(Library(), nullptr);
    EXPECT_NE(component.ErrorClient(), nullptr);
    EXPECT_FALSE(Library()->Trace());
    EXPECT_NE(Library()->LogFileNativePath(), "");
    EXPECT_TRUE(platform.MessageBoxes().empty());
}

TEST_F(MainStart, TraceSwitchIsCaseSensitiveAndFoundAnywhere) {
    const std::vector<std::pair<std::string, bool>> cases = {
        {"OUTLOOK.EXE /TRACE", true},  {"\"C:\\Program Files\\OUTLOOK.EXE\" /select /TRACEX", true},
        {"OUTLOOK.EXE /trace", false}, {"OUTLOOK.EXE /Trace", false},
        {"OUTLOOK.EXE", false},
    };
    for (const auto& [commandLine, traced] : cases) {
        sim::ScriptedPlatform host;
        RegisterKeelson(host.Factories(), host);
        host.SetCommandLine(commandLine);
        Component addin(host);
        MStartup::Main(addin);
        ASSERT_TRUE(addin.ErrorFrameworkStarted) << commandLine;
        EXPECT_EQ(addin.Errors().Trace(), traced) << commandLine;
    }
}

TEST_F(MainStart, RunsOncePerComponent) {
    int created = 0;
    platform.Factories().Register(ErrorLibraryProgID, [&] {
        ++created;
        return std::make_shared<Keelson>(platform);
    });
    MStartup::Main(component);
    const auto first = component.ErrorObject();
    MStartup::Main(component);
    EXPECT_EQ(created, 1);
    EXPECT_EQ(component.ErrorObject(), first);
}

TEST_F(MainStart, ExceptionFilterHandsUnhandledExceptionsToTheLibrary) {
    MStartup::Main(component);
    ASSERT_TRUE(platform.HasExceptionFilter());
    EXPECT_EQ(platform.RaiseUnhandledException({0xC0000005u, 0x1000, "access violation"}), 1);
    // The library ended the application through the client.
    EXPECT_TRUE(component.AddinStopped);
    ASSERT_EQ(platform.MessageBoxes().size(), 1u);
    EXPECT_EQ(platform.MessageBoxes()[0].Title, "Parleywick");
}

TEST_F(MainStart, FilterCanBeSwitchedOff) {
    MStartup::Main(component);
    MStartup::SetExceptionFilter(component, false);
    EXPECT_FALSE(platform.HasExceptionFilter());
    EXPECT_EQ(platform.RaiseUnhandledException({}), 0);
}

TEST_F(MainStart, UnattendedSettingIsPassedOn) {
    platform.SetUnattended(true);
    MStartup::Main(component);
    component.Errors().HandleError(Failure(5, "x"), "M", "P", "", Boundary::Host, Severity::Normal,
                                   1);
    EXPECT_TRUE(platform.Dialogs().empty());
}

}  // namespace
}  // namespace pwk::test
