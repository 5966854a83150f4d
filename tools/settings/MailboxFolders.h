#pragma once

#include <optional>
#include <string>

#include "tools/settings/FolderIds.h"

namespace pwk::settingstool {

// The folders of a mailbox, by path ("Acme Public/Customers/Contacts", store name first) and
// by identifiers: how the tool turns the paths an administrator types into the identifiers
// the add-in stores, and back.
class MailboxFolders {
  public:
    virtual ~MailboxFolders() = default;

    // The folder at `path`; nothing when the mailbox has no such folder.
    virtual std::optional<FolderIds> Find(const std::string& path) const = 0;
    // The path of the folder with these identifiers; nothing when there is none.
    virtual std::optional<std::string> PathOf(const FolderIds& folder) const = 0;
    // The mailbox file, for messages.
    virtual const std::string& Name() const = 0;
};

}  // namespace pwk::settingstool
