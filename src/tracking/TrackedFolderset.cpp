#include "src/tracking/TrackedFolderset.h"

#include <utility>

#include "src/component/Component.h"
#include "src/errors/Procedure.h"
#include "src/host/MAPIFolder.h"
#include "src/host/NameSpace.h"
#include "src/util/Ref.h"

namespace pwk {

TrackedFolderset::TrackedFolderset(Component& component) : component_(component) {}

void TrackedFolderset::CopyFrom(const std::shared_ptr<TrackedFolderset>& source) {
    const TrackedFolderset& from = Deref(source);
    contactEntryID_ = from.getContactFoldEntryID();
    contactStoreID_ = from.getContactFoldStoreID();
    journalEntryID_ = from.getJournFoldEntryID();
    journalStoreID_ = from.getJournFoldStoreID();
    emailEntryID_ = from.getEmailFoldEntryID();
    emailStoreID_ = from.getEmailFoldStoreID();
    attachDir_ = from.getAttachDir();
    regIndex_ = from.getRegIndex();
}

void TrackedFolderset::SetIDs(std::string contactEntryID, std::string contactStoreID,
                              std::string journalEntryID, std::string journalStoreID,
                              std::string emailEntryID, std::string emailStoreID,
                              std::string attachDir, std::int32_t regIndex) {
    contactEntryID_ = std::move(contactEntryID);
    contactStoreID_ = std::move(contactStoreID);
    journalEntryID_ = std::move(journalEntryID);
    journalStoreID_ = std::move(journalStoreID);
    emailEntryID_ = std::move(emailEntryID);
    emailStoreID_ = std::move(emailStoreID);
    attachDir_ = std::move(attachDir);
    regIndex_ = regIndex;
}

bool TrackedFolderset::Equals(const std::shared_ptr<TrackedFolderset>& toCompare) const {
    const TrackedFolderset& other = Deref(toCompare);
    return contactEntryID_ == other.getContactFoldEntryID() &&
           contactStoreID_ == other.getContactFoldStoreID() &&
           journalEntryID_ == other.getJournFoldEntryID() &&
           journalStoreID_ == other.getJournFoldStoreID() &&
           emailEntryID_ == other.getEmailFoldEntryID() &&
           emailStoreID_ == other.getEmailFoldStoreID() && attachDir_ == other.getAttachDir();
}

Ref<host::MAPIFolder> TrackedFolderset::ContactMAPIFolder(const Ref<host::NameSpace>& nameSpace) {
    return GetMAPIFolderFromIDs(nameSpace, contactEntryID_, contactStoreID_);
}

Ref<host::MAPIFolder> TrackedFolderset::JournMAPIFolder(const Ref<host::NameSpace>& nameSpace) {
    return GetMAPIFolderFromIDs(nameSpace, journalEntryID_, journalStoreID_);
}

Ref<host::MAPIFolder> TrackedFolderset::EmailMAPIFolder(const Ref<host::NameSpace>& nameSpace) {
    return GetMAPIFolderFromIDs(nameSpace, emailEntryID_, emailStoreID_);
}

bool TrackedFolderset::MAPIFoldersExist(const Ref<host::NameSpace>& nameSpace) {
    // All three are looked up, whatever the first ones give.
    const bool contact = ContactMAPIFolder(nameSpace) != nullptr;
    const bool journal = JournMAPIFolder(nameSpace) != nullptr;
    const bool email = EmailMAPIFolder(nameSpace) != nullptr;
    return contact && journal && email;
}

std::string TrackedFolderset::ContactFolderName(const Ref<host::NameSpace>& nameSpace) {
    return Deref(ContactMAPIFolder(nameSpace)).Name();
}

std::string TrackedFolderset::JournalFolderName(const Ref<host::NameSpace>& nameSpace) {
    return Deref(JournMAPIFolder(nameSpace)).Name();
}

std::string TrackedFolderset::EmailFolderName(const Ref<host::NameSpace>& nameSpace) {
    return Deref(EmailMAPIFolder(nameSpace)).Name();
}

Ref<host::MAPIFolder> TrackedFolderset::GetMAPIFolderFromIDs(const Ref<host::NameSpace>& nameSpace,
                                                             const std::string& entryID,
                                                             const std::string& storeID) {
    Ref<host::MAPIFolder> folder;
    Procedure proc(component_, "TrackedFolderset", "GetMAPIFolderFromIDs", Boundary::Component);
    proc.Run([&] {
        // A folder the host cannot find is an answer, not a failure: nothing comes back. The
        // store identifier is passed even when empty.
        const auto lookupFailure = Procedure::Ignoring(
            [&] { folder = Deref(nameSpace).GetFolderFromID(entryID, storeID); });
        proc.Step([&] { component_.Errors().RecordError(lookupFailure); });
    });
    return folder;
}

}  // namespace pwk
