#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "sim/SimAttachments.h"
#include "sim/SimFolder.h"
#include "sim/SimItemState.h"
#include "sim/SimLink.h"
#include "sim/SimLinks.h"
#include "src/host/ContactItem.h"
#include "src/tracking/RegSettings.h"
#include "src/tracking/TrackedFoldersets.h"
#include "tests/support/AddinHarness.h"

namespace pwk::test {

// A running add-in (settings of this version already stored, an explorer open) whose tests
// track foldersets and put contacts into the mailbox. Besides the harness's folders (Drafts
// among them), the public store has a second set, Partners.
class JournalHarness : public AddinHarness {
  public:
    JournalHarness() {
        host.AddFolder("Public", "Partners", host::ItemType::Mail);
        host.AddFolder("Public/Partners", "Contacts", host::ItemType::Contact);
        host.AddFolder("Public/Partners", "Journal", host::ItemType::Journal);
        host.AddFolder("Public/Partners", "E-mails", host::ItemType::Mail);
        StoreSavedSettings(ComponentVersion);
        host.OpenExplorer("Mailbox/Inbox");
        Start();
    }

    // Tracks the folders "<base>/Contacts", "<base>/Journal" and "<base>/E-mails" (the e-mails
    // folder of `emailsBase` when given), as the options page hands settings back.
    void Track(const std::string& base, const std::string& emailsBase = "") {
        auto app = App();
        auto edited = std::make_shared<RegSettings>(component);
        auto ns = host.Application()->GetNamespace("MAPI");
        // A copy of every live setting, as the options page starts from.
        edited->UpdateFrom(app->theRegSettings(), host.Application());
        const std::string emails = (emailsBase.empty() ? base : emailsBase) + "/E-mails";
        edited->TrackedFoldersets()->AddByIDs(
            FolderEntryID(base + "/Contacts"), FolderStoreID(base + "/Contacts"),
            FolderEntryID(base + "/Journal"), FolderStoreID(base + "/Journal"),
            FolderEntryID(emails), FolderStoreID(emails), ns);
        app->theRegSettings()->UpdateFrom(edited, host.Application());
    }

    Ref<host::ContactItem> PutContact(const std::string& folder, const std::string& name,
                                      std::map<std::string, std::string> fields = {}) {
        fields["FullName"] = name;
        return As<host::ContactItem>(
            host.PutItem(folder, host::ItemType::Contact, fields)->AsItem());
    }

    const std::vector<sim::Owned<sim::SimItemState>>& Contents(const std::string& folder) {
        return host.Folder(folder)->Contents();
    }
    sim::SimItemState& At(const std::string& folder, std::size_t position) {
        return *Contents(folder).at(position - 1).get();
    }

    // The full names of the contacts an item is linked to, in link order.
    static std::vector<std::string> LinkedNames(sim::SimItemState& item) {
        std::vector<std::string> names;
        for (const auto& link : item.LinksObject().All()) {
            names.push_back(link->Target()->TextField("FullName"));
        }
        return names;
    }
};

}  // namespace pwk::test
