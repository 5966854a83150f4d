#include "store/SettingsFileLocation.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/support/EnvironmentGuard.h"

namespace pwk {
namespace {

class SettingsFileLocationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        env.Set("PWK_SETTINGS", "/env/settings.db");
        env.Set("XDG_CONFIG_HOME", "/xdg");
        env.Set("HOME", "/home/user");
    }
    test::EnvironmentGuard env;
};

TEST_F(SettingsFileLocationTest, TheOptionWinsOverEverything) {
    EXPECT_EQ(SettingsFileLocation::Resolve("/option.db"), "/option.db");
}

TEST_F(SettingsFileLocationTest, TheEnvironmentVariableWinsOverTheConfigurationFolder) {
    EXPECT_EQ(SettingsFileLocation::Resolve(), "/env/settings.db");
    EXPECT_EQ(SettingsFileLocation::Resolve(""), "/env/settings.db");
}

TEST_F(SettingsFileLocationTest, TheConfigurationFolderComesNext) {
    env.Set("PWK_SETTINGS", "");
    EXPECT_EQ(SettingsFileLocation::Resolve(), "/xdg/parleywick/settings.db");
}

TEST_F(SettingsFileLocationTest, TheHomeFolderIsTheLastResort) {
    env.Set("PWK_SETTINGS", std::nullopt);
    env.Set("XDG_CONFIG_HOME", std::nullopt);
    EXPECT_EQ(SettingsFileLocation::Resolve(), "/home/user/.config/parleywick/settings.db");
}

TEST_F(SettingsFileLocationTest, ARelativeConfigurationFolderIsIgnored) {
    env.Set("PWK_SETTINGS", std::nullopt);
    env.Set("XDG_CONFIG_HOME", "relative/config");
    EXPECT_EQ(SettingsFileLocation::Resolve(), "/home/user/.config/parleywick/settings.db");
}

}  // namespace
}  // namespace pwk
