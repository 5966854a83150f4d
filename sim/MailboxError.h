#pragma once

#include <stdexcept>
#include <string>

namespace pwk::sim {

// A mailbox file that cannot be loaded: the message says what is wrong and where
// ("demo.json: stores[0].folders[2].items[4].Email1Address: a text is expected").
class MailboxError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace pwk::sim
