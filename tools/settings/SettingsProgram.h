#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tools/settings/StoreAccess.h"

namespace pwk::settingstool {

class MailboxFolders;
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
    // Reads the mailbox (if one is asked for), then runs the command on the store `given`, or
    // else on the program's own store.
    static int Execute(const std::vector<std::string>& args, const StoreAccess* given,
                       const Locate& locate, std::ostream& out);

    // Each build links one definition of each of the two below, so that each program gets the
    // folder lookup and the store it is made for.
    //
    // The folders of the mailbox file `--mailbox` names (null without one): the file loaded into
    // the simulated host (SimMailboxOpen.cpp; the Linux tool and the scenario runners), or a
    // refusal (the Windows tool, which names folders by identifiers).
    static std::unique_ptr<MailboxFolders> OpenMailbox(const SettingsCommand& command,
                                                       const Locate& locate);
    // Opens the program's own store and runs the command on it: the SQLite file
    // (SqliteStoreRun.cpp), or on Windows the current user's registry store.
    static void RunOnOwnStore(const SettingsCommand& command, const MailboxFolders* mailbox,
                              std::ostream& out);
};

}  // namespace pwk::settingstool
