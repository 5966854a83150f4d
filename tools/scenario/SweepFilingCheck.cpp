#include "tools/scenario/SweepFilingCheck.h"

#include <algorithm>
#include <map>
#include <memory>

#include "sim/SimAttachments.h"
#include "sim/SimFolder.h"
#include "sim/SimHost.h"
#include "sim/SimItemState.h"
#include "sim/SimLinks.h"
#include "sim/SimNameSpace.h"
#include "src/host/HostTypes.h"

namespace pwk::scenario {
namespace {

// What the journal writes (src/journal/SentMailJournal.cpp).
constexpr const char* kEntryType = "E-mail Message";
constexpr const char* kAttachmentName = "Sent MailItem";

struct Placed {
    sim::SimItemState* Item;
    std::string Folder;
};

template <typename Visit>
void EachItem(const sim::SimFolder& folder, Visit&& visit) {
    for (const auto& item : folder.Contents()) {
        visit(*item, folder);
    }
    for (const auto& subfolder : folder.Subfolders()) {
        EachItem(*subfolder, visit);
    }
}

template <typename Visit>
void EachItem(const sim::SimHost& host, Visit&& visit) {
    for (const auto& store : host.Mailbox().Stores()) {
        EachItem(*store.Top, visit);
    }
}

std::string Describe(const Placed& placed) {
    return "\"" + placed.Item->TextField("Subject") + "\" in " + placed.Folder;
}

// A mail is told by its subject and body.
std::string Content(const sim::SimItemState& mail) {
    return mail.TextField("Subject") + '\n' + mail.TextField("Body");
}

}  // namespace

void SweepFilingCheck::Begin(const sim::SimHost& host) {
    before_.clear();
    EachItem(host, [&](const sim::SimItemState& item, const sim::SimFolder&) {
        before_.insert(item.EntryId());
    });
}

std::vector<std::string> SweepFilingCheck::Check(const sim::SimHost& host,
                                                 bool journalEmails) const {
    const auto sentItems = host.Mailbox().DefaultFolder(host::DefaultFolder::SentMail);
    const std::string& user = host.Info().UserAddress;
    std::vector<Placed> entries;
    std::set<std::string> sentMails;
    std::map<std::string, Placed> present;  // every item in a folder, by EntryID
    std::vector<Placed> mails;              // the new mails outside Sent Items
    EachItem(host, [&](sim::SimItemState& item, const sim::SimFolder& folder) {
        present.emplace(item.EntryId(), Placed{&item, folder.Path()});
        if (before_.count(item.EntryId()) != 0) {
            return;
        }
        if (item.Kind() == host::ItemType::Journal && item.TextField("Type") == kEntryType) {
            entries.push_back({&item, folder.Path()});
        } else if (item.Kind() == host::ItemType::Mail && &folder == sentItems.get()) {
            sentMails.insert(Content(item));
        } else if (item.Kind() == host::ItemType::Mail) {
            mails.push_back({&item, folder.Path()});
        }
    });

    std::vector<std::string> findings;
    std::set<std::string> attached;          // the EntryIDs of the copies entries hold
    std::set<std::string> journaledContent;  // the mails with an entry
    for (const Placed& entry : entries) {
        if (entry.Item->LinksObject().All().empty()) {
            findings.push_back("journal entry " + Describe(entry) + " is linked to no contact");
        }
        const auto& attachments = entry.Item->AttachmentsObject().All();
        const auto copy = std::find_if(attachments.begin(), attachments.end(), [](const auto& a) {
            return a.DisplayName == kAttachmentName;
        });
        const auto held = copy == attachments.end() ? present.end() : present.find(copy->Source);
        if (held == present.end()) {
            findings.push_back("journal entry " + Describe(entry) + " without its copy");
            continue;
        }
        attached.insert(copy->Source);
        journaledContent.insert(Content(*held->second.Item));
    }
    for (const Placed& mail : mails) {
        const std::string sender = mail.Item->TextField("SenderEmailAddress");
        const bool copyOfSent =
            sentMails.count(Content(*mail.Item)) != 0 && (sender.empty() || sender == user);
        const bool journaled = journalEmails || journaledContent.count(Content(*mail.Item)) != 0;
        if (copyOfSent && journaled && attached.count(mail.Item->EntryId()) == 0) {
            findings.push_back("copy " + Describe(mail) + " without its journal entry");
        }
    }
    return findings;
}

bool SweepFilingCheck::KnownFault(const std::string& failedCall) {
    const std::string verb = ".Delete";
    return failedCall.size() > verb.size() &&
           failedCall.compare(failedCall.size() - verb.size(), verb.size(), verb) == 0;
}

}  // namespace pwk::scenario
