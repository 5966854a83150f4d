#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "src/util/Ref.h"

namespace pwk {

class Component;
class TrackedFoldersets;

namespace host {
class ContactItem;
class MailItem;
class NameSpace;
}  // namespace host

namespace PWKGlobal {

// The contact of a tracked contacts folder whose first, second or third e-mail address is
// `address`, searched in every folderset; when several foldersets hold one, the last wins.
// `index` becomes the 1-based position of the folderset that gave the result and is left
// alone when nothing is found.
Ref<host::ContactItem> FindPubContactByEmail(Component& component,
                                             const Ref<host::NameSpace>& nameSpace,
                                             const std::shared_ptr<TrackedFoldersets>& foldersets,
                                             const std::string& address, std::int32_t& index);

// The contact's first non-empty e-mail address, or the empty text.
std::string GetFirstEmailAddress(Component& component, const Ref<host::ContactItem>& contact);

// The sender's address of a received mail, through the messaging library. Failing to reach the
// library goes to the caller; a message it cannot open or whose sender it cannot tell gives the
// empty text.
std::string GetSenderAddress(Component& component, const Ref<host::MailItem>& mail);

}  // namespace PWKGlobal
}  // namespace pwk
