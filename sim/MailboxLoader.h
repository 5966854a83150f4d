#pragma once

#include <cstdint>
#include <string>

namespace pwk::sim {

class SimHost;

// Loads a mailbox file (docs/mailbox-format.md) into a host: its stores, folders and items,
// with the identifiers the file gives or, where it gives none, identifiers derived from the
// names, so every load of the same file gives the same identifiers. The whole file is checked
// before the host is touched: a bad file raises one MailboxError saying what and where, and
// leaves the host as it was. Only a plain file of at most MaxFileBytes is read.
class MailboxLoader {
  public:
    static constexpr std::uintmax_t MaxFileBytes = 64 * 1024 * 1024;

    static void LoadFile(SimHost& host, const std::string& path);
    // `source` names the text in error messages.
    static void LoadText(SimHost& host, const std::string& text, const std::string& source);
};

}  // namespace pwk::sim
