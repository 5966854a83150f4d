#include "tools/settings/SettingsProgram.h"

#include <exception>
#include <memory>

#include "src/util/Failure.h"
#include "tools/settings/SettingsCommand.h"
#include "tools/settings/ToolError.h"

namespace pwk::settingstool {

int SettingsProgram::Run(const std::vector<std::string>& args, std::ostream& out,
                         std::ostream& err) {
    try {
        return Execute(args, out);
    } catch (const ToolError& error) {
        err << Name << ": " << error.what() << "\n";
        return error.ExitStatus;
    } catch (const Failure& failure) {
        // The store's and the mailbox loader's own words: they name the file and the fault.
        err << Name << ": " << failure.Description << "\n";
        return ToolError::Refused;
    } catch (const std::exception& error) {
        err << Name << ": " << error.what() << "\n";
        return ToolError::Refused;
    }
}

int SettingsProgram::Execute(const std::vector<std::string>& args, std::ostream& out) {
    const SettingsCommand command = SettingsCommand::Parse(args);
    if (command.Help) {
        out << SettingsCommand::HelpText();
        return 0;
    }
    RunOnStore(command, out);
    return 0;
}

}  // namespace pwk::settingstool
