#include "sim/SimFolder.h"
#include "src/util/Ref.h"

#include <algorithm>
#include <vector>

#include "sim/FindFilter.h"
#include "sim/HostError.h"
#include "sim/HostIds.h"
#include "sim/SimItemState.h"
#include "sim/SimItems.h"
#include "sim/SimWorld.h"

namespace pwk::sim {

SimFolder::SimFolder(std::shared_ptr<SimCore> core, std::string storeName, std::string storeId,
                     std::string name, host::ItemType defaultType)
    : SimBase<host::MAPIFolder, ItemHolder>(std::move(core)),
      storeName_(std::move(storeName)),
      storeId_(std::move(storeId)),
      name_(std::move(name)),
      defaultType_(defaultType) {}

SimFolder::~SimFolder() = default;

Ref<host::HostObject> SimFolder::Parent() {
    if (EnterGetter("Parent")) {
        return nullptr;
    }
    auto parent = parent_.lock();
    if (!parent) {
        throw Failure(HostError::NotFound, "The folder has no parent.", "MAPIFolder.Parent");
    }
    return parent;
}

host::ItemType SimFolder::DefaultItemType() {
    Enter("DefaultItemType");
    return defaultType_;
}

std::string SimFolder::EntryID() {
    Enter("EntryID");
    return entryId_;
}

std::string SimFolder::StoreID() {
    Enter("StoreID");
    return storeId_;
}

std::string SimFolder::Name() {
    Enter("Name");
    return name_;
}

Ref<host::Items> SimFolder::GetItems() {
    if (EnterGetter("Items")) {
        return nullptr;
    }
    return ItemsObject().Self<host::Items>();
}

std::string SimFolder::Text() const {
    Enter("Name");
    return name_;
}

std::string SimFolder::Path() const {
    // Up the chain first, then one pass down: no recursion and no copy of the path per level.
    std::vector<std::shared_ptr<SimFolder>> ancestors;
    for (auto parent = parentFolder_.lock(); parent; parent = parent->parentFolder_.lock()) {
        ancestors.push_back(parent);
    }
    std::string path;
    for (auto ancestor = ancestors.rbegin(); ancestor != ancestors.rend(); ++ancestor) {
        path += (*ancestor)->name_ + "/";
    }
    return path + name_;
}

void SimFolder::SetEntryId(std::string entryId) {
    entryId_ = std::move(entryId);
    ++Core().FolderChanges;
}

void SimFolder::SetParent(std::weak_ptr<host::HostObject> parent, std::weak_ptr<SimFolder> folder) {
    parent_ = std::move(parent);
    parentFolder_ = std::move(folder);
}

std::shared_ptr<SimFolder> SimFolder::AddSubfolder(const std::string& name, host::ItemType type) {
    auto folder = MakeSim<SimFolder>(CorePtr(), storeName_, storeId_, name, type);
    auto self = Self<SimFolder>();
    folder->SetParent(self, self);
    folder->SetEntryId(HostIds::FolderEntryID(storeName_, folder->Path()));
    subfolders_.emplace_back(folder);
    byName_.emplace(name, folder.get());
    ++Core().FolderChanges;
    return folder;
}

void SimFolder::Rename(std::string name) {
    if (auto parent = ParentFolder()) {
        parent->Unindex(*this);
        parent->byName_.emplace(name, this);
    }
    name_ = std::move(name);
}

std::shared_ptr<SimFolder> SimFolder::Subfolder(const std::string& name) const {
    const auto [first, last] = byName_.equal_range(name);
    if (first == last) {
        return nullptr;
    }
    if (std::next(first) == last) {
        return first->second->Self<SimFolder>();
    }
    // Two subfolders of one name (after a rename): the first in folder order, as a walk finds.
    for (const auto& folder : subfolders_) {
        if (folder->FolderName() == name) {
            return folder.get();
        }
    }
    return nullptr;
}

void SimFolder::RemoveSubfolder(const SimFolder& folder) {
    Unindex(folder);
    std::erase_if(subfolders_, [&](const Owned<SimFolder>& f) { return f.get().get() == &folder; });
    ++Core().FolderChanges;
}

void SimFolder::Unindex(const SimFolder& folder) {
    const auto [first, last] = byName_.equal_range(folder.FolderName());
    const auto at =
        std::find_if(first, last, [&](const auto& entry) { return entry.second == &folder; });
    if (at != last) {
        byName_.erase(at);
    }
}

void SimFolder::MarkDeleted() {
    Invalidate(HostError::NotFound, "The folder has been deleted.");
    for (const auto& item : items_) {
        item->Invalidate(HostError::ItemDeleted, "The item has been moved or deleted.");
    }
    for (const auto& folder : subfolders_) {
        folder->MarkDeleted();
    }
}

void SimFolder::Insert(const std::shared_ptr<SimItemState>& item, bool notify) {
    item->SetFolder(Self<SimFolder>());
    item->Placed(nextSequence_++);
    items_.emplace_back(item);
    index_.Add(*item);
    if (!notify) {
        return;
    }
    std::weak_ptr<SimFolder> weakFolder = Self<SimFolder>();
    std::weak_ptr<SimItemState> weakItem = item;
    // The host tells of an item only if it is still in the folder when it gets round to it.
    Core().world().Post([weakFolder, weakItem] {
        auto folder = weakFolder.lock();
        auto added = weakItem.lock();
        if (folder && added && folder->Valid() && added->Valid() && added->InFolder() &&
            added->Folder() == folder) {
            folder->ItemsObject().RaiseItemAdd(added);
        }
    });
}

void SimFolder::Remove(SimItemState& item) {
    index_.Remove(item);
    item.Removed();
    std::erase_if(items_, [&](const Owned<SimItemState>& i) { return i.get().get() == &item; });
}

void SimFolder::Reindex(SimItemState& item, const std::string& field, const std::string& from,
                        const std::string& to) {
    index_.Change(item, field, from, to);
}

std::shared_ptr<SimItemState> SimFolder::FindFirst(const std::string& field,
                                                   const std::string& value) const {
    if (ItemKinds::Indexed(field)) {
        SimItemState* found = index_.First(field, value);
        return found ? found->Self<SimItemState>() : nullptr;
    }
    const std::string wanted = FindFilter::FoldCase(value);
    for (const auto& item : items_) {
        if (ItemKinds::FieldOf(item->Kind(), field) == FieldType::Text &&
            FindFilter::FoldCase(item->TextField(field)) == wanted) {
            return item.get();
        }
    }
    return nullptr;
}

SimItems& SimFolder::ItemsObject() {
    if (!itemsObject_) {
        itemsObject_ = MakeSim<SimItems>(CorePtr(), Self<SimFolder>());
    }
    return *itemsObject_;
}

}  // namespace pwk::sim
