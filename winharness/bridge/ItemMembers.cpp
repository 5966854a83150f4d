#include "src/host/AppointmentItem.h"
#include "src/host/Attachments.h"
#include "src/host/ContactItem.h"
#include "src/host/JournalItem.h"
#include "src/host/Links.h"
#include "src/host/MAPIFolder.h"
#include "src/host/MailItem.h"
#include "src/host/Recipients.h"
#include "win/dispatch/ObjectClass.h"
#include "winharness/bridge/BridgeArgs.h"
#include "winharness/bridge/KindMembers.h"

namespace pwk::bridge {
namespace {

// What every item answers.
MemberTable ItemBase() {
    using host::Item;
    MemberTable table;
    table.Read<Item>("Class", [](Item& item) { return win::ObjectClassOfItemType(item.Class()); })
        .Read<Item>("Parent", [](Item& item) { return Bridged(item.Parent()); })
        .Read<Item>("EntryID", [](Item& item) { return item.EntryID(); })
        .ReadWrite<Item>(
            "Subject", [](Item& item) { return item.Subject(); },
            [](Item& item, const win::Variant& value) { item.SetSubject(value.ToString()); })
        .ReadWrite<Item>(
            "Body", [](Item& item) { return item.Body(); },
            [](Item& item, const win::Variant& value) { item.SetBody(value.ToString()); })
        .Method<Item>("Save", [](Item& item, const win::DispatchCall&) { item.Save(); })
        .Method<Item>("Delete", [](Item& item, const win::DispatchCall&) { item.Delete(); })
        .Method<Item>("Display", [](Item& item, const win::DispatchCall& call) {
            item.Display(FlagArg(call, 0, false));
        });
    return table;
}

// Categories, companies and the time span of an appointment or a journal entry.
template <class T>
MemberTable& AddTimed(MemberTable& table) {
    return table
        .template ReadWrite<T>(
            "Categories", [](T& item) { return item.Categories(); },
            [](T& item, const win::Variant& value) { item.SetCategories(value.ToString()); })
        .template ReadWrite<T>(
            "Companies", [](T& item) { return item.Companies(); },
            [](T& item, const win::Variant& value) { item.SetCompanies(value.ToString()); })
        .template ReadWrite<T>(
            "Start", [](T& item) { return item.Start(); },
            [](T& item, const win::Variant& value) { item.SetStart(value.ToDate()); })
        .template ReadWrite<T>(
            "End", [](T& item) { return item.End(); },
            [](T& item, const win::Variant& value) { item.SetEnd(value.ToDate()); })
        .template ReadWrite<T>(
            "Duration", [](T& item) { return item.Duration(); },
            [](T& item, const win::Variant& value) { item.SetDuration(value.ToInt32()); })
        .template Read<T>("Links", [](T& item) { return Bridged(item.GetLinks()); });
}

}  // namespace

MemberTable ItemMembers() {
    return ItemBase();
}

MemberTable MailItemMembers() {
    using host::MailItem;
    MemberTable table = ItemBase();
    table.Read<MailItem>("Recipients", [](MailItem& mail) { return Bridged(mail.GetRecipients()); })
        .Read<MailItem>("Links", [](MailItem& mail) { return Bridged(mail.GetLinks()); })
        .Method<MailItem>(
            "Copy", [](MailItem& mail, const win::DispatchCall&) { return Bridged(mail.Copy()); })
        .Method<MailItem>("Move", [](MailItem& mail, const win::DispatchCall& call) {
            return Bridged(mail.Move(ObjectArgAs<host::MAPIFolder>(call, 0)));
        });
    return table;
}

MemberTable AppointmentItemMembers() {
    MemberTable table = ItemBase();
    AddTimed<host::AppointmentItem>(table);
    return table;
}

MemberTable ContactItemMembers() {
    using host::ContactItem;
    MemberTable table = ItemBase();
    table.Read<ContactItem>("FullName", [](ContactItem& contact) { return contact.FullName(); })
        .Read<ContactItem>("CompanyName",
                           [](ContactItem& contact) { return contact.CompanyName(); })
        .Read<ContactItem>("Email1Address",
                           [](ContactItem& contact) { return contact.Email1Address(); })
        .Read<ContactItem>("Email2Address",
                           [](ContactItem& contact) { return contact.Email2Address(); })
        .Read<ContactItem>("Email3Address",
                           [](ContactItem& contact) { return contact.Email3Address(); });
    return table;
}

MemberTable JournalItemMembers() {
    using host::JournalItem;
    MemberTable table = ItemBase();
    AddTimed<JournalItem>(table)
        .ReadWrite<JournalItem>(
            "Type", [](JournalItem& entry) { return entry.Type(); },
            [](JournalItem& entry, const win::Variant& value) { entry.SetType(value.ToString()); })
        .Read<JournalItem>("Attachments",
                           [](JournalItem& entry) { return Bridged(entry.GetAttachments()); });
    return table;
}

}  // namespace pwk::bridge
