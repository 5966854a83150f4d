#include "src/journal/ContactLookup.h"

#include <array>
#include <string_view>

#include "src/component/Component.h"
#include "src/errors/Procedure.h"
#include "src/host/ContactItem.h"
#include "src/host/Item.h"
#include "src/host/Items.h"
#include "src/host/MAPIFolder.h"
#include "src/host/MailItem.h"
#include "src/host/MapiSession.h"
#include "src/host/NameSpace.h"
#include "src/journal/GlobalModule.h"
#include "src/journal/ItemCast.h"
#include "src/tracking/TrackedFolderset.h"
#include "src/tracking/TrackedFoldersets.h"

namespace pwk::PWKGlobal {

namespace {

// The e-mail fields in the order they are tried: a match on the first wins.
constexpr std::array<std::string_view, 3> kEmailFields = {"Email1Address", "Email2Address",
                                                          "Email3Address"};

// The restrictions Items.Find takes for the three e-mail fields; the address goes in as it is.
// They are the same for every folderset, so one search makes them once.
std::array<std::string, kEmailFields.size()> EmailFilters(const std::string& address) {
    std::array<std::string, kEmailFields.size()> filters;
    for (std::size_t f = 0; f < kEmailFields.size(); ++f) {
        std::string& filter = filters[f];
        filter.reserve(kEmailFields[f].size() + address.size() + 8);
        filter.append("[").append(kEmailFields[f]).append("] = \"").append(address).append("\"");
    }
    return filters;
}
}  // namespace

Ref<host::ContactItem> FindPubContactByEmail(Component& component,
                                             const Ref<host::NameSpace>& nameSpace,
                                             const std::shared_ptr<TrackedFoldersets>& foldersets,
                                             const std::string& address, std::int32_t& index) {
    Ref<host::ContactItem> result;
    Procedure proc(component, kGlobalModule, "FindPubContactByEmail", Boundary::Internal,
                   Severity::Minor);
    proc.Run([&] {
        std::int32_t count = 0;
        proc.Step([&] { count = Deref(foldersets).Count(); });
        std::array<std::string, kEmailFields.size()> filters;
        if (count > 0) {
            proc.Step([&] { filters = EmailFilters(address); });
        }
        for (std::int32_t i = 1; i <= count; ++i) {
            Ref<host::MAPIFolder> folder;
            // The folderset is only asked for its contacts folder: no copy of it is made.
            proc.Step([&] { folder = foldersets->ItemView(i).ContactMAPIFolder(nameSpace); });
            // A match on the first field wins over the second and third; each attempt asks the
            // folder for its items afresh.
            Ref<host::Item> found;
            for (const std::string& filter : filters) {
                proc.Step([&] {
                    if (!found) {
                        found = folder->GetItems()->Find(filter);
                    }
                });
            }
            // No early stop: a later folderset holding the address wins.
            proc.Step([&] {
                if (found) {
                    result = ItemAs<host::ContactItem>(found);
                    index = i;
                }
            });
        }
    });
    return result;
}

std::string GetFirstEmailAddress(Component& component, const Ref<host::ContactItem>& contact) {
    std::string result;
    Procedure proc(component, kGlobalModule, "GetFirstEmailAddress", Boundary::Internal);
    proc.Run([&] {
        // Only the empty text counts as missing; the chosen field is read again for the result.
        if (!contact->Email1Address().empty()) {
            result = contact->Email1Address();
        } else if (!contact->Email2Address().empty()) {
            result = contact->Email2Address();
        } else if (!contact->Email3Address().empty()) {
            result = contact->Email3Address();
        }
    });
    return result;
}

// The library's Sender.Address is taken as it comes. For mail from the Internet it is the SMTP
// address, the form the contacts' e-mail fields hold; a directory address matches no contact,
// which the caller reports as an untracked sender rather than guessing at a translation.
std::string GetSenderAddress(Component& component, const Ref<host::MailItem>& mail) {
    const std::string entryId = mail->EntryID();
    const Ref<host::MAPIFolder> holder = As<host::MAPIFolder>(mail->Parent());
    const std::string storeId = holder->StoreID();
    Ref<host::MapiSession> session =
        As<host::MapiSession>(component.platform().CreateObject(host::MapiSessionProgID));
    if (!session) {
        Raise(FailureNumber::CannotCreateObject, host::MapiSessionProgID);
    }
    session->Logon("", false, false);

    // From here on nothing fails: an unopened message or an unknown sender give the empty text.
    std::string address;
    Ref<host::MapiMessage> message;
    Procedure::Ignoring([&] { message = session->GetMessage(entryId, storeId); });
    Procedure::Ignoring([&] { address = message->SenderAddress(); });
    message.reset();
    session.reset();
    return address;
}

}  // namespace pwk::PWKGlobal
