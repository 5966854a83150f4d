#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "store/SqliteSettingsStore.h"
#include "tests/support/EnvironmentGuard.h"
#include "tests/support/TempFolder.h"
#include "tools/settings/SettingsProgram.h"

namespace pwk::settingstool::test {
namespace {

// The program as the administrator runs it, on settings files in a temporary folder.
class SettingsToolProgram : public ::testing::Test {
  protected:
    int Run(std::vector<std::string> args) {
        out.str("");
        err.str("");
        return SettingsProgram::Run(args, out, err);
    }

    static std::string Contents(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

    pwk::test::TempFolder folder;
    std::string file = folder / "settings.db";
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(SettingsToolProgram, WithoutAStoreOptionTheSettingsEnvironmentVariableIsUsed) {
    pwk::test::EnvironmentGuard environment;
    environment.Set("PWK_SETTINGS", file);

    EXPECT_EQ(Run({"set", "LogFilename", "Team"}), 0);
    EXPECT_EQ(SqliteSettingsStore(file).GetSetting("Parleywick", "Logging", "LogFilename"), "Team");
    EXPECT_EQ(Run({"show"}), 0);
    EXPECT_NE(out.str().find("in " + file + ":"), std::string::npos) << out.str();
}

TEST_F(SettingsToolProgram, ACorruptStoreIsReportedInTheStoresWordsAndLeftUntouched) {
    {
        std::ofstream corrupt(file, std::ios::binary);
        corrupt << "These are not settings at all, just text that is long enough to look at.\n";
    }
    const std::string before = Contents(file);

    for (const std::vector<std::string>& command : {std::vector<std::string>{"show"},
                                                    {"list"},
                                                    {"set", "JournalEmails", "true"},
                                                    {"add-ids", "ce", "cs", "je", "js", "ee", "es"},
                                                    {"remove", "1"}}) {
        std::vector<std::string> args = {"--store", file};
        args.insert(args.end(), command.begin(), command.end());
        EXPECT_EQ(Run(args), 1) << command.front();
        EXPECT_EQ(err.str().rfind("parleywick-settings: ", 0), 0u) << err.str();
        EXPECT_NE(err.str().find(file), std::string::npos) << err.str();
        EXPECT_EQ(out.str(), "");
    }
    EXPECT_EQ(Contents(file), before);
}

TEST_F(SettingsToolProgram, CommandsThatOnlyReadChangeNoByteOfTheStore) {
    ASSERT_EQ(Run({"--store", file, "add-ids", "ce", "cs", "je", "js", "ee", "es"}), 0)
        << err.str();
    ASSERT_EQ(Run({"--store", file, "set", "LogLevel", "3"}), 0) << err.str();
    const std::string before = Contents(file);

    for (const char* command : {"show", "list", "dropped"}) {
        EXPECT_EQ(Run({"--store", file, command}), 0) << command << ": " << err.str();
        EXPECT_EQ(Contents(file), before) << command;
    }
    // An empty file is not laid out by a reading command; a writing one does it.
    std::ofstream(file, std::ios::binary | std::ios::trunc).flush();
    EXPECT_EQ(Run({"--store", file, "list"}), 0) << err.str();
    EXPECT_EQ(Contents(file), "");
    EXPECT_EQ(Run({"--store", file, "set", "LogLevel", "2"}), 0) << err.str();
    EXPECT_NE(Contents(file), "");
}

TEST_F(SettingsToolProgram, ExitStatusTellsAWrongCommandLineFromARefusal) {
    EXPECT_EQ(Run({"--store", file, "frobnicate"}), 2);
    EXPECT_EQ(err.str(), "parleywick-settings: unknown command \"frobnicate\" (see --help)\n");
    EXPECT_EQ(Run({"--store", file, "set", "JournalEmails", "maybe"}), 1);
    EXPECT_EQ(err.str(), "parleywick-settings: JournalEmails takes true or false, not \"maybe\"\n");
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(Run({"--help"}), 0);
    EXPECT_EQ(out.str().rfind("Usage: parleywick-settings", 0), 0u);
}

TEST_F(SettingsToolProgram, HostileInputFilesGetOneLocatedMessage) {
    // An empty store name is a mistake, never the default store.
    EXPECT_EQ(Run({"--store", "", "list"}), 2);
    EXPECT_NE(err.str().find("--store needs a file name"), std::string::npos);

    const std::string mailbox = folder / "big.json";
    std::ofstream(mailbox) << "{\"stores\": [{\"name\": \"S\",\n \"folders\": 1e+3000}]}";
    EXPECT_EQ(Run({"--store", file, "list", "--mailbox", mailbox}), 1);
    EXPECT_EQ(err.str(), "parleywick-settings: " + mailbox +
                             ": line 2, column 13: the number 1e+3000 is too large\n");
    EXPECT_EQ(Run({"--store", file, "list", "--mailbox", folder.Path()}), 1);
    EXPECT_NE(err.str().find("a folder, not a mailbox file"), std::string::npos);
    // An endless stream ends at once with one line instead of a read that never ends.
    EXPECT_EQ(Run({"--store", file, "list", "--mailbox", "/dev/zero"}), 1);
    EXPECT_EQ(err.str(),
              "parleywick-settings: /dev/zero: not a plain file (a device, a pipe or "
              "a socket), so not a mailbox file\n");
}

}  // namespace
}  // namespace pwk::settingstool::test
