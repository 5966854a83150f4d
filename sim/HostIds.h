#pragma once

#include <string>

namespace pwk::sim {

// Identifiers that look like the host's (long upper-case hexadecimal texts) and are derived
// only from names, so every load of the same mailbox gives the same identifiers.
class HostIds {
  public:
    static std::string StoreID(const std::string& storeName);
    // `path` is the folder's full path, store name first ("Acme Public/Customers/Contacts").
    static std::string FolderEntryID(const std::string& storeName, const std::string& path);
    // `key` tells the item apart within its folder: its position in the file, or the serial
    // number the host gave a new item.
    static std::string ItemEntryID(const std::string& storeName, const std::string& path,
                                   const std::string& key);
    // True for a text that could be one of the above: an even number (at least 16) of
    // upper-case hexadecimal digits.
    static bool LooksValid(const std::string& id);
};

}  // namespace pwk::sim
