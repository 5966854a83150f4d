#pragma once

#include "winharness/bridge/MemberTable.h"

namespace pwk::bridge {

// The members of each kind of host object, by the names win/dispatch's adapters call: exactly
// those, so that a member the adapters name and the bridge lacks (or the other way round)
// shows up as "Object doesn't support this property or method" (438).

// The application, its windows and what they show (ApplicationMembers.cpp).
MemberTable ApplicationMembers();
MemberTable AddInInstanceMembers();
MemberTable NameSpaceMembers();
MemberTable PropertyPagesMembers();
MemberTable ExplorersMembers();
MemberTable InspectorsMembers();
MemberTable ExplorerMembers();
MemberTable InspectorMembers();
MemberTable SelectionMembers();

// Folders and items (MailboxMembers.cpp, ItemMembers.cpp).
MemberTable FolderMembers();
MemberTable ItemsMembers();
MemberTable LinksMembers();
MemberTable LinkMembers();
MemberTable RecipientsMembers();
MemberTable RecipientMembers();
MemberTable AddressEntryMembers();
MemberTable AttachmentsMembers();
MemberTable ItemMembers();  // an item of a kind with nothing of its own
MemberTable MailItemMembers();
MemberTable AppointmentItemMembers();
MemberTable ContactItemMembers();
MemberTable JournalItemMembers();

// Command bars and their controls (CommandBarMembers.cpp).
MemberTable CommandBarsMembers();
MemberTable CommandBarMembers();
MemberTable CommandBarControlsMembers();
MemberTable ControlMembers();  // a button or another control
MemberTable PopupMembers();

// The components created by ProgID (ComponentMembers.cpp).
MemberTable MapiSessionMembers();
MemberTable MapiMessageMembers();
MemberTable OptionsPageMembers();

}  // namespace pwk::bridge
