#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "sim/FolderIndex.h"
#include "sim/ItemHolder.h"
#include "sim/Owned.h"
#include "sim/SimBase.h"
#include "src/host/MAPIFolder.h"
#include "src/util/Ref.h"

namespace pwk::sim {

class SimItemState;
class SimItems;

// A folder of a store: its subfolders and its items in folder order, with the index that
// Items.Find uses.
class SimFolder : public SimBase<host::MAPIFolder, ItemHolder> {
  public:
    SimFolder(std::shared_ptr<SimCore> core, std::string storeName, std::string storeId,
              std::string name, host::ItemType defaultType);
    ~SimFolder() override;

    Ref<host::HostObject> Parent() override;
    host::ItemType DefaultItemType() override;
    std::string EntryID() override;
    std::string StoreID() override;
    std::string Name() override;
    Ref<host::Items> GetItems() override;
    // A folder's text is its name.
    std::string Text() const override;

    std::string AuditName() const override { return Path(); }

    const std::string& FolderName() const { return name_; }
    void Rename(std::string name);
    std::string Path() const override;
    const std::string& StoreName() const override { return storeName_; }
    const std::string& StoreId() const override { return storeId_; }
    const std::string& EntryId() const { return entryId_; }
    void SetEntryId(std::string entryId);
    host::ItemType DefaultType() const override { return defaultType_; }

    // The top folder of a store has the namespace as its parent.
    void SetParent(std::weak_ptr<host::HostObject> parent, std::weak_ptr<SimFolder> folder);
    std::shared_ptr<SimFolder> ParentFolder() const { return parentFolder_.lock(); }
    std::shared_ptr<SimFolder> AddSubfolder(const std::string& name, host::ItemType type);
    const std::vector<Owned<SimFolder>>& Subfolders() const { return subfolders_; }
    std::shared_ptr<SimFolder> Subfolder(const std::string& name) const;
    void RemoveSubfolder(const SimFolder& folder);
    // The folder, its subfolders and their items stop working, as deleted ones do.
    void MarkDeleted();

    const std::vector<Owned<SimItemState>>& Contents() const override { return items_; }
    void Insert(const std::shared_ptr<SimItemState>& item, bool notify) override;
    void Remove(SimItemState& item) override;
    void Reindex(SimItemState& item, const std::string& field, const std::string& from,
                 const std::string& to) override;
    std::shared_ptr<SimItemState> FindFirst(const std::string& field,
                                            const std::string& value) const override;
    SimItems& ItemsObject();

  private:
    // Drops a subfolder from the name index, under its present name.
    void Unindex(const SimFolder& folder);

    std::string storeName_;
    std::string storeId_;
    std::string name_;
    std::string entryId_;
    host::ItemType defaultType_;
    std::weak_ptr<host::HostObject> parent_;
    std::weak_ptr<SimFolder> parentFolder_;
    std::vector<Owned<SimFolder>> subfolders_;
    // The subfolders by name, so that a path is found without a walk of a folder with
    // thousands of subfolders; `subfolders_` keeps their order.
    std::unordered_multimap<std::string, SimFolder*> byName_;
    std::vector<Owned<SimItemState>> items_;
    std::uint64_t nextSequence_ = 1;
    FolderIndex index_;
    Owned<SimItems> itemsObject_;
};

}  // namespace pwk::sim
