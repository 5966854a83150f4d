#include <string>
#include <vector>

#include "tests/tools/SettingsToolFixture.h"

namespace pwk::settingstool::test {
namespace {

using SettingsToolSet = SettingsToolFixture;

TEST_F(SettingsToolSet, KeyAndValueAreTakenInAnyLetterCase) {
    Run({"set", "trackappointments", "FALSE"});

    EXPECT_EQ(store.Dump(App), std::vector<std::string>{"Tracking|TrackAppointments=False"});
}

TEST_F(SettingsToolSet, SettingTheValueAKeyHasIsNoChangeForTheAddInToNotice) {
    Run({"set", "JournalEmails", "True"});
    const std::string counted = store.GetSetting("Parleywick Changes", "Saves", "Count");
    Run({"set", "JournalEmails", "True"});
    EXPECT_EQ(store.GetSetting("Parleywick Changes", "Saves", "Count"), counted);
    Run({"set", "JournalEmails", "False"});
    EXPECT_EQ(store.GetSetting("Parleywick Changes", "Saves", "Count"),
              std::to_string(std::stoi(counted) + 1));
}

TEST_F(SettingsToolSet, ASwitchRefusesAnythingButTrueOrFalse) {
    for (const char* value : {"yes", "1", "0", "", "Truee"}) {
        std::string message;
        EXPECT_EQ(Refusal({"set", "JournalEmails", value}, &message), ToolError::Refused) << value;
        EXPECT_EQ(message, std::string("JournalEmails takes true or false, not \"") + value + "\"");
    }
    EXPECT_TRUE(store.Dump(App).empty());
}

TEST_F(SettingsToolSet, LogLevelIsAThirtyTwoBitNumberWrittenInDecimal) {
    Run({"set", "LogLevel", "-3"});
    EXPECT_EQ(Get("Logging", "LogLevel"), "-3");
    Run({"set", "LogLevel", "+0007"});
    EXPECT_EQ(Get("Logging", "LogLevel"), "7");
    Run({"set", "LogLevel", "-2147483648"});
    EXPECT_EQ(Get("Logging", "LogLevel"), "-2147483648");

    for (const char* value : {"2147483648", "high", "1.5", ""}) {
        EXPECT_EQ(Refusal({"set", "LogLevel", value}), ToolError::Refused) << value;
    }
    EXPECT_EQ(Get("Logging", "LogLevel"), "-2147483648");
}

TEST_F(SettingsToolSet, WhatTheAddInRecordsOfItsOwnSavesCannotBeSet) {
    for (const char* key : {"FirstRun", "Major", "Count", "LogLevelX"}) {
        std::string message;
        EXPECT_EQ(Refusal({"set", key, "1"}, &message), ToolError::Refused) << key;
        EXPECT_NE(message.find("cannot be set; the keys are TrackUnlinkedEmail"), std::string::npos)
            << message;
    }
    EXPECT_TRUE(store.Dump(App).empty());
}

using SettingsToolShow = SettingsToolFixture;

TEST_F(SettingsToolShow, ListsEverySectionWithPositionsInNumberOrder) {
    for (int position = 1; position <= 10; ++position) {
        store.SaveSetting(App, "Tracked Foldersets\\Contacts\\EntryID", std::to_string(position),
                          "C" + std::to_string(position));
    }
    store.SaveSetting(App, "Logging", "LogLevel", "2");
    store.SaveSetting(App, "Custom", "Note", "a=b");

    const std::string shown = Run({"show"});

    EXPECT_EQ(shown.rfind("Settings under \"Parleywick\" in memory:\n[Custom]\n  Note = a=b\n"
                          "[Logging]\n  LogLevel = 2\n[Tracked Foldersets\\Contacts\\EntryID]\n"
                          "  1 = C1\n  2 = C2\n",
                          0),
              0u)
        << shown;
    EXPECT_NE(shown.find("  9 = C9\n  10 = C10\n"), std::string::npos) << shown;
}

using SettingsToolList = SettingsToolFixture;

TEST_F(SettingsToolList, MarksAFoldersetTheAddInWouldDropForARepeatedContactsFolder) {
    // Written by hand: the tool itself refuses a repeated contacts folder.
    for (const char* key : {"1", "2"}) {
        store.SaveSetting(App, "Tracked Foldersets\\Contacts\\EntryID", key, "C");
        store.SaveSetting(App, "Tracked Foldersets\\Contacts\\StoreID", key, "S");
    }
    store.SaveSetting(App, "Tracked Foldersets", "Count", "2");

    const std::string listed = Run({"list"});

    EXPECT_NE(listed.find("2  contacts EntryID=C StoreID=S\n   journal  EntryID=(empty) "
                          "StoreID=(empty)\n   e-mails  EntryID=(empty) StoreID=(empty)\n"
                          "   (the add-in drops this one: its contacts folder is tracked at "
                          "position 1)\n"),
              std::string::npos)
        << listed;
    EXPECT_EQ(listed.find("drops", listed.find("drops") + 1), std::string::npos) << listed;
}

}  // namespace
}  // namespace pwk::settingstool::test
