#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>

#include "tools/scenario/CommandRunner.h"
#include "tools/scenario/CommandTable.h"
#include "tools/scenario/ScenarioError.h"
#include "tools/scenario/ScenarioParser.h"

namespace pwk::scenario {
namespace {

// The error message a malformed line gives, with its line number.
std::string ErrorOf(const std::string& text, int line = 7) {
    try {
        ScenarioParser().ParseLine(text, line);
    } catch (const ScenarioError& error) {
        EXPECT_EQ(error.Line(), line);
        return error.Describe();
    }
    ADD_FAILURE() << "no error for: " << text;
    return {};
}

Command Parse(const std::string& text) {
    const auto command = ScenarioParser().ParseLine(text, 1);
    EXPECT_TRUE(command.has_value()) << text;
    return command.value_or(Command{});
}

TEST(ScenarioWords, QuotedTextsKeepTheirBlanksAndDoubledQuotes) {
    const Command command = Parse(R"(expect box "Backup Error Log?" "copied to: ""C:\x.log""")");
    EXPECT_EQ(command.Name, "expect box");
    ASSERT_EQ(command.Args.size(), 2u);
    EXPECT_EQ(command.Args[0], "Backup Error Log?");
    EXPECT_EQ(command.Args[1], R"(copied to: "C:\x.log")");
}

TEST(ScenarioWords, QuotesMayJoinPartsOfOneWord) {
    const Command command = Parse(R"(open Acme" "Public)");
    ASSERT_EQ(command.Args.size(), 1u);
    EXPECT_EQ(command.Args[0], "Acme Public");
}

TEST(ScenarioWords, CommentsStartAtAWordOutsideQuotes) {
    const Command command = Parse(R"(note "#1 is not a comment" tag#2 # but this is "x)");
    ASSERT_EQ(command.Args.size(), 2u);
    EXPECT_EQ(command.Args[0], "#1 is not a comment");
    EXPECT_EQ(command.Args[1], "tag#2");
    EXPECT_EQ(command.Text, R"(note "#1 is not a comment" tag#2)");
}

TEST(ScenarioWords, BlankAndCommentLinesGiveNoCommand) {
    EXPECT_FALSE(ScenarioParser().ParseLine("", 1));
    EXPECT_FALSE(ScenarioParser().ParseLine("   \t", 1));
    EXPECT_FALSE(ScenarioParser().ParseLine("  # start", 1));
}

TEST(ScenarioWords, OptionsTakeQuotedValuesAndAQuotedEqualsSignIsPlainText) {
    const Command command =
        Parse(R"(compose mail to=a@x.example,b@x.example subject="Hello there" body=)");
    EXPECT_EQ(command.Option("to"), "a@x.example,b@x.example");
    EXPECT_EQ(command.Option("subject"), "Hello there");
    EXPECT_TRUE(command.Has("body"));
    EXPECT_EQ(command.Option("body"), "");
    EXPECT_TRUE(command.Args.empty());

    const Command plain = Parse(R"(open "a=b")");
    ASSERT_EQ(plain.Args.size(), 1u);
    EXPECT_EQ(plain.Args[0], "a=b");
    EXPECT_TRUE(plain.Options.empty());
}

TEST(ScenarioWords, FieldChecksTakeAnyFieldName) {
    const Command command =
        Parse(R"(expect item "Acme Public/Customers/Journal" 2 Type="Phone Call" Links=Ann)");
    EXPECT_EQ(command.Option("Type"), "Phone Call");
    EXPECT_EQ(command.Option("Links"), "Ann");
}

TEST(ScenarioWords, CommandNamesIgnoreLetterCase) {
    EXPECT_EQ(Parse("Expect No-Box").Name, "expect no-box");
    EXPECT_EQ(Parse("QUIT").Name, "quit");
}

// Each malformed line and the words its error must contain; a row that starts with the line
// number is the whole message.
TEST(ScenarioLineErrors, EachMalformedLineIsReportedWithWhatIsWrong) {
    const struct {
        const char* line;
        const char* error;
    } rows[] = {
        {R"(open "Aiko Tanaka)", "line 7: a double quote is not closed"},
        {"launch", "line 7: unknown command \"launch\" (\"help\" lists them)"},
        {"switch", "line 7: switch needs FOLDER (usage: switch FOLDER)"},
        {"quit now", "line 7: quit: too many arguments, \"now\" is one too many (usage: quit)"},
        // An unknown command of a known family lists the family.
        {"expect boxes Welcome", "unknown command \"expect boxes\""},
        {"expect boxes Welcome", "expect no-box"},
        {"track A B", "track needs EMAILS"},
        // Numbers and choices.
        {"expect hooks one 0", "EXPLORERS must be a whole number, not \"one\""},
        {"answer Maybe", "\"Maybe\" is not one of Yes|No|OK|Cancel|Help"},
        {"expect button Help visible", "\"visible\" is not one of"},
        {"fail-call 3 0x123456789", "must be a whole number"},
        // Places count from one, counts from nothing.
        {"expect item Acme/Contacts 0 FullName=x", "expect item: N must be at least 1, not 0"},
        {"untrack -1", "N must be at least 1, not -1"},
        {"expect hooks 1 -1", "INSPECTORS must be at least 0, not -1"},
        {"fail Items.Find times=-3", "fail: times must be at least 1, not -3"},
        {"nothing Items.Find times=0", "times must be at least 1"},
        {"expect log x times=many", "times must be a whole number"},
        {"fail-call 0", "N must be at least 1, not 0"},
        // Options are checked by name.
        {"start folder=Inbox", "start takes no option \"folder\""},
        {"compose mail subject=a subject=b", "option \"subject\" is given twice"},
        {"subject=a", "a line must start with a command"},
        {"open Acme/Contacts=x", "is not a key=value option"},
    };
    for (const auto& row : rows) {
        const std::string error = ErrorOf(row.line);
        if (std::string_view(row.error).starts_with("line ")) {
            EXPECT_EQ(error, row.error);
        } else {
            EXPECT_NE(error.find(row.error), std::string::npos) << row.line << ": " << error;
        }
    }
}

TEST(ScenarioLineErrors, HostFailureNumbersAndCountsOfNothingAreAccepted) {
    EXPECT_EQ(Parse("fail Items.Find 0x80004005").Args[1], "0x80004005");
    EXPECT_EQ(Parse("fail-call 3 -2147467259").Args[1], "-2147467259");
    EXPECT_EQ(Parse("expect log x times=0").Option("times"), "0");
    EXPECT_EQ(Parse("expect count Acme/Contacts 0").Args[1], "0");
    EXPECT_EQ(Parse("fail Items.Find -2147467259 times=2").Option("times"), "2");
}

TEST(ScenarioFiles, TheFirstMalformedLineStopsParsingWithItsNumber) {
    std::istringstream text("# a scenario\nstart\n\nexpect hooks 1\nquit extra\n");
    try {
        ScenarioParser().ParseAll(text);
        FAIL() << "no error";
    } catch (const ScenarioError& error) {
        EXPECT_EQ(error.Line(), 4);
        EXPECT_NE(error.Describe().find("expect hooks needs INSPECTORS"), std::string::npos);
    }
}

TEST(ScenarioFiles, CommandsKeepTheLinesTheyStandOn) {
    std::istringstream text("# a scenario\n\nstart   # morning\n  quit\n");
    const auto commands = ScenarioParser().ParseAll(text);
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0].Line, 3);
    EXPECT_EQ(commands[0].Text, "start");
    EXPECT_EQ(commands[1].Line, 4);
    EXPECT_EQ(commands[1].Text, "quit");
}

TEST(ScenarioCommandTable, EveryCommandHasAHandlerAndAUsageStartingWithItsName) {
    EXPECT_TRUE(CommandRunner::CoversTable());
    for (const CommandSpec& spec : CommandTable::Standard().All()) {
        EXPECT_EQ(spec.Usage.rfind(spec.Name, 0), 0u) << spec.Name;
        EXPECT_FALSE(spec.Summary.empty()) << spec.Name;
    }
}

}  // namespace
}  // namespace pwk::scenario
