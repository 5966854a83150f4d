#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "keelson/Keelson.h"
#include "keelson/RegisterKeelson.h"
#include "sim/ScriptedFileUtility.h"
#include "sim/ScriptedPlatform.h"
#include "sim/SimFolder.h"
#include "sim/SimHost.h"
#include "sim/SimItemState.h"
#include "sim/SimNameSpace.h"
#include "src/app/PWKAddinApp.h"
#include "src/component/Component.h"
#include "src/host/Item.h"
#include "src/host/MapiSession.h"
#include "src/platform/FileUtility.h"
#include "src/resources/Version.h"
#include "src/startup/Connect.h"
#include "src/util/Ref.h"
#include "store/MemorySettingsStore.h"
#include "tests/support/FileText.h"

namespace pwk::test {

// The add-in as the host loads it: scripted platform, in-memory settings, the real error
// library, the simulated host with a small mailbox, and Connect creatable by its ProgID.
class AddinHarness {
  public:
    explicit AddinHarness(sim::HostInfo info = {}) : host(std::move(info)) {
        platform.SetSettings(store);
        fileUtility->SetDefaultFolder("C:\\Logs\\");
        auto& factories = platform.Factories();
        RegisterKeelson(factories, platform);
        factories.Register(FileUtilityProgID, [this] { return fileUtility; });
        factories.Register(host::MapiSessionProgID, host.MapiSessionFactory());
        factories.Register(ConnectProgID, [this] {
            auto connect = std::make_shared<Connect>(component);
            connect_ = connect;
            return connect;
        });
        BuildMailbox();
    }

    // A test that ends with windows open leaves the host running: it shuts down as the real
    // one does, unloading the add-in first.
    ~AddinHarness() {
        if (host.AddInLoaded(ConnectProgID)) {
            host.UnloadAddIn(ConnectProgID);
        }
    }
    AddinHarness(const AddinHarness&) = delete;
    AddinHarness& operator=(const AddinHarness&) = delete;

    // A personal store with the default folders and a public store with one folderset.
    void BuildMailbox() {
        auto& mailbox = host.Mailbox();
        mailbox.AddStore("Mailbox");
        mailbox.SetDefaultStore("Mailbox");
        const std::pair<const char*, std::pair<host::ItemType, int>> folders[] = {
            {"Inbox", {host::ItemType::Mail, host::DefaultFolder::Inbox}},
            {"Sent Items", {host::ItemType::Mail, host::DefaultFolder::SentMail}},
            {"Drafts", {host::ItemType::Mail, host::DefaultFolder::Drafts}},
            {"Calendar", {host::ItemType::Appointment, host::DefaultFolder::Calendar}},
            {"Contacts", {host::ItemType::Contact, host::DefaultFolder::Contacts}},
            {"Journal", {host::ItemType::Journal, host::DefaultFolder::Journal}},
            {"Tasks", {host::ItemType::Task, host::DefaultFolder::Tasks}},
            {"Notes", {host::ItemType::Note, host::DefaultFolder::Notes}},
        };
        for (const auto& [name, kind] : folders) {
            mailbox.SetDefaultFolder(kind.second, host.AddFolder("Mailbox", name, kind.first));
        }
        mailbox.AddStore("Public");
        host.AddFolder("Public", "Customers", host::ItemType::Mail);
        host.AddFolder("Public/Customers", "Contacts", host::ItemType::Contact);
        host.AddFolder("Public/Customers", "Journal", host::ItemType::Journal);
        host.AddFolder("Public/Customers", "E-mails", host::ItemType::Mail);
        host.AddFolder("Public", "Suppliers", host::ItemType::Contact);
    }

    void Start(int connectMode = host::ConnectMode::Startup) {
        host.LoadAddIn(platform.Factories(), ConnectProgID, connectMode);
    }

    // Stores the settings an add-in of `version` would have saved, with no foldersets, in the
    // platform's settings store (the in-memory `store` unless another was set).
    void StoreSavedSettings(Version version) {
        SettingsStore& settings = platform.Settings();
        settings.SaveSetting(ProductTitle, "Tracking", "FirstRun", "False");
        settings.SaveSetting(ProductTitle, "Version", "Major", std::to_string(version.Major));
        settings.SaveSetting(ProductTitle, "Version", "Minor", std::to_string(version.Minor));
        settings.SaveSetting(ProductTitle, "Version", "Revision", std::to_string(version.Revision));
    }

    // Stores tracked foldersets as the add-in saves them, one {contacts, journal, e-mails}
    // triple of folder paths each.
    void StoreFoldersets(const std::vector<std::array<std::string, 3>>& triples) {
        const std::string section = "Tracked Foldersets";
        SettingsStore& settings = platform.Settings();
        settings.SaveSetting(ProductTitle, section, "Count", std::to_string(triples.size()));
        const char* const parts[] = {"Contacts", "Journals", "Emails"};
        for (std::size_t i = 0; i < triples.size(); ++i) {
            const std::string key = std::to_string(i + 1);
            for (std::size_t part = 0; part < 3; ++part) {
                const std::string prefix = section + "\\" + parts[part];
                settings.SaveSetting(ProductTitle, prefix + "\\EntryID", key,
                                     FolderEntryID(triples[i][part]));
                settings.SaveSetting(ProductTitle, prefix + "\\StoreID", key,
                                     FolderStoreID(triples[i][part]));
            }
        }
    }

    // Makes `count` folder triples "Public/Set N/{Contacts,Journals,Emails}" and stores them
    // as tracked foldersets (unless `saved` is false: the settings hold them already).
    void AddTrackedFoldersets(int count, bool saved = true) {
        std::vector<std::array<std::string, 3>> triples;
        for (int i = 1; i <= count; ++i) {
            const std::string set = "Set " + std::to_string(i);
            host.AddFolder("Public", set, host::ItemType::Mail);
            host.AddFolder("Public/" + set, "Contacts", host::ItemType::Contact);
            host.AddFolder("Public/" + set, "Journals", host::ItemType::Journal);
            host.AddFolder("Public/" + set, "Emails", host::ItemType::Mail);
            const std::string base = "Public/" + set + "/";
            triples.push_back({base + "Contacts", base + "Journals", base + "Emails"});
        }
        if (saved) {
            StoreFoldersets(triples);
        }
    }

    // Opens `windows` windows, an explorer and a contact's inspector in turn, on the contacts
    // folders of the first, the middle and the last of `foldersets` stored foldersets, so that
    // the add-in's "is this folder tracked" walk goes all the way.
    void OpenSpreadWindows(int foldersets, int windows) {
        const std::array<int, 3> spread{1, foldersets / 2 + 1, foldersets};
        for (int i = 0; i < windows / 2; ++i) {
            const std::string contacts =
                "Public/Set " + std::to_string(spread[i % spread.size()]) + "/Contacts";
            host.OpenExplorer(contacts);
            auto contact = host.PutItem(contacts, host::ItemType::Contact,
                                        {{"FullName", "Contact " + std::to_string(i)}});
            host.OpenItem(contact->AsItem());
        }
    }

    std::shared_ptr<Connect> ConnectObject() const { return connect_.lock(); }
    std::shared_ptr<PWKAddinApp> App() const {
        auto connect = ConnectObject();
        return connect ? connect->AddinApp() : nullptr;
    }

    std::string FolderEntryID(const std::string& path) { return host.Folder(path)->EntryID(); }
    std::string FolderStoreID(const std::string& path) { return host.Folder(path)->StoreID(); }

    std::string LogContents() {
        if (auto keelson = As<Keelson>(component.ErrorObject())) {
            keelson->Flush();
        }
        return FileText(platform.NativePath("C:\\Logs\\PWK"));
    }

    sim::ScriptedPlatform platform;
    std::shared_ptr<MemorySettingsStore> store = std::make_shared<MemorySettingsStore>();
    std::shared_ptr<sim::ScriptedFileUtility> fileUtility =
        std::make_shared<sim::ScriptedFileUtility>();
    Component component{platform};
    sim::SimHost host;

  private:
    std::weak_ptr<Connect> connect_;
};

}  // namespace pwk::test
