#include "winharness/bridge/BridgeKind.h"

#include <type_traits>
#include <typeinfo>
#include <unordered_map>

#include "src/app/OptionsPageComponent.h"
#include "src/host/AddIn.h"
#include "src/host/AddressEntry.h"
#include "src/host/Application.h"
#include "src/host/AppointmentItem.h"
#include "src/host/Attachments.h"
#include "src/host/CommandBar.h"
#include "src/host/CommandBarButton.h"
#include "src/host/CommandBarControls.h"
#include "src/host/CommandBarPopup.h"
#include "src/host/CommandBars.h"
#include "src/host/ContactItem.h"
#include "src/host/Explorer.h"
#include "src/host/Explorers.h"
#include "src/host/HostObject.h"
#include "src/host/Inspector.h"
#include "src/host/Inspectors.h"
#include "src/host/Items.h"
#include "src/host/JournalItem.h"
#include "src/host/Link.h"
#include "src/host/Links.h"
#include "src/host/MAPIFolder.h"
#include "src/host/MailItem.h"
#include "src/host/MapiSession.h"
#include "src/host/NameSpace.h"
#include "src/host/PropertyPages.h"
#include "src/host/Recipient.h"
#include "src/host/Recipients.h"
#include "src/host/Selection.h"
#include "win/dispatch/EventIds.h"
#include "winharness/bridge/EventBindings.h"
#include "winharness/bridge/KindMembers.h"

namespace pwk::bridge {
namespace {

namespace EventIds = win::EventIds;

struct Candidate {
    bool (*Is)(const AutomationObject&);
    BridgeKind Kind;
};

template <class T>
bool Is(const AutomationObject& object) {
    return dynamic_cast<const T*>(&object) != nullptr;
}

// Every host object answers its text value as its default value, as the host's objects do.
template <class T>
Candidate Kind(std::string name, MemberTable members, std::vector<BridgeKind::Events> events = {}) {
    if constexpr (std::is_base_of_v<host::HostObject, T>) {
        members.AddValue([](AutomationObject& object, const win::DispatchCall&) {
            return win::Variant(dynamic_cast<const host::HostObject&>(object).Text());
        });
    }
    return Candidate{&Is<T>, BridgeKind{std::move(name), std::move(members), std::move(events)}};
}

// The more specific interfaces first: a mail is an item, a button a control.
std::vector<Candidate> MakeCandidates() {
    std::vector<Candidate> kinds;
    kinds.push_back(Kind<host::Application>("Application", ApplicationMembers(),
                                            {{EventIds::Application, ForwardApplicationEvents}}));
    kinds.push_back(Kind<host::AddInInstance>("COMAddIn", AddInInstanceMembers()));
    kinds.push_back(Kind<host::NameSpace>("NameSpace", NameSpaceMembers()));
    kinds.push_back(Kind<host::PropertyPages>("PropertyPages", PropertyPagesMembers()));
    kinds.push_back(Kind<host::Explorers>("Explorers", ExplorersMembers(),
                                          {{EventIds::Explorers, ForwardExplorersEvents}}));
    kinds.push_back(Kind<host::Inspectors>("Inspectors", InspectorsMembers(),
                                           {{EventIds::Inspectors, ForwardInspectorsEvents}}));
    kinds.push_back(Kind<host::Explorer>("Explorer", ExplorerMembers(),
                                         {{EventIds::Explorer, ForwardExplorerEvents}}));
    kinds.push_back(Kind<host::Inspector>("Inspector", InspectorMembers(),
                                          {{EventIds::Inspector, ForwardInspectorEvents}}));
    kinds.push_back(Kind<host::Selection>("Selection", SelectionMembers()));
    kinds.push_back(Kind<host::MAPIFolder>("MAPIFolder", FolderMembers()));
    kinds.push_back(
        Kind<host::Items>("Items", ItemsMembers(), {{EventIds::Items, ForwardItemsEvents}}));
    kinds.push_back(Kind<host::MailItem>("MailItem", MailItemMembers()));
    kinds.push_back(Kind<host::AppointmentItem>("AppointmentItem", AppointmentItemMembers(),
                                                {{EventIds::Item, ForwardItemEvents}}));
    kinds.push_back(Kind<host::ContactItem>("ContactItem", ContactItemMembers()));
    kinds.push_back(Kind<host::JournalItem>("JournalItem", JournalItemMembers()));
    kinds.push_back(Kind<host::Item>("Item", ItemMembers()));
    kinds.push_back(Kind<host::Links>("Links", LinksMembers()));
    kinds.push_back(Kind<host::Link>("Link", LinkMembers()));
    kinds.push_back(Kind<host::Recipients>("Recipients", RecipientsMembers()));
    kinds.push_back(Kind<host::Recipient>("Recipient", RecipientMembers()));
    kinds.push_back(Kind<host::AddressEntry>("AddressEntry", AddressEntryMembers()));
    kinds.push_back(Kind<host::Attachments>("Attachments", AttachmentsMembers()));
    kinds.push_back(Kind<host::CommandBars>("CommandBars", CommandBarsMembers()));
    kinds.push_back(Kind<host::CommandBar>("CommandBar", CommandBarMembers()));
    kinds.push_back(
        Kind<host::CommandBarControls>("CommandBarControls", CommandBarControlsMembers()));
    kinds.push_back(Kind<host::CommandBarButton>(
        "CommandBarButton", ControlMembers(), {{EventIds::CommandBarButton, ForwardButtonEvents}}));
    kinds.push_back(Kind<host::CommandBarPopup>("CommandBarPopup", PopupMembers()));
    kinds.push_back(Kind<host::CommandBarControl>("CommandBarControl", ControlMembers()));
    kinds.push_back(Kind<host::MapiSession>("MapiSession", MapiSessionMembers()));
    kinds.push_back(Kind<host::MapiMessage>("MapiMessage", MapiMessageMembers()));
    kinds.push_back(Kind<OptionsPageComponent>("OptionsPage", OptionsPageMembers()));
    return kinds;
}

}  // namespace

const BridgeKind& BridgeKind::Of(const AutomationObject& object) {
    static const std::vector<Candidate> kinds = MakeCandidates();
    static const BridgeKind unknown{"Object", MemberTable{}, {}};
    // Every object of one class is of one kind. A bridge is made for each object a client
    // gets, and a client that lets go of a folder and looks it up again gets a new one: the
    // kind is found by trying each candidate's cast once per class, not once per bridge. (This
    // program's classes each have one type_info object: its address names the class.)
    static std::unordered_map<const std::type_info*, const BridgeKind*> ofClass;
    const BridgeKind*& known = ofClass[&typeid(object)];
    if (known == nullptr) {
        known = &unknown;
        for (const Candidate& candidate : kinds) {
            if (candidate.Is(object)) {
                known = &candidate.Kind;
                break;
            }
        }
    }
    return *known;
}

}  // namespace pwk::bridge
