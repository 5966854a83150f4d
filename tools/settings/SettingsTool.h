#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tools/settings/FoldersetRecord.h"
#include "tools/settings/StoreAccess.h"
#include "tools/settings/StoredFoldersets.h"

namespace pwk::settingstool {

class MailboxFolders;
struct SettingsCommand;

// Carries out one command on the settings store, in the layout the add-in reads. A refused
// command throws ToolError before anything is written; a store failure passes on as the
// store's Failure. Changes to the foldersets rewrite their whole section in one batch.
// "Version" and "FirstRun" are never written: they record the add-in's own saves.
class SettingsTool {
  public:
    // `mailbox` may be null; commands that need one are refused by the command line first.
    SettingsTool(StoreAccess store, const MailboxFolders* mailbox, std::ostream& out);

    void Run(const SettingsCommand& command);

  private:
    void Show();
    void List();
    void Add(const std::vector<std::string>& paths);
    void AddIds(const std::vector<std::string>& ids);
    void Remove(const std::string& position);
    void Set(const std::string& name, const std::string& value);
    void Dropped();
    void Restore(const std::string& which);

    // Appends `record` after the stored ones unless its contacts folder is tracked already.
    void Append(const FoldersetRecord& record, const std::string& contactsName);
    // Refuses `record` when its contacts folder is among `records`.
    static void RequireUntracked(const std::vector<FoldersetRecord>& records,
                                 const FoldersetRecord& record, const std::string& contactsName);
    // Writes `records` as the new list in one batch with removing the recovery records of
    // `restored`; foldersets stored after "Count" go to the recovery record, not away.
    void Rewrite(const StoredFoldersets& stored, const std::vector<FoldersetRecord>& records,
                 const std::vector<std::string>& restored = {});
    // The folder at `path` in the mailbox; refuses a path that is not there.
    FolderIds FolderAt(const std::string& path) const;

    StoreAccess store_;
    const MailboxFolders* mailbox_;
    std::ostream& out_;
};

}  // namespace pwk::settingstool
