#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

#include "src/tracking/DroppedFolderset.h"
#include "src/tracking/FoldersetLayout.h"
#include "src/tracking/TrackedFolderset.h"
#include "src/util/KeyedCollection.h"
#include "src/util/Ref.h"

namespace pwk {

class Component;
class Procedure;
class SettingsStore;

namespace host {
class NameSpace;
}  // namespace host

// The tracked foldersets: no contacts folder in two foldersets, and every folderset's three
// folders present when it was added. Entries are keyed by their registry index; the collection
// owns them, takes copies on the way in and hands out copies on the way out.
class TrackedFoldersets {
  public:
    static constexpr const char* DefaultSection = "Tracked Foldersets";

    explicit TrackedFoldersets(Component& component);

    std::int32_t nextRegIndex();
    // Replaces the content by validated copies of `source`'s entries, registry indexes kept;
    // "True" when every entry was copied, empty text when one was refused (see GetFailReason).
    std::string CopyFrom(const std::shared_ptr<TrackedFoldersets>& source,
                         const Ref<host::NameSpace>& nameSpace);
    // Why the last Add refused; empty after a successful one.
    std::string GetFailReason();
    std::int32_t Count();
    // Fresh copies; position 1 to Count, or a registry index in use.
    std::shared_ptr<TrackedFolderset> Item(std::int32_t index);
    // Item without the copy, for a caller that only asks the folderset for its folders there
    // and then (a search over every folderset): traced and checked as Item, read-only, and
    // valid until the collection changes. When the range failure is passed over, nothing is
    // there to view and the caller gets "object not set" (91).
    const TrackedFolderset& ItemView(std::int32_t index);
    std::shared_ptr<TrackedFolderset> ItemByRegIndex(std::int32_t index);
    // Stores a copy; false (with the reason) when the contacts folder is already tracked or
    // a folder is missing.
    bool Add(const std::shared_ptr<TrackedFolderset>& folderset,
             const Ref<host::NameSpace>& nameSpace);
    // Adds a new folderset under the next registry index; `regIndex` is accepted and unused.
    bool AddByIDs(const std::string& contactEntryID, const std::string& contactStoreID,
                  const std::string& journalEntryID, const std::string& journalStoreID,
                  const std::string& emailEntryID, const std::string& emailStoreID,
                  const Ref<host::NameSpace>& nameSpace, std::int32_t regIndex = -1);
    // Removes the first entry equal to `folderset` (registry index not compared), if any.
    void Remove(const std::shared_ptr<TrackedFolderset>& folderset);
    void RemoveByRegIndex(std::int32_t index);
    void Clear();

    // Loads from the settings store, dropping (with a warning line in the log, and into the
    // recovery record) every stored folderset that cannot be added any more.
    void ReadFromReg(const std::string& appName, const Ref<host::NameSpace>& nameSpace,
                     const std::string& folderstoreSection = DefaultSection);
    // True when the last ReadFromReg went on past a failed read (or did not finish): the
    // collection may lack foldersets that are stored, so a save must not write it over them.
    bool Unread() const { return unread_; }
    // The identifiers of every folderset the last ReadFromReg found stored, loaded or dropped,
    // in position order.
    const std::vector<FoldersetLayout::Ids>& Stored() const { return stored_; }
    // The same list, moved out: Stored is empty after it.
    std::vector<FoldersetLayout::Ids> TakeStored() { return std::move(stored_); }
    // Becomes the foldersets `list` names, in its order: an entry held already is kept as it
    // is (attachment folder and all), any other is added by its identifiers. Each is checked
    // as Add checks it; one refused is dropped, for the next save's recovery record.
    void Rebuild(const std::vector<FoldersetLayout::Ids>& list,
                 const Ref<host::NameSpace>& nameSpace);
    // The foldersets dropped (by ReadFromReg, CopyFrom or Rebuild) that are not in the recovery
    // record yet; the caller's next save writes them, in the batch that writes the list without
    // them.
    std::vector<DroppedFolderset> TakeUnkept();
    // Writes Count and the six identifiers of every entry, numbered 1 to Count, in one batch.
    void SaveToReg(const std::string& appName,
                   const std::string& folderstoreSection = DefaultSection);
    // SaveToReg's writes, untraced, for a caller that saves more in the same batch: the first
    // refused write throws.
    void Write(SettingsStore& store, const std::string& appName,
               const std::string& folderstoreSection);

  private:
    using Entries = KeyedCollection<std::shared_ptr<TrackedFolderset>>;

    // A contacts folder by EntryID and StoreID, viewing the texts of a stored entry (or, for a
    // lookup, of the candidate): the index holds no copies and asks for none.
    using ContactKey = std::pair<std::string_view, std::string_view>;
    struct ContactKeyHash {
        std::size_t operator()(const ContactKey& key) const noexcept {
            const std::hash<std::string_view> hash;
            return hash(key.first) ^ (hash(key.second) * 31);
        }
    };
    static ContactKey ContactKeyOf(const TrackedFolderset& folderset);

    // The stored entry at a position, 1 to Count; out of range fails with 9.
    const std::shared_ptr<TrackedFolderset>& StoredAt(std::int32_t index);
    std::shared_ptr<TrackedFolderset> CopyOf(const std::shared_ptr<TrackedFolderset>& entry) const;
    void ReleaseEntries();
    // Records a folderset ReadFromReg drops, or leaves it to the next save when the store
    // refuses and the user goes on.
    void Drop(Procedure& proc, const DroppedFolderset& dropped, const std::string& warning);
    // A folderset CopyFrom refused, for the next save's recovery record.
    void Unkept(const TrackedFolderset& folderset, std::int32_t position);

    Component& component_;
    // Absent (not just empty) on a new collection, after Clear and after the last removal.
    std::optional<Entries> entries_;
    // The contacts folders of the stored entries, so that Add's test for one already tracked
    // costs the same at any size; its views live as long as the entries they view.
    std::unordered_set<ContactKey, ContactKeyHash> contactFolders_;
    std::string failReason_;
    std::int32_t nextRegIndex_ = 0;
    bool unread_ = false;
    std::vector<FoldersetLayout::Ids> stored_;
    std::vector<DroppedFolderset> unkept_;
};

}  // namespace pwk
