#pragma once

#include "src/util/Ref.h"

namespace pwk {

namespace host {
class MAPIFolder;
class NameSpace;
}  // namespace host

// True when both folders have the same EntryID and the same StoreID (exact texts). Both
// identifiers are read: a folder of another store may carry the same EntryID text.
bool SameFolder(const Ref<host::MAPIFolder>& a, const Ref<host::MAPIFolder>& b);

// True when `folder` is the default Inbox of `nameSpace`.
bool IsDefaultInbox(const Ref<host::MAPIFolder>& folder, const Ref<host::NameSpace>& nameSpace);

}  // namespace pwk
