#include "tools/scenario/MailboxSource.h"

#include <system_error>

#include "sim/MailboxError.h"
#include "sim/MailboxLoader.h"
#include "sim/SimHost.h"
#include "sim/UserActionError.h"
#include "tools/scenario/ScenarioError.h"

namespace pwk::scenario::MailboxSource {

std::filesystem::path Locate(const std::string& name, const std::filesystem::path& baseFolder) {
    if (name == "demo") {
        return std::filesystem::path(PWK_SOURCE_DIR) / "examples" / "demo-mailbox.json";
    }
    const std::filesystem::path path(name);
    return path.is_absolute() ? path : baseFolder / path;
}

void Check(const std::filesystem::path& file) {
    std::error_code error;
    if (std::filesystem::is_directory(file, error)) {
        throw CommandError("\"" + file.string() + "\" is a folder, not a mailbox file");
    }
    if (!std::filesystem::exists(file, error)) {
        throw CommandError("the mailbox file \"" + file.string() + "\" does not exist");
    }
    sim::SimHost scratch;
    Load(file, scratch);
}

void Load(const std::filesystem::path& file, sim::SimHost& host) {
    try {
        sim::MailboxLoader::LoadFile(host, file.string());
    } catch (const sim::MailboxError& error) {
        throw CommandError(std::string("bad mailbox file: ") + error.what());
    } catch (const sim::UserActionError& error) {
        throw CommandError(std::string("bad mailbox file \"") + file.string() +
                           "\": " + error.what());
    } catch (const std::exception& error) {
        // Whatever else a file makes go wrong is still the file's fault, not a crash.
        throw CommandError(std::string("bad mailbox file \"") + file.string() +
                           "\": " + error.what());
    }
}

}  // namespace pwk::scenario::MailboxSource
