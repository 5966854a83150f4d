#include <gtest/gtest.h>

#include <sstream>
#include <string>

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

TEST(ScenarioLineErrors, AnUnclosedQuoteIsReportedWithItsLine) {
    EXPECT_EQ(ErrorOf(R"(open "Aiko Tanaka)"), "line 7: a double quote is not closed");
}

TEST(ScenarioLineErrors, UnknownCommandsAreNamedAndFamiliesListed) {
    EXPECT_EQ(ErrorOf("launch"), "line 7: unknown command \"launch\" (\"help\" lists them)");
    const std::string family = ErrorOf("expect boxes Welcome");
    EXPECT_NE(family.find("unknown command \"expect boxes\""), std::string::npos) << family;
    EXPECT_NE(family.find("expect no-box"), std::string::npos) << family;
}

TEST(ScenarioLineErrors, ArgumentCountsAreChecked) {
    EXPECT_EQ(ErrorOf("switch"), "line 7: switch needs FOLDER (usage: switch FOLDER)");
    EXPECT_EQ(ErrorOf("quit now"),
              "line 7: quit: too many arguments, \"now\" is one too many (usage: quit)");
    EXPECT_NE(ErrorOf("track A B").find("track needs EMAILS"), std::string::npos);
}

TEST(ScenarioLineErrors, NumbersAndChoicesAreChecked) {
    EXPECT_NE(ErrorOf("expect hooks one 0").find("EXPLORERS must be a whole number, not \"one\""),
              std::string::npos);
    EXPECT_NE(ErrorOf("answer Maybe").find("\"Maybe\" is not one of Yes|No|OK|Cancel|Help"),
              std::string::npos);
    EXPECT_NE(ErrorOf("expect button Help visible").find("\"visible\" is not one of"),
              std::string::npos);
    // Failure numbers may be written as the host reports them.
    EXPECT_EQ(Parse("fail Items.Find 0x80004005").Args[1], "0x80004005");
    EXPECT_EQ(Parse("fail-call 3 -2147467259").Args[1], "-2147467259");
    EXPECT_NE(ErrorOf("fail-call 3 0x123456789").find("must be a whole number"), std::string::npos);
}

TEST(ScenarioLineErrors, PlacesCountFromOneAndCountsFromNothing) {
    EXPECT_NE(ErrorOf("expect item Acme/Contacts 0 FullName=x")
                  .find("expect item: N must be at least 1, not 0"),
              std::string::npos);
    EXPECT_NE(ErrorOf("untrack -1").find("N must be at least 1, not -1"), std::string::npos);
    EXPECT_NE(ErrorOf("expect hooks 1 -1").find("INSPECTORS must be at least 0, not -1"),
              std::string::npos);
    EXPECT_NE(ErrorOf("fail Items.Find times=-3").find("fail: times must be at least 1, not -3"),
              std::string::npos);
    EXPECT_NE(ErrorOf("nothing Items.Find times=0").find("times must be at least 1"),
              std::string::npos);
    EXPECT_NE(ErrorOf("expect log x times=many").find("times must be a whole number"),
              std::string::npos);
    EXPECT_NE(ErrorOf("fail-call 0").find("N must be at least 1, not 0"), std::string::npos);
    // None of something is a count a check may ask for.
    EXPECT_EQ(Parse("expect log x times=0").Option("times"), "0");
    EXPECT_EQ(Parse("expect count Acme/Contacts 0").Args[1], "0");
    EXPECT_EQ(Parse("fail Items.Find -2147467259 times=2").Option("times"), "2");
}

TEST(ScenarioLineErrors, OptionsAreCheckedByName) {
    EXPECT_NE(ErrorOf("start folder=Inbox").find("start takes no option \"folder\""),
              std::string::npos);
    EXPECT_NE(ErrorOf("compose mail subject=a subject=b").find("option \"subject\" is given twice"),
              std::string::npos);
    EXPECT_NE(ErrorOf("subject=a").find("a line must start with a command"), std::string::npos);
    EXPECT_NE(ErrorOf("open Acme/Contacts=x").find("is not a key=value option"), std::string::npos);
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
