#pragma once

#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "sim/SimStore.h"

namespace pwk::sim {

class SimFolder;

// The folders of every store by EntryID, so that GetFolderFromID costs the same in a mailbox
// of 10,000 folders as in one of ten. It is rebuilt by one walk of the stores whenever the
// folder tree changed since (SimCore::FolderChanges), and answers exactly what that walk would:
// the first folder in store order, then folder order, with the EntryID (and the StoreID, unless
// that is empty).
//
// Laid out for look-ups in a mailbox far larger than the processor's caches: one flat table of
// small cells (open addressing), the EntryIDs one after another in one string, the folders in
// one array with their stores by number; a look-up touches a cell, its EntryID and the folder's
// entry, not a chain of nodes.
class FolderDirectory {
  public:
    std::shared_ptr<SimFolder> Find(const std::vector<SimStore>& stores, std::uint64_t changes,
                                    const std::string& entryId, const std::string& storeId);

  private:
    static constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();

    // One EntryID: where it is in ids_, and its folders in walk order (a list through
    // Entry::next); an empty cell has no first folder.
    struct Cell {
        std::size_t hash = 0;
        std::uint32_t idAt = 0;
        std::uint32_t idLength = 0;
        std::uint32_t first = kNone;
        std::uint32_t last = kNone;
    };
    struct Entry {
        std::weak_ptr<SimFolder> folder;
        std::uint32_t next = kNone;
        std::uint32_t store = 0;  // the folder's StoreId, by its place in storeIds_
    };

    void Rebuild(const std::vector<SimStore>& stores);
    // The cell of that EntryID, or the empty cell where it would go.
    Cell& CellOf(std::string_view entryId, std::size_t hash);
    // The place of that StoreID in storeIds_; kNone when no folder has it.
    std::uint32_t StoreOf(std::string_view storeId) const;

    std::uint64_t builtAt_ = std::numeric_limits<std::uint64_t>::max();
    std::vector<Cell> cells_;  // a power of two in size, at most half full
    std::vector<Entry> folders_;
    std::string ids_;
    // Every StoreID the folders have, once each: a look-up compares the StoreID asked for with
    // these few instead of with each candidate folder's own copy, far away in memory.
    std::vector<std::string> storeIds_;
};

}  // namespace pwk::sim
