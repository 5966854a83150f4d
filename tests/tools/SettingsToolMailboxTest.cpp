#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/TempFolder.h"
#include "tools/settings/SettingsProgram.h"

namespace pwk::settingstool::test {
namespace {

// A public store with two groups of shared folders; one folder carries an identifier of its
// own, the others get the host's derived ones.
constexpr const char* kMailbox = R"json({
  "stores": [
    {"name": "Mailbox - Pat Jones", "default": true,
     "folders": [{"name": "Inbox", "defaultFolder": "Inbox"}]},
    {"name": "Acme Public",
     "folders": [
       {"name": "Customers", "folders": [
         {"name": "Contacts", "itemType": "contact", "entryId": "00AA11BB22CC33DD"},
         {"name": "Journal", "itemType": "journal"},
         {"name": "E-mails"}]},
       {"name": "Suppliers", "folders": [
         {"name": "Contacts", "itemType": "contact"},
         {"name": "Journal", "itemType": "journal"},
         {"name": "E-mails"}]}]}
  ]
})json";

// The program run on a settings file with a mailbox file. The add-in finding the folders the
// program added by their paths is hostile-count.scenario's (admin add, then a start that drops
// nothing), compared both ways.
class SettingsToolMailbox : public ::testing::Test {
  protected:
    SettingsToolMailbox() { std::ofstream(mailboxFile) << kMailbox; }

    int Run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--store", storeFile});
        out.str("");
        err.str("");
        return SettingsProgram::Run(args, out, err);
    }

    pwk::test::TempFolder folder;
    std::string storeFile = folder / "settings.db";
    std::string mailboxFile = folder / "mailbox.json";
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(SettingsToolMailbox, ListNamesTheFoldersOfTheMailbox) {
    Run({"add", "--mailbox", mailboxFile, "Acme Public/Customers/Contacts",
         "Acme Public/Customers/Journal", "Acme Public/Customers/E-mails"});
    Run({"add-ids", "00AA11BB22CC33DD", "", "FFFF0000FFFF0000", "", "x", "y"});

    ASSERT_EQ(Run({"list", "--mailbox", mailboxFile}), 0) << err.str();

    const std::string listed = out.str();
    EXPECT_NE(listed.find("  Acme Public/Customers/E-mails\n2  contacts EntryID=00AA11BB22CC33DD "
                          "StoreID=(empty)  Acme Public/Customers/Contacts\n"),
              std::string::npos)
        << listed;
    EXPECT_NE(listed.find("EntryID=FFFF0000FFFF0000 StoreID=(empty)  (not found)\n"),
              std::string::npos)
        << listed;
}

TEST_F(SettingsToolMailbox, ABadMailboxFileIsReportedAndChangesNothing) {
    std::ofstream(mailboxFile) << R"({"stores": [{"name": "A", "folders": 7}]})";
    EXPECT_EQ(Run({"add", "--mailbox", mailboxFile, "A/C", "A/J", "A/E"}), 1);
    EXPECT_EQ(err.str().rfind("parleywick-settings: " + mailboxFile, 0), 0u) << err.str();

    EXPECT_EQ(Run({"list", "--mailbox", folder / "missing.json"}), 1);
    EXPECT_FALSE(std::filesystem::exists(storeFile));
}

}  // namespace
}  // namespace pwk::settingstool::test
