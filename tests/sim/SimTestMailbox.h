#pragma once

#include <memory>
#include <string>

#include "sim/SimExplorer.h"
#include "sim/SimFolder.h"
#include "sim/SimHost.h"
#include "sim/SimInspector.h"
#include "sim/SimItemState.h"
#include "sim/SimNameSpace.h"
#include "sim/UserActionError.h"
#include "src/host/Application.h"
#include "src/host/CommandBar.h"
#include "src/host/CommandBarControls.h"
#include "src/host/CommandBars.h"
#include "src/host/HostTypes.h"
#include "src/host/Inspectors.h"
#include "src/host/Link.h"
#include "src/host/MailItem.h"
#include "src/host/Recipient.h"
#include "src/host/Recipients.h"
#include "src/host/Selection.h"
#include "src/util/Failure.h"
#include "tests/support/FailureOf.h"

namespace pwk::sim::test {

inline constexpr const char* Personal = "Mailbox - Pat Jones";
inline constexpr const char* PublicContacts = "Acme Public/Customers/Contacts";

// A small mailbox: a personal store with the default folders, and a public store with a
// shared contacts folder, its journal and its e-mails folder.
inline void FillMailbox(SimHost& host) {
    using host::ItemType;
    SimNameSpace& mailbox = host.Mailbox();
    mailbox.AddStore(Personal);
    mailbox.SetDefaultStore(Personal);
    const struct {
        const char* name;
        ItemType type;
        int kind;
    } defaults[] = {{"Inbox", ItemType::Mail, host::DefaultFolder::Inbox},
                    {"Sent Items", ItemType::Mail, host::DefaultFolder::SentMail},
                    {"Drafts", ItemType::Mail, host::DefaultFolder::Drafts},
                    {"Calendar", ItemType::Appointment, host::DefaultFolder::Calendar},
                    {"Contacts", ItemType::Contact, host::DefaultFolder::Contacts},
                    {"Journal", ItemType::Journal, host::DefaultFolder::Journal}};
    for (const auto& folder : defaults) {
        mailbox.SetDefaultFolder(folder.kind, host.AddFolder(Personal, folder.name, folder.type));
    }
    mailbox.AddStore("Acme Public");
    host.AddFolder("Acme Public", "Customers", ItemType::Mail);
    host.AddFolder("Acme Public/Customers", "Contacts", ItemType::Contact);
    host.AddFolder("Acme Public/Customers", "Journal", ItemType::Journal);
    host.AddFolder("Acme Public/Customers", "E-mails", ItemType::Mail);
}

inline std::shared_ptr<SimItemState> PutContact(SimHost& host, const std::string& fullName,
                                                const std::string& email1,
                                                const std::string& email2 = "") {
    return host.PutItem(PublicContacts, host::ItemType::Contact,
                        {{"FullName", fullName},
                         {"CompanyName", "Initech"},
                         {"Email1Address", email1},
                         {"Email2Address", email2}});
}

using pwk::test::FailureOf;

}  // namespace pwk::sim::test
