#include "src/host/AddressEntry.h"
#include "src/host/Attachments.h"
#include "src/host/ContactItem.h"
#include "src/host/Item.h"
#include "src/host/Items.h"
#include "src/host/Link.h"
#include "src/host/Links.h"
#include "src/host/MAPIFolder.h"
#include "src/host/Recipient.h"
#include "src/host/Recipients.h"
#include "win/automation/DispatchObject.h"
#include "win/dispatch/ObjectClass.h"
#include "winharness/bridge/BridgeArgs.h"
#include "winharness/bridge/CollectionMembers.h"
#include "winharness/bridge/KindMembers.h"

namespace pwk::bridge {

MemberTable FolderMembers() {
    using Folder = host::MAPIFolder;
    MemberTable table;
    table.Read<Folder>("Class", [](Folder&) { return win::ObjectClass::Folder; })
        .Read<Folder>("Parent", [](Folder& folder) { return Bridged(folder.Parent()); })
        .Read<Folder>(
            "DefaultItemType",
            [](Folder& folder) { return static_cast<std::int32_t>(folder.DefaultItemType()); })
        .Read<Folder>("EntryID", [](Folder& folder) { return folder.EntryID(); })
        .Read<Folder>("StoreID", [](Folder& folder) { return folder.StoreID(); })
        .Read<Folder>("Name", [](Folder& folder) { return folder.Name(); })
        .Read<Folder>("Items", [](Folder& folder) { return Bridged(folder.GetItems()); });
    return table;
}

MemberTable ItemsMembers() {
    MemberTable table;
    AddCollection<host::Items>(table)
        .Method<host::Items>("Find",
                             [](host::Items& items, const win::DispatchCall& call) {
                                 return Bridged(items.Find(TextArg(call, 0)));
                             })
        .Method<host::Items>("Add", [](host::Items& items, const win::DispatchCall& call) {
            std::optional<host::ItemType> type;
            if (const auto number = OptionalNumber(call, 0)) {
                type = static_cast<host::ItemType>(*number);
            }
            return Bridged(items.Add(type));
        });
    return table;
}

MemberTable LinksMembers() {
    MemberTable table;
    AddCollection<host::Links>(table).Method<host::Links>(
        "Add", [](host::Links& links, const win::DispatchCall& call) {
            return Bridged(links.Add(ObjectArgAs<host::ContactItem>(call, 0)));
        });
    return table;
}

MemberTable LinkMembers() {
    MemberTable table;
    table.Read<host::Link>("Type", [](host::Link& link) { return link.Type(); })
        .Read<host::Link>("Item", [](host::Link& link) { return Bridged(link.Item()); });
    return table;
}

MemberTable RecipientsMembers() {
    MemberTable table;
    AddCollection<host::Recipients>(table).Method<host::Recipients>(
        "Add", [](host::Recipients& recipients, const win::DispatchCall& call) {
            return Bridged(recipients.Add(TextArg(call, 0)));
        });
    return table;
}

MemberTable RecipientMembers() {
    MemberTable table;
    table.Read<host::Recipient>("Name", [](host::Recipient& recipient) { return recipient.Name(); })
        .Read<host::Recipient>("Address",
                               [](host::Recipient& recipient) { return recipient.Address(); })
        .Read<host::Recipient>("AddressEntry", [](host::Recipient& recipient) {
            return Bridged(recipient.GetAddressEntry());
        });
    return table;
}

MemberTable AddressEntryMembers() {
    using Entry = host::AddressEntry;
    MemberTable table;
    table.Read<Entry>("Name", [](Entry& entry) { return entry.Name(); })
        .Read<Entry>("Address", [](Entry& entry) { return entry.Address(); })
        .Read<Entry>("Type", [](Entry& entry) { return entry.Type(); });
    return table;
}

// An attachment is a value in the host's model: it crosses as a small object of its own that
// holds nothing of the host.
MemberTable AttachmentsMembers() {
    using host::Attachments;
    MemberTable table;
    table.Read<Attachments>("Count", [](Attachments& attachments) { return attachments.Count(); })
        .Method<Attachments>("Item",
                             [](Attachments& attachments, const win::DispatchCall& call) {
                                 const host::AttachmentInfo info =
                                     attachments.Item(NumberArg(call, 0));
                                 auto one = win::DispatchObject::Make();
                                 one->Value("Type", win::Variant(info.Type))
                                     .Value("DisplayName", win::Variant(info.DisplayName))
                                     .Value("PathName", win::Variant(info.Source))
                                     .Value("Position", win::Variant(info.Position));
                                 return win::Variant(static_cast<IDispatch*>(one.Get()));
                             })
        .Method<Attachments>("Add", [](Attachments& attachments, const win::DispatchCall& call) {
            const int type = NumberArg(call, 1);
            const std::int32_t position = NumberArg(call, 2);
            const std::string name = TextArg(call, 3);
            if (IsObjectArg(call, 0)) {
                attachments.Add(ObjectArgAs<host::Item>(call, 0), type, position, name);
            } else {
                attachments.Add(TextArg(call, 0), type, position, name);
            }
        });
    return table;
}

}  // namespace pwk::bridge
