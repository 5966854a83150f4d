#pragma once

#include <string>

#include "src/util/Ref.h"

namespace pwk {

namespace host {
class MAPIFolder;
}  // namespace host

// A folder as the mail client names it to its users: "\\Store\Folder\Subfolder", the names
// from the top of its store down. Fails as the host fails.
std::string FolderPath(const Ref<host::MAPIFolder>& folder);

}  // namespace pwk
