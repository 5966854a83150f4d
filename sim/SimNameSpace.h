#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sim/FolderDirectory.h"
#include "sim/SimBase.h"
#include "sim/SimStore.h"
#include "src/host/HostTypes.h"
#include "src/host/NameSpace.h"
#include "src/util/Ref.h"

namespace pwk::sim {

class SimFolder;
class SimItemState;

// The "MAPI" namespace: the open stores. GetFolderFromID compares both identifiers exactly;
// with an empty StoreID it looks in every store. Default folders come from the default store.
class SimNameSpace : public SimBase<host::NameSpace> {
  public:
    explicit SimNameSpace(std::shared_ptr<SimCore> core);
    ~SimNameSpace() override;

    Ref<host::MAPIFolder> GetDefaultFolder(int folderKind) override;
    Ref<host::MAPIFolder> GetFolderFromID(const std::string& entryId,
                                          const std::string& storeId) override;
    // The picker answers what PlanPicks planned, one folder a call; with nothing planned the
    // user cancels.
    Ref<host::MAPIFolder> PickFolder() override;
    // What the user chooses in the next folder pickers, in order; an empty entry cancels.
    void PlanPicks(std::vector<std::shared_ptr<SimFolder>> picks);

    // Adds a store; its identifier is derived from its name unless one is given.
    std::shared_ptr<SimFolder> AddStore(const std::string& name,
                                        std::optional<std::string> storeId = std::nullopt);
    const std::vector<SimStore>& Stores() const { return stores_; }
    void SetDefaultStore(const std::string& name);
    const SimStore* DefaultStore() const;
    void SetDefaultFolder(int folderKind, const std::shared_ptr<SimFolder>& folder);
    // The default store's default folder of that kind, or null.
    std::shared_ptr<SimFolder> DefaultFolder(int folderKind) const;
    // "Store/Folder/Subfolder"; null when there is no such folder.
    std::shared_ptr<SimFolder> FolderAt(const std::string& path) const;
    std::shared_ptr<SimFolder> FolderById(const std::string& entryId,
                                          const std::string& storeId) const;
    std::shared_ptr<SimItemState> ItemById(const std::string& entryId,
                                           const std::string& storeId) const;
    void DeleteFolder(SimFolder& folder);

  private:
    std::vector<SimStore> stores_;
    std::optional<std::size_t> defaultStore_;
    mutable FolderDirectory directory_;
    std::deque<std::shared_ptr<SimFolder>> picks_;
};

}  // namespace pwk::sim
