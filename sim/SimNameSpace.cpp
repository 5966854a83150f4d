#include "sim/SimNameSpace.h"
#include "src/util/Ref.h"

#include <functional>

#include "sim/HostError.h"
#include "sim/HostIds.h"
#include "sim/SimFolder.h"
#include "sim/SimItemState.h"
#include "sim/UserActionError.h"

namespace pwk::sim {
namespace {

// Visits the folder and every folder below it until `visit` answers true; returns that folder.
std::shared_ptr<SimFolder> Search(const std::shared_ptr<SimFolder>& folder,
                                  const std::function<bool(const SimFolder&)>& visit) {
    if (visit(*folder)) {
        return folder;
    }
    for (const auto& sub : folder->Subfolders()) {
        if (auto found = Search(sub.get(), visit)) {
            return found;
        }
    }
    return nullptr;
}

}  // namespace

SimNameSpace::SimNameSpace(std::shared_ptr<SimCore> core)
    : SimBase<host::NameSpace>(std::move(core)) {}

SimNameSpace::~SimNameSpace() = default;

Ref<host::MAPIFolder> SimNameSpace::GetDefaultFolder(int folderKind) {
    if (EnterGetter("GetDefaultFolder")) {
        return nullptr;
    }
    auto folder = DefaultFolder(folderKind);
    if (!folder) {
        throw Failure(HostError::NotFound, "The default folder does not exist.",
                      "NameSpace.GetDefaultFolder");
    }
    return folder;
}

Ref<host::MAPIFolder> SimNameSpace::GetFolderFromID(const std::string& entryId,
                                                    const std::string& storeId) {
    if (EnterGetter("GetFolderFromID")) {
        return nullptr;
    }
    auto folder = FolderById(entryId, storeId);
    if (!folder) {
        throw Failure(HostError::NotFound, "The operation failed. An object could not be found.",
                      "NameSpace.GetFolderFromID");
    }
    return folder;
}

Ref<host::MAPIFolder> SimNameSpace::PickFolder() {
    if (EnterGetter("PickFolder") || picks_.empty()) {
        return nullptr;
    }
    auto picked = std::move(picks_.front());
    picks_.pop_front();
    return picked;
}

void SimNameSpace::PlanPicks(std::vector<std::shared_ptr<SimFolder>> picks) {
    picks_.assign(picks.begin(), picks.end());
}

std::shared_ptr<SimFolder> SimNameSpace::AddStore(const std::string& name,
                                                  std::optional<std::string> storeId) {
    for (const auto& store : stores_) {
        if (store.Name == name) {
            throw UserActionError("There is already a store named \"" + name + "\".");
        }
    }
    const std::string id = storeId.value_or(HostIds::StoreID(name));
    auto top = MakeSim<SimFolder>(CorePtr(), name, id, name, host::ItemType::Mail);
    top->SetParent(Self<host::HostObject>(), {});
    top->SetEntryId(HostIds::FolderEntryID(name, name));
    stores_.push_back(SimStore{name, id, top, {}});
    ++Core().FolderChanges;
    return top;
}

void SimNameSpace::SetDefaultStore(const std::string& name) {
    for (std::size_t i = 0; i < stores_.size(); ++i) {
        if (stores_[i].Name == name) {
            defaultStore_ = i;
            return;
        }
    }
    throw UserActionError("There is no store named \"" + name + "\".");
}

const SimStore* SimNameSpace::DefaultStore() const {
    return defaultStore_ ? &stores_[*defaultStore_] : nullptr;
}

void SimNameSpace::SetDefaultFolder(int folderKind, const std::shared_ptr<SimFolder>& folder) {
    if (!defaultStore_ || folder->StoreName() != stores_[*defaultStore_].Name) {
        throw UserActionError("Default folders belong to the default store: \"" + folder->Path() +
                              "\" is not in it.");
    }
    stores_[*defaultStore_].Defaults[folderKind] = folder;
}

std::shared_ptr<SimFolder> SimNameSpace::DefaultFolder(int folderKind) const {
    const SimStore* store = DefaultStore();
    if (!store) {
        return nullptr;
    }
    auto found = store->Defaults.find(folderKind);
    auto folder = found == store->Defaults.end() ? nullptr : found->second.lock();
    return folder && folder->Valid() ? folder : nullptr;
}

std::shared_ptr<SimFolder> SimNameSpace::FolderAt(const std::string& path) const {
    const std::size_t slash = path.find('/');
    const std::string storeName = path.substr(0, slash);
    for (const auto& store : stores_) {
        if (store.Name != storeName) {
            continue;
        }
        std::shared_ptr<SimFolder> folder = store.Top.get();
        std::size_t at = slash;
        while (folder && at != std::string::npos) {
            const std::size_t next = path.find('/', at + 1);
            folder = folder->Subfolder(path.substr(at + 1, next - at - 1));
            at = next;
        }
        return folder;
    }
    return nullptr;
}

std::shared_ptr<SimFolder> SimNameSpace::FolderById(const std::string& entryId,
                                                    const std::string& storeId) const {
    return directory_.Find(stores_, Core().FolderChanges, entryId, storeId);
}

std::shared_ptr<SimItemState> SimNameSpace::ItemById(const std::string& entryId,
                                                     const std::string& storeId) const {
    std::shared_ptr<SimItemState> item;
    for (const auto& store : stores_) {
        if (store.StoreId != storeId) {
            continue;
        }
        Search(store.Top.get(), [&](const SimFolder& folder) {
            for (const auto& candidate : folder.Contents()) {
                if (candidate->EntryId() == entryId) {
                    item = candidate.get();
                    return true;
                }
            }
            return false;
        });
    }
    return item;
}

void SimNameSpace::DeleteFolder(SimFolder& folder) {
    auto parent = folder.ParentFolder();
    if (!parent) {
        throw UserActionError("The top folder of a store cannot be deleted.");
    }
    folder.MarkDeleted();
    parent->RemoveSubfolder(folder);
}

}  // namespace pwk::sim
