#pragma once

#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "sim/SimStore.h"

namespace pwk::sim {

class SimFolder;

// The folders of every store by EntryID, so that GetFolderFromID costs the same in a mailbox
// of 10,000 folders as in one of ten. It is rebuilt by one walk of the stores whenever the
// folder tree changed since (SimCore::FolderChanges), and answers exactly what that walk would:
// the first folder in store order, then folder order, with the EntryID (and the StoreID, unless
// that is empty).
class FolderDirectory {
  public:
    std::shared_ptr<SimFolder> Find(const std::vector<SimStore>& stores, std::uint64_t changes,
                                    const std::string& entryId, const std::string& storeId);

  private:
    void Rebuild(const std::vector<SimStore>& stores);
    void Enter(const std::shared_ptr<SimFolder>& folder);

    // The folders of one EntryID in walk order; nearly always one, held in place so that a
    // look-up touches no more memory than it must.
    struct Slot {
        std::weak_ptr<SimFolder> first;
        std::vector<std::weak_ptr<SimFolder>> more;
    };

    std::uint64_t builtAt_ = std::numeric_limits<std::uint64_t>::max();
    std::unordered_map<std::string, Slot> byEntryId_;
};

}  // namespace pwk::sim
