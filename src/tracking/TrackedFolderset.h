#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "src/util/Ref.h"

namespace pwk {

class Component;

namespace host {
class MAPIFolder;
class NameSpace;
}  // namespace host

// Three host folders that belong together (tracked contacts, their journal, their e-mail
// copies), named by EntryID and StoreID only. The folders are looked up through the namespace
// on every access, never cached, so a folder deleted meanwhile is noticed at once.
class TrackedFolderset {
  public:
    explicit TrackedFolderset(Component& component);

    // Becomes a copy of `source`, registry index and attachment directory included.
    void CopyFrom(const std::shared_ptr<TrackedFolderset>& source);
    void SetIDs(std::string contactEntryID, std::string contactStoreID, std::string journalEntryID,
                std::string journalStoreID, std::string emailEntryID, std::string emailStoreID,
                std::string attachDir, std::int32_t regIndex);
    // Same six identifiers and attachment directory, exactly; the registry index takes no part.
    bool Equals(const std::shared_ptr<TrackedFolderset>& toCompare) const;

    // The getters hand out the stored text: a caller that keeps it takes its own copy.
    const std::string& getContactFoldEntryID() const { return Ids().contactEntryID; }
    const std::string& getContactFoldStoreID() const { return Ids().contactStoreID; }
    const std::string& getJournFoldEntryID() const { return Ids().journalEntryID; }
    const std::string& getJournFoldStoreID() const { return Ids().journalStoreID; }
    const std::string& getEmailFoldEntryID() const { return Ids().emailEntryID; }
    const std::string& getEmailFoldStoreID() const { return Ids().emailStoreID; }
    const std::string& getAttachDir() const { return Ids().attachDir; }
    std::int32_t getRegIndex() const { return regIndex_; }

    // The host folder, or nothing when the host cannot find it.
    Ref<host::MAPIFolder> ContactMAPIFolder(const Ref<host::NameSpace>& nameSpace) const;
    Ref<host::MAPIFolder> JournMAPIFolder(const Ref<host::NameSpace>& nameSpace) const;
    Ref<host::MAPIFolder> EmailMAPIFolder(const Ref<host::NameSpace>& nameSpace) const;

    // True when all three folders are found (all three are always looked up).
    bool MAPIFoldersExist(const Ref<host::NameSpace>& nameSpace);

    // Display names; a folder that cannot be found fails (91) to the caller.
    std::string ContactFolderName(const Ref<host::NameSpace>& nameSpace);
    std::string JournalFolderName(const Ref<host::NameSpace>& nameSpace);
    std::string EmailFolderName(const Ref<host::NameSpace>& nameSpace);

  private:
    Ref<host::MAPIFolder> GetMAPIFolderFromIDs(const Ref<host::NameSpace>& nameSpace,
                                               const std::string& entryID,
                                               const std::string& storeID) const;

    // The texts never change once made: SetIDs makes new ones. So copies share them, and
    // the copy that every Item of the collection hands out costs one block, not seven texts.
    struct Identifiers {
        std::string contactEntryID;
        std::string contactStoreID;
        std::string journalEntryID;
        std::string journalStoreID;
        std::string emailEntryID;
        std::string emailStoreID;
        std::string attachDir;
    };
    const Identifiers& Ids() const;

    Component& component_;
    std::shared_ptr<const Identifiers> ids_;  // none until SetIDs or CopyFrom: all empty
    std::int32_t regIndex_ = 0;
};

}  // namespace pwk
