#pragma once

#include <memory>
#include <optional>
#include <string>

#include "tools/settings/MailboxFolders.h"

namespace pwk::sim {
class SimHost;
}  // namespace pwk::sim

namespace pwk::settingstool {

// The folders of a mailbox file, loaded into the simulated host: the same identifiers the
// host gives the add-in for that mailbox, so that what the tool stores is what the add-in
// finds there.
class SimMailboxFolders : public MailboxFolders {
  public:
    // Loads the file; a file that cannot be read or is not a mailbox fails with the loader's
    // message.
    explicit SimMailboxFolders(const std::string& file);
    ~SimMailboxFolders() override;

    std::optional<FolderIds> Find(const std::string& path) const override;
    // Looked up as the host looks up a folder for the add-in (an empty StoreID searches every
    // store).
    std::optional<std::string> PathOf(const FolderIds& folder) const override;
    const std::string& Name() const override { return file_; }

  private:
    std::string file_;
    std::unique_ptr<sim::SimHost> host_;
};

}  // namespace pwk::settingstool
