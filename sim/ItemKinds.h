#pragma once

#include <optional>
#include <string>
#include <vector>

#include "src/host/HostTypes.h"

namespace pwk::sim {

enum class FieldType { Text, Date, Number };

struct FieldSpec {
    std::string Name;
    FieldType Type;
};

// What one kind of item is: its type name, its name in mailbox files, and the fields it has.
struct ItemKind {
    host::ItemType Type;
    std::string TypeName;  // "ContactItem"
    std::string FileName;  // "contact"
    std::vector<FieldSpec> Fields;
};

// The item kinds the simulated host knows.
class ItemKinds {
  public:
    static const std::vector<ItemKind>& All();
    // Fails (5) for an item type the host cannot make (posts).
    static const ItemKind& Of(host::ItemType type);
    static const ItemKind* ByFileName(const std::string& fileName);
    static std::optional<FieldType> FieldOf(host::ItemType type, const std::string& field);
    // The type of the field of that name in the first kind that has one; nothing when no kind
    // of item has such a field.
    static std::optional<FieldType> TypeOfField(const std::string& field);
    // The fields Items.Find looks up through an index instead of a scan.
    static bool Indexed(const std::string& field);
};

}  // namespace pwk::sim
