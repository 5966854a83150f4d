#pragma once

#include <optional>
#include <string>

#include "sim/SimRecipient.h"
#include "src/host/HostTypes.h"

namespace pwk::sim {

// The names a mailbox file uses for the host's codes and values.
class MailboxNames {
  public:
    // "Inbox", "SentMail", "Calendar", ... (the names of host::DefaultFolder).
    static std::optional<int> DefaultFolderKind(const std::string& name);
    static std::string DefaultFolderName(int kind);
    // The item type a default folder holds.
    static host::ItemType DefaultFolderType(int kind);
    static std::optional<RecipientKind> RecipientKindOf(const std::string& name);
    static std::string RecipientKindName(RecipientKind kind);
    // "2000-03-06T09:30:00Z"; nothing for any other form.
    static std::optional<host::Date> ParseDate(const std::string& text);
    static std::string FormatDate(host::Date date);
};

}  // namespace pwk::sim
