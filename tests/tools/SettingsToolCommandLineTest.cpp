#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/settings/SettingsCommand.h"
#include "tools/settings/ToolError.h"

namespace pwk::settingstool::test {
namespace {

// The message of a command line refused as wrong; empty when it is accepted.
std::string UsageError(const std::vector<std::string>& args) {
    try {
        SettingsCommand::Parse(args);
    } catch (const ToolError& error) {
        EXPECT_EQ(error.ExitStatus, ToolError::Usage) << error.what();
        return error.what();
    }
    return "";
}

TEST(SettingsToolCommandLine, OptionsMayStandAnywhere) {
    const SettingsCommand command = SettingsCommand::Parse(
        {"add", "A/C", "--store", "s.db", "A/J", "--mailbox", "m.json", "A/E"});

    EXPECT_EQ(command.Name, "add");
    EXPECT_EQ(command.Arguments, (std::vector<std::string>{"A/C", "A/J", "A/E"}));
    EXPECT_EQ(command.StorePath, "s.db");
    EXPECT_EQ(command.MailboxPath, "m.json");
}

TEST(SettingsToolCommandLine, ANegativeNumberIsAValueAndDoubleDashEndsTheOptions) {
    EXPECT_EQ(SettingsCommand::Parse({"set", "LogLevel", "-1"}).Arguments.back(), "-1");
    EXPECT_EQ(SettingsCommand::Parse({"set", "--", "LogPath", "--store"}).Arguments.back(),
              "--store");
    EXPECT_FALSE(SettingsCommand::Parse({"set", "--", "LogPath", "--store"}).StorePath);
}

TEST(SettingsToolCommandLine, WrongCommandLinesAreRefusedWithTheReason) {
    EXPECT_EQ(UsageError({}), "no command given (see --help)");
    EXPECT_EQ(UsageError({"delete", "1"}), "unknown command \"delete\" (see --help)");
    EXPECT_EQ(UsageError({"list", "--verbose"}), "unknown option \"--verbose\" (see --help)");
    EXPECT_EQ(UsageError({"show", "--store"}), "--store needs a file name (see --help)");
    EXPECT_EQ(UsageError({"remove"}), "remove takes 1 argument, 0 given: remove N (see --help)");
    EXPECT_EQ(UsageError({"set", "LogLevel"}),
              "set takes 2 arguments, 1 given: set KEY VALUE (see --help)");
    EXPECT_EQ(UsageError({"add-ids", "a", "b", "c", "d", "e"}).substr(0, 33),
              "add-ids takes 6 arguments, 5 give");
}

TEST(SettingsToolCommandLine, AMailboxIsRequiredForPathsAndRefusedWhereUnused) {
    EXPECT_NE(UsageError({"add", "A/C", "A/J", "A/E"}).find("needs the mailbox"),
              std::string::npos);
    EXPECT_NE(UsageError({"remove", "1", "--mailbox", "m"}).find("does not use a mailbox"),
              std::string::npos);
    EXPECT_EQ(UsageError({"list", "--mailbox", "m"}), "");
    EXPECT_EQ(UsageError({"list"}), "");
}

TEST(SettingsToolCommandLine, HelpNeedsNoCommandAndNamesEveryCommandAndKey) {
    EXPECT_TRUE(SettingsCommand::Parse({"--help"}).Help);
    EXPECT_TRUE(SettingsCommand::Parse({"bogus", "-h"}).Help);

    const std::string help = SettingsCommand::HelpText();
    for (const char* word : {"show", "list [--mailbox FILE]", "add --mailbox FILE CONTACTS",
                             "add-ids", "remove N", "set KEY VALUE", "TrackUnlinkedEmail",
                             "UseSentMailFolder", "LogFilename", "--store FILE", "PWK_SETTINGS"}) {
        EXPECT_NE(help.find(word), std::string::npos) << word;
    }
}

}  // namespace
}  // namespace pwk::settingstool::test
