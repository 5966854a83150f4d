#include "tools/settings/SettingsProgram.h"

#include <exception>
#include <memory>

#include "sim/MailboxError.h"
#include "src/util/Failure.h"
#include "tools/settings/MailboxFolders.h"
#include "tools/settings/SettingsCommand.h"
#include "tools/settings/SettingsTool.h"
#include "tools/settings/ToolError.h"

namespace pwk::settingstool {

int SettingsProgram::Run(const std::vector<std::string>& args, std::ostream& out,
                         std::ostream& err) {
    return Guarded([&] { return Execute(args, nullptr, {}, out); }, err);
}

int SettingsProgram::RunOn(const StoreAccess& store, const std::vector<std::string>& args,
                           const Locate& locate, std::ostream& out, std::ostream& err) {
    return Guarded([&] { return Execute(args, &store, locate, out); }, err);
}

int SettingsProgram::Guarded(const std::function<int()>& action, std::ostream& err) {
    try {
        return action();
    } catch (const ToolError& error) {
        err << Name << ": " << error.what() << "\n";
        return error.ExitStatus;
    } catch (const Failure& failure) {
        // The store's and the mailbox loader's own words: they name the file and the fault.
        err << Name << ": " << failure.Description << "\n";
        return ToolError::Refused;
    } catch (const sim::MailboxError& error) {
        err << Name << ": " << error.what() << "\n";
        return ToolError::Refused;
    } catch (const std::exception& error) {
        // Nothing the tool reads may end it without a word: whatever is left is reported.
        err << Name << ": unexpected failure: " << error.what() << "\n";
        return ToolError::Refused;
    }
}

int SettingsProgram::Execute(const std::vector<std::string>& args, const StoreAccess* given,
                             const Locate& locate, std::ostream& out) {
    const SettingsCommand command = SettingsCommand::Parse(args);
    if (command.Help) {
        out << SettingsCommand::HelpText();
        return 0;
    }
    if (given != nullptr && command.StorePath) {
        throw ToolError("--store is not taken here: the tool works on the store in use",
                        ToolError::Usage);
    }
    // The mailbox is read first: a bad mailbox file stops the run before the store is opened.
    const std::unique_ptr<MailboxFolders> mailbox = OpenMailbox(command, locate);
    if (given != nullptr) {
        SettingsTool(*given, mailbox.get(), out).Run(command);
    } else {
        RunOnOwnStore(command, mailbox.get(), out);
    }
    return 0;
}

}  // namespace pwk::settingstool
