#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sim/SimFolder.h"
#include "sim/SimHost.h"
#include "sim/SimNameSpace.h"
#include "src/component/Component.h"
#include "src/errorlib/ErrorCodes.h"
#include "src/host/Application.h"
#include "src/host/NameSpace.h"
#include "src/tracking/TrackedFolderset.h"
#include "tests/support/FailureOf.h"
#include "tests/support/FakeErrorLibrary.h"
#include "tests/support/MemoryStorePlatform.h"

namespace pwk::test {

// A component with a recording error library, the simulated host with folder triples numbered
// from 1 (EntryIDs "C1"/"J1"/"E1" in the store "S", StoreID "S"), and the settings store.
class TrackingTestBase : public ::testing::Test {
  protected:
    static constexpr ErrorAction Continue = ErrorAction::ResumeNext;
    static constexpr ErrorAction GiveUp = ErrorAction::Exit;
    static constexpr const char* App = "Parleywick";
    static constexpr const char* Warning = "WARNING: Some TrackedFoldersets could not be found";

    TrackingTestBase() : component(platform) {
        component.SetErrorObject(errors);
        host.Mailbox().AddStore("S", "S");
    }

    MemorySettingsStore& store() { return platform.store; }

    // Creates the three folders of triple n in the host.
    void AddTriple(int n) {
        const std::string id = std::to_string(n);
        host.AddFolder("S", "Contacts " + id, host::ItemType::Contact)->SetEntryId("C" + id);
        host.AddFolder("S", "Journal " + id, host::ItemType::Journal)->SetEntryId("J" + id);
        host.AddFolder("S", "Emails " + id, host::ItemType::Mail)->SetEntryId("E" + id);
    }

    // A folder `name` with EntryID `entryId` in the store whose StoreID is `storeId`, which is
    // made (named after its StoreID) when it is not there yet.
    void AddFolder(const std::string& entryId, const std::string& storeId,
                   const std::string& name) {
        auto& mailbox = host.Mailbox();
        const bool known = std::any_of(mailbox.Stores().begin(), mailbox.Stores().end(),
                                       [&](const auto& store) { return store.StoreId == storeId; });
        if (!known) {
            mailbox.AddStore(storeId, storeId);
        }
        host.AddFolder(storeId, name, host::ItemType::Contact)->SetEntryId(entryId);
    }
    // Deletes the folder with EntryID `entryId` in the store "S".
    void DeleteFolder(const std::string& entryId) {
        host.DeleteFolder(host.Mailbox().FolderById(entryId, "S")->Path());
    }

    // How often the add-in asked the host for a folder by its identifiers.
    std::int64_t Lookups() const { return host.Faults().Calls("NameSpace.GetFolderFromID"); }

    // A folderset naming triple n.
    std::shared_ptr<TrackedFolderset> Triple(int n, std::int32_t regIndex = 0,
                                             const std::string& attachDir = "") {
        const std::string id = std::to_string(n);
        auto folderset = std::make_shared<TrackedFolderset>(component);
        folderset->SetIDs("C" + id, "S", "J" + id, "S", "E" + id, "S", attachDir, regIndex);
        return folderset;
    }

    // Stores triples as the collection's layout does, positions 1.. in the given order.
    void StoreTriples(const std::vector<int>& triples,
                      const std::string& section = "Tracked Foldersets") {
        auto& s = store();
        s.SaveSetting(App, section, "Count", std::to_string(triples.size()));
        int position = 0;
        for (int n : triples) {
            const std::string key = std::to_string(++position);
            const std::string id = std::to_string(n);
            s.SaveSetting(App, section + "\\Contacts\\EntryID", key, "C" + id);
            s.SaveSetting(App, section + "\\Contacts\\StoreID", key, "S");
            s.SaveSetting(App, section + "\\Journals\\EntryID", key, "J" + id);
            s.SaveSetting(App, section + "\\Journals\\StoreID", key, "S");
            s.SaveSetting(App, section + "\\Emails\\EntryID", key, "E" + id);
            s.SaveSetting(App, section + "\\Emails\\StoreID", key, "S");
        }
    }

    // How often the error library was asked about a failure.
    int HandledFailures() const {
        int count = 0;
        for (const auto& call : errors->calls) {
            count += call.rfind("handle ", 0) == 0 ? 1 : 0;
        }
        return count;
    }

    MemoryStorePlatform platform;
    std::shared_ptr<FakeErrorLibrary> errors = std::make_shared<FakeErrorLibrary>();
    Component component;
    sim::SimHost host;
    std::shared_ptr<host::Application> application = host.Application();
    std::shared_ptr<host::NameSpace> nameSpace = application->GetNamespace("MAPI");
};

}  // namespace pwk::test
