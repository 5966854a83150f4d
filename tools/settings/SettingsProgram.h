#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace pwk::settingstool {

struct SettingsCommand;

// The whole program behind parleywick-settings, so that tests run it as the administrator
// does: the command line in, the SQLite settings file and a mailbox file opened as asked,
// messages out, the exit status back.
class SettingsProgram {
  public:
    static constexpr const char* Name = "parleywick-settings";

    // `args` without the program name. Refusals and store failures go to `err`, one line
    // starting with the program's name; nothing escapes as an exception.
    static int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

  private:
    static int Execute(const std::vector<std::string>& args, std::ostream& out);
    // Opens the store (and the mailbox, if asked) and runs the command on it. One definition
    // per platform: the SQLite file here (SqliteStoreRun.cpp), the registry on Windows.
    static void RunOnStore(const SettingsCommand& command, std::ostream& out);
};

}  // namespace pwk::settingstool
