#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>

namespace pwk::sim {

class SimItemState;

// The values of the indexed fields (ItemKinds::Indexed) of one folder's items, so that Find
// costs the same on a folder of 100,000 contacts as on one of 10. For each value the items
// are kept in folder order, so the first match is the one a scan would find.
class FolderIndex {
  public:
    void Add(SimItemState& item);
    void Remove(SimItemState& item);
    void Change(SimItemState& item, const std::string& field, const std::string& from,
                const std::string& to);
    // The first item in folder order whose `field` equals `value`, letter case ignored; null
    // when none. Values are kept under their case-folded text.
    SimItemState* First(const std::string& field, const std::string& value) const;

  private:
    void Put(SimItemState& item, const std::string& field, const std::string& value);
    void Erase(SimItemState& item, const std::string& field, const std::string& value);

    using ByOrder = std::map<std::uint64_t, SimItemState*>;
    std::unordered_map<std::string, std::unordered_map<std::string, ByOrder>> fields_;
};

}  // namespace pwk::sim
