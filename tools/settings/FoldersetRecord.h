#pragma once

#include <array>

#include "tools/settings/FolderIds.h"

namespace pwk::settingstool {

// One stored tracked folderset: its three folders, in the order the store lists them.
struct FoldersetRecord {
    FolderIds Contacts;
    FolderIds Journal;
    FolderIds Emails;

    // The three folders with the name of the subsection each is stored under.
    struct Role {
        const char* Subsection;  // "Contacts", "Journals", "Emails"
        const char* Label;       // how listings name it
        FolderIds FoldersetRecord::*Folder;
    };
    static constexpr std::array<Role, 3> Roles = {{
        {"Contacts", "contacts", &FoldersetRecord::Contacts},
        {"Journals", "journal", &FoldersetRecord::Journal},
        {"Emails", "e-mails", &FoldersetRecord::Emails},
    }};
};

}  // namespace pwk::settingstool
