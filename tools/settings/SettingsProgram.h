#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tools/settings/StoreAccess.h"

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
    // The same on a store someone else holds (the scenario runner's): `--store` is refused,
    // and `locate` turns the name given to `--mailbox` into the file to read.
    using Locate = std::function<std::string(const std::string&)>;
    static int RunOn(const StoreAccess& store, const std::vector<std::string>& args,
                     const Locate& locate, std::ostream& out, std::ostream& err);

  private:
    // Runs `action`, turning every refusal and failure into one message line and a status.
    static int Guarded(const std::function<int()>& action, std::ostream& err);
    static int Execute(const std::vector<std::string>& args, const StoreAccess* given,
                       const Locate& locate, std::ostream& out);
    // Opens the store (unless one is `given`) and the mailbox, if asked, and runs the command.
    // One definition per platform: the SQLite file here (SqliteStoreRun.cpp), the registry on
    // Windows.
    static void RunOnStore(const SettingsCommand& command, const StoreAccess* given,
                           const Locate& locate, std::ostream& out);
};

}  // namespace pwk::settingstool
