#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pwk::sim {

// A file a user names for a tool to read whole (a mailbox, a scenario). Only a plain file is
// read, and only up to the size the tool states, so a device, a pipe or a runaway file ends
// with one clear line instead of a process that waits or grows without bound. What is refused
// is thrown as WholeFile::Refused, its text naming the file and the reason.
class WholeFile {
  public:
    class Refused : public std::runtime_error {
      public:
        using std::runtime_error::runtime_error;
    };

    // `kind` names what the file should be ("mailbox file") in the refusals.
    WholeFile(std::string_view kind, std::uintmax_t limit) : kind_(kind), limit_(limit) {}

    std::string Read(const std::filesystem::path& path) const;

  private:
    std::string kind_;
    std::uintmax_t limit_;
};

}  // namespace pwk::sim
