#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tools/settings/FoldersetRecord.h"
#include "tools/settings/RecoveryTable.h"
#include "tools/settings/StoredFoldersets.h"

namespace pwk::settingstool {

class MailboxFolders;

// The readable forms of the store's content that `show` and `list` print.
class SettingsReport {
  public:
    // Every stored value, grouped by section; `dump` is the store's "section|key=value"
    // listing. Positions sort as numbers (2 before 10).
    static void Show(const std::vector<std::string>& dump, const std::string& storeName,
                     std::ostream& out);
    // The tracked foldersets, position by position, with the folder paths when a mailbox is
    // given, and a note on every folderset the add-in would drop for a repeated contacts
    // folder.
    static void List(const StoredFoldersets& stored, const std::string& storeName,
                     const MailboxFolders* mailbox, std::ostream& out);
    // The recovery record, numbered as `restore` takes them.
    static void Dropped(const std::vector<RecoveryTable::Entry>& entries,
                        const std::string& storeName, const MailboxFolders* mailbox,
                        std::ostream& out);

  private:
    static void ListOne(const std::vector<FoldersetRecord>& records, std::size_t index,
                        const MailboxFolders* mailbox, std::ostream& out);
    // The three folders, the first line headed by `head`.
    static void Folders(const FoldersetRecord& record, const std::string& head,
                        const MailboxFolders* mailbox, std::ostream& out);
};

}  // namespace pwk::settingstool
