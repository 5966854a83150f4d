#pragma once

#include <memory>

#include "src/journal/RecipContactHeirarchyItem.h"
#include "src/util/Ref.h"

namespace pwk {

class Component;
class RegSettings;
class TrackedFolderLookup;
class TrackedFolderset;
class TrackedFoldersets;

namespace host {
class ContactItem;
class Item;
class NameSpace;
}  // namespace host

namespace PWKGlobal {

// Files a mail the user sends with its tracked contacts: a copy moved into each concerned
// e-mails folder and, when journaling is on, an "E-mail Message" entry linked to the contacts
// with the copy attached. A mail linked to contacts is filed for each linked tracked contact;
// an unlinked one (when unlinked mail is tracked) for the contacts its recipients' addresses
// find, grouped by e-mails folder, and gets linked to them. Runs in the send itself when the
// sent-items folder is not used; never cancels the send.
void ItemSendHandler(Component& component, const TrackedFolderLookup& trackedFolders,
                     const Ref<host::NameSpace>& nameSpace,
                     const std::shared_ptr<RegSettings>& settings,
                     const std::shared_ptr<TrackedFoldersets>& foldersets,
                     const Ref<host::Item>& item, bool& cancel);

// The same, for a mail arriving in the sent-items folder, when that folder is used.
void SentMailAddHandler(Component& component, const TrackedFolderLookup& trackedFolders,
                        const Ref<host::NameSpace>& nameSpace,
                        const std::shared_ptr<RegSettings>& settings,
                        const std::shared_ptr<TrackedFoldersets>& foldersets,
                        const Ref<host::Item>& item);

// Adds the contact to the group whose e-mails folder has the same EntryID as the folderset's
// (every such group), or appends a new group for it.
void AddRecipItemToContactHierarchy(Component& component, ContactHierarchy& hierarchy,
                                    const Ref<host::ContactItem>& contact,
                                    const std::shared_ptr<TrackedFolderset>& folderset,
                                    const Ref<host::NameSpace>& nameSpace);

}  // namespace PWKGlobal
}  // namespace pwk
