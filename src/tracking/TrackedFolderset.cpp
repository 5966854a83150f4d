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
    ids_ = from.ids_;
    regIndex_ = from.regIndex_;
}

void TrackedFolderset::SetIDs(std::string contactEntryID, std::string contactStoreID,
                              std::string journalEntryID, std::string journalStoreID,
                              std::string emailEntryID, std::string emailStoreID,
                              std::string attachDir, std::int32_t regIndex) {
    ids_ = std::make_shared<const Identifiers>(
        Identifiers{std::move(contactEntryID), std::move(contactStoreID), std::move(journalEntryID),
                    std::move(journalStoreID), std::move(emailEntryID), std::move(emailStoreID),
                    std::move(attachDir)});
    regIndex_ = regIndex;
}

bool TrackedFolderset::Equals(const std::shared_ptr<TrackedFolderset>& toCompare) const {
    const TrackedFolderset& other = Deref(toCompare);
    return getContactFoldEntryID() == other.getContactFoldEntryID() &&
           getContactFoldStoreID() == other.getContactFoldStoreID() &&
           getJournFoldEntryID() == other.getJournFoldEntryID() &&
           getJournFoldStoreID() == other.getJournFoldStoreID() &&
           getEmailFoldEntryID() == other.getEmailFoldEntryID() &&
           getEmailFoldStoreID() == other.getEmailFoldStoreID() &&
           getAttachDir() == other.getAttachDir();
}

const TrackedFolderset::Identifiers& TrackedFolderset::Ids() const {
    static const Identifiers none;
    return ids_ ? *ids_ : none;
}

Ref<host::MAPIFolder> TrackedFolderset::ContactMAPIFolder(
    const Ref<host::NameSpace>& nameSpace) const {
    return GetMAPIFolderFromIDs(nameSpace, getContactFoldEntryID(), getContactFoldStoreID());
}

Ref<host::MAPIFolder> TrackedFolderset::JournMAPIFolder(
    const Ref<host::NameSpace>& nameSpace) const {
    return GetMAPIFolderFromIDs(nameSpace, getJournFoldEntryID(), getJournFoldStoreID());
}

Ref<host::MAPIFolder> TrackedFolderset::EmailMAPIFolder(
    const Ref<host::NameSpace>& nameSpace) const {
    return GetMAPIFolderFromIDs(nameSpace, getEmailFoldEntryID(), getEmailFoldStoreID());
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
                                                             const std::string& storeID) const {
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
