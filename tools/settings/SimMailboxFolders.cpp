#include "tools/settings/SimMailboxFolders.h"

#include "sim/MailboxLoader.h"
#include "sim/SimFolder.h"
#include "sim/SimHost.h"
#include "sim/SimNameSpace.h"

namespace pwk::settingstool {

SimMailboxFolders::SimMailboxFolders(const std::string& file)
    : file_(file), host_(std::make_unique<sim::SimHost>()) {
    sim::MailboxLoader::LoadFile(*host_, file);
}

SimMailboxFolders::~SimMailboxFolders() = default;

std::optional<FolderIds> SimMailboxFolders::Find(const std::string& path) const {
    const auto folder = host_->Mailbox().FolderAt(path);
    if (!folder) {
        return std::nullopt;
    }
    return FolderIds{folder->EntryId(), folder->StoreId()};
}

std::optional<std::string> SimMailboxFolders::PathOf(const FolderIds& folder) const {
    const auto found = host_->Mailbox().FolderById(folder.EntryID, folder.StoreID);
    if (!found) {
        return std::nullopt;
    }
    return found->Path();
}

}  // namespace pwk::settingstool
