// WrapObject for every interface of the host: the one place that knows every adapter class,
// so it stands above them all; the adapters reach it through WrapObject.h alone.
#include <type_traits>
#include <typeinfo>

#include "win/dispatch/DispatchAddInInstance.h"
#include "win/dispatch/DispatchAddressEntry.h"
#include "win/dispatch/DispatchApplication.h"
#include "win/dispatch/DispatchAppointmentItem.h"
#include "win/dispatch/DispatchAttachments.h"
#include "win/dispatch/DispatchCommandBar.h"
#include "win/dispatch/DispatchCommandBarButton.h"
#include "win/dispatch/DispatchCommandBarControl.h"
#include "win/dispatch/DispatchCommandBarControls.h"
#include "win/dispatch/DispatchCommandBarPopup.h"
#include "win/dispatch/DispatchCommandBars.h"
#include "win/dispatch/DispatchContactItem.h"
#include "win/dispatch/DispatchDistListItem.h"
#include "win/dispatch/DispatchExplorer.h"
#include "win/dispatch/DispatchExplorers.h"
#include "win/dispatch/DispatchFolder.h"
#include "win/dispatch/DispatchInspector.h"
#include "win/dispatch/DispatchInspectors.h"
#include "win/dispatch/DispatchItems.h"
#include "win/dispatch/DispatchJournalItem.h"
#include "win/dispatch/DispatchLink.h"
#include "win/dispatch/DispatchLinks.h"
#include "win/dispatch/DispatchMailItem.h"
#include "win/dispatch/DispatchMapiMessage.h"
#include "win/dispatch/DispatchMapiSession.h"
#include "win/dispatch/DispatchNameSpace.h"
#include "win/dispatch/DispatchNoteItem.h"
#include "win/dispatch/DispatchOtherItem.h"
#include "win/dispatch/DispatchPropertyPages.h"
#include "win/dispatch/DispatchRecipient.h"
#include "win/dispatch/DispatchRecipients.h"
#include "win/dispatch/DispatchSelection.h"
#include "win/dispatch/DispatchTaskItem.h"
#include "win/dispatch/EventHold.h"
#include "win/dispatch/ObjectCache.h"
#include "win/dispatch/PlainObject.h"
#include "win/dispatch/WrapObject.h"

namespace pwk::win {
namespace {

// The live adapter of `object` if it is a T; null when there is none or it is not a T. An
// adapter of the class `Exact` (the one a new adapter would be made of, and nearly always the
// live one's) is taken without a cast through the class hierarchy.
template <class T, class Exact = void>
std::shared_ptr<T> Known(IDispatch* object) {
    if constexpr (!std::is_void_v<Exact>) {
        // Most objects hand out their IDispatch as their identity: a live adapter under that
        // pointer that holds this very pointer is of this object, which need not be asked.
        auto found = ObjectCache::Instance().Find(object);
        if (found && typeid(*found) == typeid(Exact)) {
            auto exact = std::static_pointer_cast<Exact>(std::move(found));
            if (exact->Dispatch() == object) {
                return exact;
            }
        }
    }
    IUnknown* identity = nullptr;
    object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity));
    if (identity == nullptr) {
        return nullptr;
    }
    // Only compared: the caller's reference keeps the object, and so its identity, alive.
    identity->Release();
    std::shared_ptr<AutomationObject> found = ObjectCache::Instance().Find(identity);
    if constexpr (!std::is_void_v<Exact>) {
        if (found && typeid(*found) == typeid(Exact)) {
            return std::static_pointer_cast<Exact>(std::move(found));
        }
    }
    return std::dynamic_pointer_cast<T>(std::move(found));
}

// The live adapter of `object` if it is already a T, else a new adapter of class `Adapter`.
template <class T, class Adapter>
std::shared_ptr<T> Adopt(IDispatch* object) {
    if (auto known = Known<T, Adapter>(object)) {
        return known;
    }
    auto made = std::make_shared<Adapter>(ComPtr<IDispatch>(object));
    ObjectCache::Instance().Remember(made->Identity(), made, made.get());
    EventHold::Instance().Keep(made);
    return made;
}

std::int32_t ClassOf(IDispatch* object) {
    return PlainObject<struct AnyObject>(Variant(object)).Get("Class").ToInt32();
}

Ref<host::Item> AdoptItem(IDispatch* object) {
    if (auto known = Known<host::Item>(object)) {
        return known;
    }
    switch (ClassOf(object)) {
        case ObjectClass::Mail:
            return Adopt<host::Item, DispatchMailItem>(object);
        case ObjectClass::Appointment:
            return Adopt<host::Item, DispatchAppointmentItem>(object);
        case ObjectClass::Contact:
            return Adopt<host::Item, DispatchContactItem>(object);
        case ObjectClass::Journal:
            return Adopt<host::Item, DispatchJournalItem>(object);
        case ObjectClass::Task:
            return Adopt<host::Item, DispatchTaskItem>(object);
        case ObjectClass::Note:
            return Adopt<host::Item, DispatchNoteItem>(object);
        case ObjectClass::DistributionList:
            return Adopt<host::Item, DispatchDistListItem>(object);
        default:
            return Adopt<host::Item, DispatchOtherItem>(object);
    }
}

}  // namespace

// Each interface's adapter; the kinds that come in several classes are told apart below.
template <class T>
struct AdapterOf;
#define PWK_ADAPTER(Interface, Adapter) \
    template <>                         \
    struct AdapterOf<host::Interface> { \
        using type = Adapter;           \
    };
PWK_ADAPTER(Application, DispatchApplication)
PWK_ADAPTER(AddInInstance, DispatchAddInInstance)
PWK_ADAPTER(AddressEntry, DispatchAddressEntry)
PWK_ADAPTER(Attachments, DispatchAttachments)
PWK_ADAPTER(CommandBar, DispatchCommandBar)
PWK_ADAPTER(CommandBarButton, DispatchCommandBarButton)
PWK_ADAPTER(CommandBarControls, DispatchCommandBarControls)
PWK_ADAPTER(CommandBarPopup, DispatchCommandBarPopup)
PWK_ADAPTER(CommandBars, DispatchCommandBars)
PWK_ADAPTER(Explorer, DispatchExplorer)
PWK_ADAPTER(Explorers, DispatchExplorers)
PWK_ADAPTER(Inspector, DispatchInspector)
PWK_ADAPTER(Inspectors, DispatchInspectors)
PWK_ADAPTER(Items, DispatchItems)
PWK_ADAPTER(Link, DispatchLink)
PWK_ADAPTER(Links, DispatchLinks)
PWK_ADAPTER(MAPIFolder, DispatchFolder)
PWK_ADAPTER(MapiMessage, DispatchMapiMessage)
PWK_ADAPTER(MapiSession, DispatchMapiSession)
PWK_ADAPTER(NameSpace, DispatchNameSpace)
PWK_ADAPTER(PropertyPages, DispatchPropertyPages)
PWK_ADAPTER(Recipient, DispatchRecipient)
PWK_ADAPTER(Recipients, DispatchRecipients)
PWK_ADAPTER(Selection, DispatchSelection)
PWK_ADAPTER(MailItem, DispatchMailItem)
PWK_ADAPTER(AppointmentItem, DispatchAppointmentItem)
PWK_ADAPTER(ContactItem, DispatchContactItem)
PWK_ADAPTER(JournalItem, DispatchJournalItem)
#undef PWK_ADAPTER

template <class T>
Ref<T> WrapObject(IDispatch* object) {
    if (object == nullptr) {
        return nullptr;
    }
    return Adopt<T, typename AdapterOf<T>::type>(object);
}

// An item: its class decides the adapter.
template <>
Ref<host::Item> WrapObject<host::Item>(IDispatch* object) {
    return object == nullptr ? nullptr : AdoptItem(object);
}

// A control: a button, a popup, or another kind of control, by its type.
template <>
Ref<host::CommandBarControl> WrapObject<host::CommandBarControl>(IDispatch* object) {
    if (object == nullptr) {
        return nullptr;
    }
    if (auto known = Known<host::CommandBarControl>(object)) {
        return known;
    }
    switch (PlainObject<struct AnyControl>(Variant(object)).Get("Type").ToInt32()) {
        case host::ControlType::Button:
            return Adopt<host::CommandBarControl, DispatchCommandBarButton>(object);
        case host::ControlType::Popup:
            return Adopt<host::CommandBarControl, DispatchCommandBarPopup>(object);
        default:
            return Adopt<host::CommandBarControl, DispatchCommandBarControl>(object);
    }
}

// An object that may be of several kinds (a parent, a link's item): its class decides.
template <>
Ref<host::HostObject> WrapObject<host::HostObject>(IDispatch* object) {
    if (object == nullptr) {
        return nullptr;
    }
    if (auto known = Known<host::HostObject>(object)) {
        return known;
    }
    switch (ClassOf(object)) {
        case ObjectClass::Application:
            return WrapObject<host::Application>(object);
        case ObjectClass::NameSpace:
            return WrapObject<host::NameSpace>(object);
        case ObjectClass::Folder:
            return WrapObject<host::MAPIFolder>(object);
        default:
            return AdoptItem(object);
    }
}

template Ref<host::Application> WrapObject(IDispatch*);
template Ref<host::AddInInstance> WrapObject(IDispatch*);
template Ref<host::AddressEntry> WrapObject(IDispatch*);
template Ref<host::Attachments> WrapObject(IDispatch*);
template Ref<host::CommandBar> WrapObject(IDispatch*);
template Ref<host::CommandBarButton> WrapObject(IDispatch*);
template Ref<host::CommandBarControls> WrapObject(IDispatch*);
template Ref<host::CommandBarPopup> WrapObject(IDispatch*);
template Ref<host::CommandBars> WrapObject(IDispatch*);
template Ref<host::Explorer> WrapObject(IDispatch*);
template Ref<host::Explorers> WrapObject(IDispatch*);
template Ref<host::Inspector> WrapObject(IDispatch*);
template Ref<host::Inspectors> WrapObject(IDispatch*);
template Ref<host::Items> WrapObject(IDispatch*);
template Ref<host::Link> WrapObject(IDispatch*);
template Ref<host::Links> WrapObject(IDispatch*);
template Ref<host::MAPIFolder> WrapObject(IDispatch*);
template Ref<host::MapiMessage> WrapObject(IDispatch*);
template Ref<host::MapiSession> WrapObject(IDispatch*);
template Ref<host::NameSpace> WrapObject(IDispatch*);
template Ref<host::PropertyPages> WrapObject(IDispatch*);
template Ref<host::Recipient> WrapObject(IDispatch*);
template Ref<host::Recipients> WrapObject(IDispatch*);
template Ref<host::Selection> WrapObject(IDispatch*);
template Ref<host::MailItem> WrapObject(IDispatch*);
template Ref<host::AppointmentItem> WrapObject(IDispatch*);
template Ref<host::ContactItem> WrapObject(IDispatch*);
template Ref<host::JournalItem> WrapObject(IDispatch*);

}  // namespace pwk::win
