#include <filesystem>
#include <fstream>

#include "src/platform/MessageBoxStyle.h"
#include "tests/startup/StartupFixture.h"

namespace pwk::test {
namespace {

class MainFailure : public StartupFixture {
  protected:
    const sim::ScriptedPlatform::MessageBoxRecord& OnlyBox() {
        EXPECT_EQ(platform.MessageBoxes().size(), 1u);
        return platform.MessageBoxes().at(0);
    }
};

TEST_F(MainFailure, MissingErrorLibraryGivesTheStartupMessage) {
    platform.Factories().Unregister(ErrorLibraryProgID);
    MStartup::Main(component);
    EXPECT_FALSE(component.ErrorFrameworkStarted);
    EXPECT_TRUE(component.MainHasRun);
    const auto& box = OnlyBox();
    EXPECT_EQ(box.Text,
              "Failed to Initialize Error Handling Module.  Please ensure the application is "
              "installed correctly.\r\n\r\n"
              "Description: ActiveX component can't create object\r\n"
              "Source: [Sub Main][Line 0] Keelson6.ErrorObject\r\n"
              "Error Code: 429");
    EXPECT_EQ(box.Title, "Parleywick");
    EXPECT_EQ(box.Style, MsgBoxStyle::Critical | MsgBoxStyle::OkOnly);
    // The filter went in before the library was asked for.
    EXPECT_TRUE(platform.HasExceptionFilter());
    EXPECT_EQ(platform.RaiseUnhandledException({}), 0);
}

TEST_F(MainFailure, ObjectThatIsNotAnErrorLibraryCannotBeCreated) {
    platform.Factories().Register(ErrorLibraryProgID,
                                  [] { return std::make_shared<sim::ScriptedFileUtility>(); });
    MStartup::Main(component);
    EXPECT_FALSE(component.ErrorFrameworkStarted);
    EXPECT_NE(OnlyBox().Text.find("Error Code: 429"), std::string::npos);
}

TEST_F(MainFailure, LogThatCannotBeOpenedGivesTheStartupMessageWithItsLine) {
    std::filesystem::create_directories(platform.NativePath("D:\\"));
    std::ofstream(platform.NativePath("D:\\Logs")) << "a file, not a folder";
    store.SaveSetting("Parleywick", "Logging", "LogPath", "D:\\Logs\\Deeper");
    MStartup::Main(component);
    EXPECT_FALSE(component.ErrorFrameworkStarted);
    const std::string& text = OnlyBox().Text;
    EXPECT_NE(text.find("Description: Cannot open the log file \"D:\\Logs\\Deeper\\PWK\""),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Source: [Sub Main][Line 0] Keelson6\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Error Code: 75"), std::string::npos);
}

TEST_F(MainFailure, FailedStartShowsOneBoxOnlyEvenIfMainIsCalledAgain) {
    platform.Factories().Unregister(ErrorLibraryProgID);
    MStartup::Main(component);
    MStartup::Main(component);
    EXPECT_EQ(platform.MessageBoxes().size(), 1u);
}

}  // namespace
}  // namespace pwk::test
