#include "store/SettingsFileLocation.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

namespace pwk {
namespace {

// Sets environment variables for one test and puts the old values back afterwards.
class EnvironmentGuard {
  public:
    void Set(const char* name, const std::optional<std::string>& value) {
        if (!saved_.count(name)) {
            const char* old = std::getenv(name);
            saved_[name] = old == nullptr ? std::nullopt : std::optional<std::string>(old);
        }
        Apply(name, value);
    }
    ~EnvironmentGuard() {
        for (const auto& [name, value] : saved_) {
            Apply(name.c_str(), value);
        }
    }

  private:
    static void Apply(const char* name, const std::optional<std::string>& value) {
        if (value) {
            setenv(name, value->c_str(), 1);
        } else {
            unsetenv(name);
        }
    }
    std::map<std::string, std::optional<std::string>> saved_;
};

class SettingsFileLocationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        env.Set("PWK_SETTINGS", "/env/settings.db");
        env.Set("XDG_CONFIG_HOME", "/xdg");
        env.Set("HOME", "/home/user");
    }
    EnvironmentGuard env;
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
