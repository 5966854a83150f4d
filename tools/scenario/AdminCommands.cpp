// The administrator's settings tool run on the scenario's settings store, and its check.

#include <sstream>

#include "tools/scenario/CommandRunner.h"
#include "tools/scenario/ExpectationFailed.h"
#include "tools/scenario/MailboxSource.h"
#include "tools/scenario/ScenarioError.h"
#include "tools/scenario/Session.h"
#include "tools/scenario/Transcript.h"
#include "tools/settings/SettingsProgram.h"

namespace pwk::scenario {

namespace {
// What the tool's reports call the store. Where it is kept (in memory, a file, the component's
// registry branch) the `settings` line says; the reports read the same wherever it is, so that
// a scenario's checks of them hold for the core and for the component alike.
constexpr const char* kStoreName = "the scenario's store";
}  // namespace

void CommandRunner::Admin(const Command& command) {
    const settingstool::StoreAccess store(
        session_.Store(), kStoreName,
        [this](const std::string& appName) { return session_.SettingsDump(appName); });
    const auto locate = [this](const std::string& name) {
        return MailboxSource::Locate(name, session_.BaseFolder()).string();
    };
    std::ostringstream out;
    const int status = settingstool::SettingsProgram::RunOn(store, command.Args, locate, out, out);
    std::string text = out.str();
    if (!text.empty() && text.back() == '\n') {
        text.pop_back();
    }
    const std::string heading = "settings tool: exit status " + std::to_string(status);
    transcript_.Event(heading);
    if (!text.empty()) {
        transcript_.Block(text);
    }
    lastAdminOutput_ = heading + "\n" + text;
}

void CommandRunner::ExpectAdmin(const Command& command) {
    if (!lastAdminOutput_) {
        throw CommandError("expect admin needs an admin command before it");
    }
    for (const std::string& wanted : command.Args) {
        if (lastAdminOutput_->find(wanted) == std::string::npos) {
            throw ExpectationFailed("the settings tool's output holds \"" + wanted + "\"",
                                    *lastAdminOutput_);
        }
    }
}

}  // namespace pwk::scenario
