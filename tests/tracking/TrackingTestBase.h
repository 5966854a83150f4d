#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "src/component/Component.h"
#include "src/errorlib/ErrorCodes.h"
#include "src/tracking/TrackedFolderset.h"
#include "tests/support/FakeApplication.h"
#include "tests/support/FakeErrorLibrary.h"
#include "tests/support/FakeNamespace.h"
#include "tests/support/MemoryStorePlatform.h"

namespace pwk::test {

// The number of the failure `call` throws, 0 when it throws none; its source in `source`.
inline std::int32_t FailureOf(const std::function<void()>& call, std::string* source = nullptr) {
    try {
        call();
    } catch (const Failure& failure) {
        if (source != nullptr) {
            *source = failure.Source;
        }
        return failure.Number;
    }
    return 0;
}

// A component with a recording error library, a host namespace with folder triples numbered
// from 1 ("C1"/"J1"/"E1" in store "S"), and the settings store.
class TrackingTestBase : public ::testing::Test {
  protected:
    static constexpr int Continue = static_cast<int>(ErrorAction::ResumeNext);
    static constexpr int GiveUp = static_cast<int>(ErrorAction::Exit);
    static constexpr const char* App = "Parleywick";
    static constexpr const char* Warning = "WARNING: Some TrackedFoldersets could not be found";

    TrackingTestBase() : component(platform) { component.SetErrorObject(errors); }

    MemorySettingsStore& store() { return platform.store; }

    // Creates the three folders of triple n in the host.
    void AddTriple(int n) {
        const std::string id = std::to_string(n);
        nameSpace->AddFolder("C" + id, "S", "Contacts " + id);
        nameSpace->AddFolder("J" + id, "S", "Journal " + id);
        nameSpace->AddFolder("E" + id, "S", "Emails " + id);
    }

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
    std::shared_ptr<FakeNamespace> nameSpace = std::make_shared<FakeNamespace>();
    std::shared_ptr<FakeApplication> application = std::make_shared<FakeApplication>(nameSpace);
};

}  // namespace pwk::test
