#include "tools/scenario/MailboxSource.h"

#include <set>
#include <system_error>
#include <tuple>

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
    // A sweep runs the same scenario thousands of times: a file already found good, unchanged
    // since (same size, same time of last change), is not loaded again.
    struct Seen {
        std::filesystem::path Path;
        std::uintmax_t Bytes;
        std::filesystem::file_time_type Changed;
        bool operator<(const Seen& other) const {
            return std::tie(Path, Bytes, Changed) <
                   std::tie(other.Path, other.Bytes, other.Changed);
        }
    };
    static std::set<Seen> good;
    std::error_code sizeError;
    std::error_code timeError;
    const Seen seen{file, std::filesystem::file_size(file, sizeError),
                    std::filesystem::last_write_time(file, timeError)};
    const bool known = !sizeError && !timeError;
    if (known && good.count(seen) > 0) {
        return;
    }
    sim::SimHost scratch;
    Load(file, scratch);
    if (known) {
        good.insert(seen);
    }
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
