#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "sim/MailboxLoader.h"
#include "sim/SimFolder.h"
#include "sim/SimHost.h"
#include "src/component/Component.h"
#include "src/host/Application.h"
#include "src/host/NameSpace.h"
#include "src/tracking/RegSettings.h"
#include "src/tracking/TrackedFoldersets.h"
#include "store/SqliteSettingsStore.h"
#include "tests/support/FakeErrorLibrary.h"
#include "tests/support/NullPlatform.h"
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

// A platform whose settings store is the file the program wrote.
class FileStorePlatform : public pwk::test::NullPlatform {
  public:
    explicit FileStorePlatform(const std::string& path) : store(path) {}
    SettingsStore& Settings() override { return store; }
    SqliteSettingsStore store;
};

// The program run on a settings file with a mailbox file, and the add-in reading that
// settings file on the simulated host loaded from the same mailbox.
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

TEST_F(SettingsToolMailbox, TheAddInFindsTheFoldersAddedByTheirPaths) {
    ASSERT_EQ(Run({"add", "--mailbox", mailboxFile, "Acme Public/Suppliers/Contacts",
                   "Acme Public/Customers/Journal", "Acme Public/Suppliers/E-mails"}),
              0)
        << err.str();
    ASSERT_EQ(Run({"add", "--mailbox", mailboxFile, "Acme Public/Customers/Contacts",
                   "Acme Public/Customers/Journal", "Acme Public/Customers/E-mails"}),
              0)
        << err.str();

    sim::SimHost host;
    sim::MailboxLoader::LoadFile(host, mailboxFile);
    FileStorePlatform platform(storeFile);
    Component component(platform);
    auto errors = std::make_shared<pwk::test::FakeErrorLibrary>();
    component.SetErrorObject(errors);
    RegSettings settings(component);
    settings.ReadReg(host.Application());

    const auto foldersets = settings.TrackedFoldersets();
    ASSERT_EQ(foldersets->Count(), 2);
    const auto nameSpace = host.Application()->GetNamespace("MAPI");
    EXPECT_EQ(foldersets->Item(1)->getContactFoldEntryID(),
              host.Folder("Acme Public/Suppliers/Contacts")->EntryID());
    EXPECT_EQ(foldersets->Item(1)->JournalFolderName(nameSpace), "Journal");
    EXPECT_EQ(foldersets->Item(2)->getContactFoldEntryID(), "00AA11BB22CC33DD");
    EXPECT_TRUE(errors->logLines.empty());
}

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
