#pragma once

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "store/MemorySettingsStore.h"
#include "tests/support/MemoryStorePlatform.h"
#include "tools/settings/MailboxFolders.h"
#include "tools/settings/SettingsCommand.h"
#include "tools/settings/SettingsTool.h"
#include "tools/settings/ToolError.h"

namespace pwk::settingstool::test {

// A mailbox of fixed folders: path "Store/Folder" names the identifiers "E:Store/Folder" in
// store "S:Store".
class FixedMailbox : public MailboxFolders {
  public:
    void AddFolder(const std::string& path) {
        folders_[path] = IdsOf(path);
        paths_.push_back(path);
    }
    const std::vector<std::string>& Paths() const { return paths_; }
    static FolderIds IdsOf(const std::string& path) {
        return FolderIds{"E:" + path, "S:" + path.substr(0, path.find('/'))};
    }

    std::optional<FolderIds> Find(const std::string& path) const override {
        const auto found = folders_.find(path);
        return found == folders_.end() ? std::nullopt : std::optional(found->second);
    }
    std::optional<std::string> PathOf(const FolderIds& folder) const override {
        for (const auto& [path, ids] : folders_) {
            if (ids == folder) {
                return path;
            }
        }
        return std::nullopt;
    }
    const std::string& Name() const override { return name_; }

  private:
    std::map<std::string, FolderIds> folders_;
    std::vector<std::string> paths_;
    std::string name_ = "test.json";
};

// Runs the tool's commands on a memory store, with a mailbox of three folder groups (each a
// contacts, a journal and an e-mails folder).
class SettingsToolFixture : public ::testing::Test {
  protected:
    static constexpr const char* App = "Parleywick";
    static constexpr const char* Customers = "Acme Public/Customers";
    static constexpr const char* Suppliers = "Acme Public/Suppliers";
    static constexpr const char* Partners = "Acme Public/Partners";

    SettingsToolFixture() {
        for (const char* group : {Customers, Suppliers, Partners}) {
            for (const char* folder : {"/Contacts", "/Journal", "/E-mails"}) {
                mailbox.AddFolder(std::string(group) + folder);
            }
        }
    }

    // Runs one command line; returns what it printed.
    std::string Run(const std::vector<std::string>& args) {
        std::ostringstream out;
        const SettingsCommand command = SettingsCommand::Parse(args);
        SettingsTool tool(StoreAccess::Of(store, "memory"),
                          command.MailboxPath ? &mailbox : nullptr, out);
        tool.Run(command);
        return out.str();
    }

    // The exit status of a refused command line, with its message; 0 when it was carried out.
    int Refusal(const std::vector<std::string>& args, std::string* message = nullptr) {
        try {
            Run(args);
        } catch (const ToolError& error) {
            if (message != nullptr) {
                *message = error.what();
            }
            return error.ExitStatus;
        }
        return 0;
    }

    void AddGroup(const std::string& group) {
        Run({"add", "--mailbox", "m", group + "/Contacts", group + "/Journal", group + "/E-mails"});
    }

    std::string Get(const std::string& section, const std::string& key) {
        return store.GetSetting(App, section, key, "(absent)");
    }

    // The store lives in a platform, so that the add-in's own classes can read it too.
    pwk::test::MemoryStorePlatform platform;
    MemorySettingsStore& store = platform.store;
    FixedMailbox mailbox;
};

}  // namespace pwk::settingstool::test
