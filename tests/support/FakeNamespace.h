#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "src/util/Ref.h"
#include "src/util/Failure.h"
#include "src/host/MAPIFolder.h"
#include "src/host/NameSpace.h"

namespace pwk::test {

// A host folder that knows its identifiers and its name, nothing more.
class FakeMAPIFolder : public host::MAPIFolder {
  public:
    FakeMAPIFolder(std::string entryId, std::string storeId, std::string name)
        : entryId_(std::move(entryId)), storeId_(std::move(storeId)), name_(std::move(name)) {}

    Ref<host::HostObject> Parent() override { return nullptr; }
    host::ItemType DefaultItemType() override { return host::ItemType::Mail; }
    std::string EntryID() override { return entryId_; }
    std::string StoreID() override { return storeId_; }
    std::string Name() override { return name_; }
    Ref<host::Items> GetItems() override { Raise(FailureNumber::InvalidProcedureCall); }

  private:
    std::string entryId_;
    std::string storeId_;
    std::string name_;
};

// A namespace over a fixed set of folders, found by exact (EntryID, StoreID). Unknown
// identifiers fail as the host fails them; every lookup is counted.
class FakeNamespace : public host::NameSpace {
  public:
    // The host's "not found" failure of a folder lookup.
    static constexpr std::int32_t NotFound = -2147221233;

    std::shared_ptr<FakeMAPIFolder> AddFolder(const std::string& entryId,
                                              const std::string& storeId, const std::string& name) {
        auto folder = std::make_shared<FakeMAPIFolder>(entryId, storeId, name);
        folders_[{entryId, storeId}] = folder;
        return folder;
    }
    void DeleteFolder(const std::string& entryId, const std::string& storeId) {
        folders_.erase({entryId, storeId});
    }

    Ref<host::MAPIFolder> GetDefaultFolder(int /*folderKind*/) override {
        Raise(FailureNumber::InvalidProcedureCall);
    }
    Ref<host::MAPIFolder> GetFolderFromID(const std::string& entryId,
                                                      const std::string& storeId) override {
        ++lookups;
        lastStoreId = storeId;
        const auto found = folders_.find({entryId, storeId});
        if (found == folders_.end()) {
            throw Failure(NotFound, "The operation failed.", "Microsoft Outlook");
        }
        return found->second;
    }

    int lookups = 0;
    std::string lastStoreId;

  private:
    std::map<std::pair<std::string, std::string>, std::shared_ptr<FakeMAPIFolder>> folders_;
};

}  // namespace pwk::test
