#pragma once

#include <filesystem>
#include <string>

namespace pwk::sim {
class SimHost;
}

namespace pwk::scenario {

// Where a scenario's mailbox comes from and how it gets into the host.
namespace MailboxSource {

// "demo" is the bundled examples/demo-mailbox.json of the source tree; a relative path is
// taken from `baseFolder`.
std::filesystem::path Locate(const std::string& name, const std::filesystem::path& baseFolder);
// Loads the file into a scratch host, so that a bad file is reported where it is named;
// throws CommandError saying what is wrong with it.
void Check(const std::filesystem::path& file);
// Loads the file into `host`; throws CommandError when it cannot.
void Load(const std::filesystem::path& file, sim::SimHost& host);

}  // namespace MailboxSource

}  // namespace pwk::scenario
