#pragma once

#include <string>

namespace pwk::sim {

class SimHost;

// Writes a host's mailbox in the mailbox file format, every identifier included, so that
// loading the text again gives the same stores, folders, items and identifiers.
class MailboxDumper {
  public:
    static std::string Dump(const SimHost& host);
};

}  // namespace pwk::sim
