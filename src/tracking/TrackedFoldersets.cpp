#include "src/tracking/TrackedFoldersets.h"

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <utility>
#include <vector>

#include "src/component/Component.h"
#include "src/errors/Procedure.h"
#include "src/platform/Platform.h"
#include "src/platform/SettingsStore.h"
#include "src/resources/StringTable.h"
#include "src/tracking/DroppedFoldersets.h"
#include "src/tracking/FoldersetLayout.h"
#include "src/tracking/TextConversion.h"
#include "src/util/Ref.h"

namespace pwk {

namespace {

constexpr const char* kFoldersetsModule = "TrackedFoldersets";
constexpr const char* kKeptBySave = "; to be kept for recovery by the next save";

std::string KeyOf(std::int32_t regIndex) {
    return std::to_string(regIndex);
}

// Item and ItemByRegIndex name the component as the source of their range failure.
[[noreturn]] void RaiseOutOfRange() {
    Raise(FailureNumber::SubscriptOutOfRange, LoadResString(StringId::AppTitle));
}

using StoredIDs = FoldersetLayout::Ids;

void LogSkipped(Component& component, std::int32_t count, std::int64_t skipped) {
    component.Errors().LogText("WARNING: Tracked Foldersets \"Count\" is " + std::to_string(count) +
                               ": " + std::to_string(skipped) +
                               " positions hold nothing and were skipped");
}

// The record of a folderset dropped from `position`, as the recovery record keeps it.
DroppedFolderset RecordOf(Component& component, const StoredIDs& ids, std::int32_t position,
                          const std::string& reason) {
    TrackedFolderset folderset(component);
    folderset.SetIDs(ids[0], ids[1], ids[2], ids[3], ids[4], ids[5], "", position);
    Platform& platform = component.platform();
    return DroppedFoldersets::Of(folderset, position,
                                 platform.FormatDate(platform.Now(), DroppedFoldersets::WhenFormat),
                                 reason);
}

bool HoldsNothing(const DroppedFolderset& dropped) {
    return std::all_of(dropped.IDs.begin(), dropped.IDs.end(),
                       [](const auto& id) { return id.empty(); });
}

void LogDropped(Component& component, const DroppedFolderset& dropped, const std::string& warning,
                const char* kept) {
    component.Errors().LogText(warning + ": " + DroppedFoldersets::Describe(dropped) + ": " +
                               dropped.Reason + (HoldsNothing(dropped) ? "" : kept));
}

}  // namespace

TrackedFoldersets::TrackedFoldersets(Component& component) : component_(component) {}

std::int32_t TrackedFoldersets::nextRegIndex() {
    std::int32_t result = 0;
    Procedure proc(component_, kFoldersetsModule, "nextRegIndex", Boundary::Component);
    proc.Run([&] { result = nextRegIndex_; });
    return result;
}

std::string TrackedFoldersets::CopyFrom(const std::shared_ptr<TrackedFoldersets>& source,
                                        const Ref<host::NameSpace>& nameSpace) {
    std::string result;
    Procedure proc(component_, kFoldersetsModule, "CopyFrom", Boundary::Component);
    proc.Run([&] {
        proc.Step([&] { Clear(); });
        proc.Step([&] { nextRegIndex_ = Deref(source).nextRegIndex(); });
        std::int32_t count = 0;
        proc.Step([&] { count = Deref(source).Count(); });
        bool whole = true;
        for (std::int32_t i = 1; i <= count; ++i) {
            auto copy = std::make_shared<TrackedFolderset>(component_);
            if (!proc.Step([&] { copy->CopyFrom(Deref(source).Item(i)); })) {
                whole = false;
                continue;
            }
            bool added = false;
            proc.Step([&] { added = Add(copy, nameSpace); });
            if (!added) {
                // A folder lookup that fails now must not cost the folderset, nor the ones
                // after it: it waits for the next save, which puts it in the recovery record.
                whole = false;
                proc.Step([&] { Unkept(*copy, i); });
            }
        }
        if (whole) {
            result = "True";
        }
    });
    return result;
}

std::string TrackedFoldersets::GetFailReason() {
    std::string result;
    Procedure proc(component_, kFoldersetsModule, "GetFailReason", Boundary::Component);
    proc.Run([&] { result = failReason_; });
    return result;
}

std::int32_t TrackedFoldersets::Count() {
    std::int32_t result = 0;
    Procedure proc(component_, kFoldersetsModule, "Count", Boundary::Component);
    proc.Run([&] { result = entries_ ? entries_->Count() : 0; });
    return result;
}

std::shared_ptr<TrackedFolderset> TrackedFoldersets::Item(std::int32_t index) {
    std::shared_ptr<TrackedFolderset> result;
    Procedure proc(component_, kFoldersetsModule, "Item", Boundary::Component);
    proc.Run([&] { result = CopyOf(StoredAt(index)); });
    return result;
}

const TrackedFolderset& TrackedFoldersets::ItemView(std::int32_t index) {
    const TrackedFolderset* result = nullptr;
    Procedure proc(component_, kFoldersetsModule, "Item", Boundary::Component);
    proc.Run([&] { result = StoredAt(index).get(); });
    if (result == nullptr) {
        Raise(FailureNumber::ObjectNotSet);
    }
    return *result;
}

std::shared_ptr<TrackedFolderset> TrackedFoldersets::ItemByRegIndex(std::int32_t index) {
    std::shared_ptr<TrackedFolderset> result;
    Procedure proc(component_, kFoldersetsModule, "ItemByRegIndex", Boundary::Component);
    proc.Run([&] {
        // Only the upper bound is tested; an index in range but not in use is a missing key.
        if (!entries_ || index > nextRegIndex_) {
            RaiseOutOfRange();
        }
        result = CopyOf(entries_->Item(KeyOf(index)));
    });
    return result;
}

bool TrackedFoldersets::Add(const std::shared_ptr<TrackedFolderset>& folderset,
                            const Ref<host::NameSpace>& nameSpace) {
    bool result = false;
    Procedure proc(component_, kFoldersetsModule, "Add", Boundary::Component);
    proc.Run([&] {
        proc.Step([&] {
            if (!entries_) {
                entries_.emplace();
            }
        });
        proc.Step([&] { failReason_.clear(); });

        // Only the contacts folder must be unique: foldersets may share journal or e-mails.
        bool duplicate = false;
        proc.Step([&] { duplicate = contactFolders_.contains(ContactKeyOf(Deref(folderset))); });
        if (duplicate) {
            failReason_ = LoadResString(StringId::DuplicateContactFolder);
            return;
        }

        bool exists = false;
        proc.Step([&] { exists = Deref(folderset).MAPIFoldersExist(nameSpace); });
        if (!exists) {
            // Whichever of the three folders is missing.
            failReason_ = LoadResString(StringId::ContactFolderNotFound);
            return;
        }
        auto copy = std::make_shared<TrackedFolderset>(component_);
        proc.Step([&] { copy->CopyFrom(folderset); });
        proc.Step([&] {
            entries_->Add(KeyOf(copy->getRegIndex()), copy);
            contactFolders_.insert(ContactKeyOf(*copy));
            result = true;
        });
        // Past the index just used, so a later AddByIDs never meets a key in use.
        proc.Step([&] {
            const std::int32_t used = copy->getRegIndex();
            if (result && used >= nextRegIndex_) {
                if (used == std::numeric_limits<std::int32_t>::max()) {
                    Raise(FailureNumber::Overflow);
                }
                nextRegIndex_ = used + 1;
            }
        });
    });
    return result;
}

bool TrackedFoldersets::AddByIDs(const std::string& contactEntryID,
                                 const std::string& contactStoreID,
                                 const std::string& journalEntryID,
                                 const std::string& journalStoreID, const std::string& emailEntryID,
                                 const std::string& emailStoreID,
                                 const Ref<host::NameSpace>& nameSpace, std::int32_t /*regIndex*/) {
    bool result = false;
    Procedure proc(component_, kFoldersetsModule, "AddByIDs", Boundary::Component);
    proc.Run([&] {
        auto folderset = std::make_shared<TrackedFolderset>(component_);
        proc.Step([&] {
            folderset->SetIDs(contactEntryID, contactStoreID, journalEntryID, journalStoreID,
                              emailEntryID, emailStoreID, "", nextRegIndex_);
        });
        proc.Step([&] { result = Add(folderset, nameSpace); });
    });
    return result;
}

void TrackedFoldersets::Remove(const std::shared_ptr<TrackedFolderset>& folderset) {
    Procedure proc(component_, kFoldersetsModule, "Remove", Boundary::Component);
    proc.Run([&] {
        proc.Step([&] {
            if (!entries_) {
                return;
            }
            for (std::int32_t i = 1; i <= entries_->Count(); ++i) {
                if (entries_->Item(i)->Equals(folderset)) {
                    contactFolders_.erase(ContactKeyOf(*entries_->Item(i)));
                    entries_->Remove(i);
                    return;
                }
            }
        });
        proc.Step([&] {
            if (entries_ && entries_->Count() == 0) {
                ReleaseEntries();
            }
        });
    });
}

void TrackedFoldersets::RemoveByRegIndex(std::int32_t index) {
    Procedure proc(component_, kFoldersetsModule, "RemoveByRegIndex", Boundary::Component);
    // The copy equals the stored entry, and no other entry shares its contacts folder.
    proc.Run([&] { Remove(ItemByRegIndex(index)); });
}

void TrackedFoldersets::Clear() {
    Procedure proc(component_, kFoldersetsModule, "Clear", Boundary::Component);
    proc.Run([&] { ReleaseEntries(); });
}

void TrackedFoldersets::ReadFromReg(const std::string& appName,
                                    const Ref<host::NameSpace>& nameSpace,
                                    const std::string& folderstoreSection) {
    Procedure proc(component_, kFoldersetsModule, "ReadFromReg", Boundary::Component);
    unread_ = true;
    stored_.clear();
    proc.Run([&] {
        proc.Step([&] { Clear(); });
        SettingsStore& store = component_.platform().Settings();
        bool whole = true;
        std::int32_t count = 0;
        whole &= proc.Step([&] {
            count = FromStoredText<std::int32_t>(
                folderstoreSection, FoldersetLayout::CountKey,
                store.GetSetting(appName, folderstoreSection, FoldersetLayout::CountKey, "0"));
        });
        // A position that holds nothing reads as six empty identifiers, which no host
        // resolves: only the stored positions are walked, however high "Count" is. The list is
        // read whole, one listing per section, before any folderset is added.
        std::vector<FoldersetLayout::Stored> positions;
        whole &= proc.Step([&] {
            positions = FoldersetLayout::ReadPositions(store, appName, folderstoreSection);
        });
        const auto afterCount =
            std::upper_bound(positions.begin(), positions.end(), count,
                             [](std::int32_t bound, const FoldersetLayout::Stored& at) {
                                 return bound < at.Position;
                             });
        const std::int64_t skipped =
            std::max<std::int64_t>(count, 0) - (afterCount - positions.begin());
        if (whole && skipped > 0) {
            proc.Step([&] { LogSkipped(component_, count, skipped); });
        }
        for (auto position = positions.begin(); position != positions.end(); ++position) {
            const std::int32_t i = position->Position;
            // Read once and kept once: the list as stored holds the identifiers read.
            stored_.push_back(std::move(position->Identifiers));
            const StoredIDs& ids = stored_.back();
            const auto drop = [&](const std::string& reason, const char* warning) {
                DroppedFolderset dropped;
                if (proc.Step([&] { dropped = RecordOf(component_, ids, i, reason); })) {
                    Drop(proc, dropped, warning);
                } else {
                    whole = false;
                }
            };
            if (position >= afterCount) {
                // Never loaded, and the save that follows a load would lose it.
                drop("stored after the last position \"Count\" names (" + std::to_string(count) +
                         ")",
                     "WARNING: A TrackedFolderset is stored after its Count");
                continue;
            }
            bool added = false;
            proc.Step([&] {
                added = AddByIDs(ids[0], ids[1], ids[2], ids[3], ids[4], ids[5], nameSpace);
            });
            if (!added) {
                // Missing folders or a repeated contacts folder: the folderset is dropped.
                drop(failReason_, "WARNING: Some TrackedFoldersets could not be found");
            }
        }
        unread_ = !whole;
    });
}

void TrackedFoldersets::Rebuild(const std::vector<FoldersetLayout::Ids>& list,
                                const Ref<host::NameSpace>& nameSpace) {
    Procedure proc(component_, kFoldersetsModule, "Rebuild", Boundary::Component);
    proc.Run([&] {
        std::map<FoldersetLayout::Ids, std::shared_ptr<TrackedFolderset>> held;
        for (std::int32_t i = 1; entries_ && i <= entries_->Count(); ++i) {
            held.emplace(FoldersetLayout::IdsOf(*entries_->Item(i)), entries_->Item(i));
        }
        proc.Step([&] { Clear(); });
        std::int32_t position = 0;
        for (const FoldersetLayout::Ids& ids : list) {
            ++position;
            auto folderset = std::make_shared<TrackedFolderset>(component_);
            if (const auto found = held.find(ids); found != held.end()) {
                folderset = found->second;
            } else {
                folderset->SetIDs(ids[0], ids[1], ids[2], ids[3], ids[4], ids[5], "",
                                  nextRegIndex_);
            }
            bool added = false;
            proc.Step([&] { added = Add(folderset, nameSpace); });
            if (!added) {
                proc.Step([&] { Unkept(*folderset, position); });
            }
        }
    });
}

std::vector<DroppedFolderset> TrackedFoldersets::TakeUnkept() {
    return std::exchange(unkept_, {});
}

void TrackedFoldersets::Drop(Procedure& proc, const DroppedFolderset& dropped,
                             const std::string& warning) {
    if (HoldsNothing(dropped)) {
        LogDropped(component_, dropped, warning, "");
        return;
    }
    // The record is written at once, so that a load alone keeps it; when the store refuses
    // and the user goes on, the next save writes it in one batch with the list that lacks it.
    if (proc.Step([&] { DroppedFoldersets::Keep(component_.platform().Settings(), dropped); })) {
        LogDropped(component_, dropped, warning, "; kept for recovery");
        return;
    }
    unkept_.push_back(dropped);
    LogDropped(component_, dropped, warning, kKeptBySave);
}

void TrackedFoldersets::Unkept(const TrackedFolderset& folderset, std::int32_t position) {
    Platform& platform = component_.platform();
    DroppedFolderset dropped = DroppedFoldersets::Of(
        folderset, position, platform.FormatDate(platform.Now(), DroppedFoldersets::WhenFormat),
        failReason_);
    LogDropped(component_, dropped, "WARNING: A TrackedFolderset could not be copied", kKeptBySave);
    unkept_.push_back(std::move(dropped));
}

void TrackedFoldersets::SaveToReg(const std::string& appName,
                                  const std::string& folderstoreSection) {
    Procedure proc(component_, kFoldersetsModule, "SaveToReg", Boundary::Component);
    proc.Run([&] {
        // Whole or not at all: going on past a refused write must not leave half a list.
        SettingsStore& store = component_.platform().Settings();
        proc.Step([&] { store.Batch([&] { Write(store, appName, folderstoreSection); }); });
    });
}

void TrackedFoldersets::Write(SettingsStore& store, const std::string& appName,
                              const std::string& folderstoreSection) {
    const std::int32_t count = entries_ ? entries_->Count() : 0;
    store.SaveSetting(appName, folderstoreSection, FoldersetLayout::CountKey,
                      std::to_string(count));
    // Named once for the whole list.
    const auto sections = FoldersetLayout::SectionsOf(folderstoreSection);
    for (std::int32_t i = 1; i <= count; ++i) {
        const std::string key = std::to_string(i);
        const TrackedFolderset& folderset = *entries_->Item(i);
        for (std::size_t f = 0; f < FoldersetLayout::Folders.size(); ++f) {
            const FoldersetLayout::Folder& folder = FoldersetLayout::Folders[f];
            store.SaveSetting(appName, sections[2 * f], key, (folderset.*folder.EntryID)());
            store.SaveSetting(appName, sections[2 * f + 1], key, (folderset.*folder.StoreID)());
        }
    }
}

TrackedFoldersets::ContactKey TrackedFoldersets::ContactKeyOf(const TrackedFolderset& folderset) {
    return {folderset.getContactFoldEntryID(), folderset.getContactFoldStoreID()};
}

const std::shared_ptr<TrackedFolderset>& TrackedFoldersets::StoredAt(std::int32_t index) {
    if (!entries_ || index < 1 || index > entries_->Count()) {
        RaiseOutOfRange();
    }
    return entries_->Item(index);
}

void TrackedFoldersets::ReleaseEntries() {
    contactFolders_.clear();
    entries_.reset();
}

std::shared_ptr<TrackedFolderset> TrackedFoldersets::CopyOf(
    const std::shared_ptr<TrackedFolderset>& entry) const {
    auto copy = std::make_shared<TrackedFolderset>(component_);
    copy->CopyFrom(entry);
    return copy;
}

}  // namespace pwk
