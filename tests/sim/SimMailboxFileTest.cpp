#include <gtest/gtest.h>

#include <string>

#include "sim/HostIds.h"
#include "sim/JsonLimits.h"
#include "sim/MailboxDumper.h"
#include "sim/MailboxError.h"
#include "sim/MailboxLoader.h"
#include "src/host/ContactItem.h"
#include "src/host/Items.h"
#include "src/host/NameSpace.h"
#include "src/util/Ref.h"
#include "tests/sim/SimTestMailbox.h"

namespace pwk::sim {
namespace {

std::string DemoPath() {
    const std::string here = __FILE__;
    return here.substr(0, here.rfind("/tests/")) + "/examples/demo-mailbox.json";
}

// The error a mailbox text gives; empty when it loads.
std::string ErrorOf(const std::string& text) {
    SimHost host;
    try {
        MailboxLoader::LoadText(host, text, "box.json");
    } catch (const MailboxError& error) {
        return error.what();
    }
    return {};
}

std::string Store(const std::string& folders) {
    return R"({"stores": [{"name": "S", "default": true, "folders": [)" + folders + "]}]}";
}

TEST(SimMailboxFile, TheDemoMailboxLoadsWithItsDefaultFoldersAndSharedContacts) {
    SimHost host;
    MailboxLoader::LoadFile(host, DemoPath());
    auto ns = host.Application()->GetNamespace("MAPI");

    EXPECT_EQ(ns->GetDefaultFolder(host::DefaultFolder::Inbox)->Name(), "Inbox");
    EXPECT_EQ(ns->GetDefaultFolder(host::DefaultFolder::SentMail)->Name(), "Sent Items");
    EXPECT_EQ(ns->GetDefaultFolder(host::DefaultFolder::Calendar)->DefaultItemType(),
              host::ItemType::Appointment);
    auto contacts = host.Folder("Acme Public/Customers/Contacts");
    EXPECT_EQ(contacts->DefaultItemType(), host::ItemType::Contact);
    auto found = As<host::ContactItem>(
        contacts->GetItems()->Find("[Email2Address] = \"ben.okafor@saltmarsh.example\""));
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->CompanyName(), "Saltmarsh Hotels");
    EXPECT_NE(host.Folder("Archive - Pat Jones/Old Mail")->StoreID(), contacts->StoreID());
}

TEST(SimMailboxFile, EveryLoadOfTheSameFileGivesTheSameIdentifiers) {
    SimHost first;
    SimHost second;
    MailboxLoader::LoadFile(first, DemoPath());
    MailboxLoader::LoadFile(second, DemoPath());
    auto a = first.Folder("Acme Public/Customers/Journal");
    auto b = second.Folder("Acme Public/Customers/Journal");

    EXPECT_EQ(a->EntryID(), b->EntryID());
    EXPECT_EQ(a->StoreID(), b->StoreID());
    EXPECT_EQ(a->GetItems()->Item(1)->EntryID(), b->GetItems()->Item(1)->EntryID());
    EXPECT_TRUE(HostIds::LooksValid(a->EntryID()));
    EXPECT_NE(a->EntryID(), first.Folder("Acme Public/Suppliers/Journal")->EntryID());
}

TEST(SimMailboxFile, ADumpLoadsBackWithTheSameIdentifiersAndContent) {
    SimHost original;
    MailboxLoader::LoadFile(original, DemoPath());
    original.OpenExplorer("Mailbox - Pat Jones/Inbox");
    auto mail = original.ComposeMail("Offer");
    original.AddRecipient(mail->AsItem(), "tom.becker@brightwater.example");
    original.AddLink(mail->AsItem(),
                     original.Folder("Acme Public/Customers/Contacts")->GetItems()->Item(2));
    original.Send(mail->AsItem());
    const std::string dump = MailboxDumper::Dump(original);

    SimHost copy;
    MailboxLoader::LoadText(copy, dump, "dump");

    EXPECT_EQ(MailboxDumper::Dump(copy), dump);
    auto sent = copy.Folder("Mailbox - Pat Jones/Sent Items")->GetItems()->Item(1);
    EXPECT_EQ(sent->EntryID(), mail->EntryId());
}

TEST(SimMailboxFile, InvalidJsonIsReportedByLineAndColumn) {
    EXPECT_EQ(ErrorOf("{\n  \"stores\": [\n    {,\n"),
              "box.json: line 3, column 6: the text is not valid JSON");
}

TEST(SimMailboxFile, HostileTextsAreRefusedWithTheirPlaceAndNeverCrash) {
    // A number beyond a double, after a string that holds one and a bracket: those are text.
    EXPECT_EQ(
        ErrorOf("{\"stores\": [{\"name\": \"1e+3000 [\\\" {\",\n"
                "  \"folders\": [{\"name\": \"F\", \"items\": [{\"Duration\": 1e+3000}]}]}]}"),
        "box.json: line 2, column 52: the number 1e+3000 is too large");
    // 12,000 nested folders: refused at the first level too deep, in one linear pass.
    std::string deep = "{\"stores\": [{\"name\": \"S\"";
    for (int level = 0; level < 12000; ++level) {
        deep += ", \"folders\": [{\"name\": \"F\"";
    }
    for (int level = 0; level < 12000; ++level) {
        deep += "}]";
    }
    deep += "}]}";
    EXPECT_EQ(ErrorOf(deep), "box.json: line 1, column 2587: lists and objects nest deeper than " +
                                 std::to_string(JsonLimits::MaxDepth) + " levels");
    // The deepest tree that is allowed loads, and its paths are whole.
    std::string allowed = "{\"stores\": [{\"name\": \"S\"";
    const int levels = (JsonLimits::MaxDepth - 3) / 2;
    for (int level = 0; level < levels; ++level) {
        allowed += ", \"folders\": [{\"name\": \"F\"";
    }
    for (int level = 0; level < levels; ++level) {
        allowed += "}]";
    }
    allowed += "}]}";
    SimHost host;
    MailboxLoader::LoadText(host, allowed, "box.json");
    std::string path = "S";
    for (int level = 0; level < levels; ++level) {
        path += "/F";
    }
    EXPECT_NE(host.Mailbox().FolderAt(path), nullptr);
}

TEST(SimMailboxFile, ErrorsSayWhatAndWhere) {
    EXPECT_EQ(ErrorOf(Store(R"({"name": "C", "itemType": "contact",
                               "items": [{"FullName": "A"}, {"Emial1Address": "x"}]})")),
              "box.json: stores[0].folders[0].items[1].Emial1Address: a contact item has no field "
              "\"Emial1Address\"");
    EXPECT_EQ(ErrorOf(Store(R"({"name": "C", "items": [{"Subject": 5}]})")),
              "box.json: stores[0].folders[0].items[0].Subject: a text is expected");
    EXPECT_EQ(ErrorOf(Store(R"({"name": "J", "itemType": "journal",
                               "items": [{"Start": "2000-02-30T10:00:00Z"}]})")),
              "box.json: stores[0].folders[0].items[0].Start: a date such as "
              "\"2000-03-06T09:30:00Z\" is expected");
    EXPECT_EQ(ErrorOf(Store(R"({"name": "A/B"})")),
              "box.json: stores[0].folders[0].name: a name must be non-empty and hold no \"/\"");
    EXPECT_EQ(ErrorOf(Store(R"({"name": "I", "defaultFolder": "Inbox"},
                             {"name": "J", "defaultFolder": "Inbox"})")),
              "box.json: stores[0].folders[1].defaultFolder: this default folder is given twice");
    EXPECT_EQ(
        ErrorOf(R"({"stores": [{"name": "S", "default": true}, {"name": "T", "default": true}]})"),
        "box.json: stores[1].default: only one store can be the default store");
    EXPECT_EQ(
        ErrorOf(
            R"({"stores": [{"name": "S", "folders": [{"name": "I", "defaultFolder": "Inbox"}]}]})"),
        "box.json: stores[0].folders[0].defaultFolder: default folders belong to the "
        "default store");
    EXPECT_EQ(ErrorOf(R"({"stores": [], "version": 2})"),
              "box.json: the file: unknown key \"version\"");
}

TEST(SimMailboxFile, LinksMustNameContactsOfTheMailbox) {
    const std::string journal =
        R"({"name": "C", "itemType": "contact", "items": [{"FullName": "A"}]},
        {"name": "M", "items": [{"Subject": "m"}]},
        {"name": "J", "itemType": "journal", "items": [{"links": [LINK]}]})";
    auto with = [&](const std::string& link) {
        std::string text = journal;
        text.replace(text.find("LINK"), 4, link);
        return ErrorOf(Store(text));
    };

    EXPECT_EQ(with(R"({"folder": "S/C", "item": 1})"), "");
    EXPECT_EQ(with(R"({"folder": "S/M", "item": 1})"),
              "box.json: stores[0].folders[2].items[0].links[0]: a link must name a contact of "
              "the mailbox");
    EXPECT_EQ(with(R"({"folder": "S/C", "item": 2})"),
              "box.json: stores[0].folders[2].items[0].links[0].item: the position of an item of "
              "the folder, from 1, is expected");
    EXPECT_EQ(with(R"({"folder": "S/X", "item": 1})"),
              "box.json: stores[0].folders[2].items[0].links[0].folder: there is no such folder");
}

TEST(SimMailboxFile, IdentifiersGivenInTheFileAreCheckedAndKept) {
    EXPECT_EQ(ErrorOf(Store(R"({"name": "A", "entryId": "00000000abcdef0123456789"})")),
              "box.json: stores[0].folders[0].entryId: an identifier is upper-case hexadecimal "
              "digits, at least 16");
    EXPECT_EQ(ErrorOf(Store(R"({"name": "A", "entryId": "00000000ABCDEF0123456789"},
                             {"name": "B", "entryId": "00000000ABCDEF0123456789"})")),
              "box.json: stores[0].folders[1].entryId: the identifier 00000000ABCDEF0123456789 "
              "is used twice");
}

TEST(SimMailboxFile, ABadFileLeavesTheHostAsItWas) {
    SimHost host;
    test::FillMailbox(host);
    const std::string before = MailboxDumper::Dump(host);

    EXPECT_THROW(MailboxLoader::LoadText(host, R"({"stores": [{"name": "New"},
                     {"name": "Bad", "folders": [{"name": ""}]}]})",
                                         "box.json"),
                 MailboxError);
    EXPECT_THROW(MailboxLoader::LoadText(host, R"({"stores": [{"name": "Acme Public"}]})", "x"),
                 MailboxError);
    EXPECT_EQ(MailboxDumper::Dump(host), before);
}

TEST(SimMailboxFile, AMissingFileIsNamed) {
    SimHost host;
    try {
        MailboxLoader::LoadFile(host, "/nonexistent/box.json");
        FAIL();
    } catch (const MailboxError& error) {
        EXPECT_EQ(std::string(error.what()), "/nonexistent/box.json: the file cannot be read");
    }
    EXPECT_THROW(MailboxLoader::LoadFile(host, "/"), MailboxError);
}

}  // namespace
}  // namespace pwk::sim
