#include "win/testhost/TestHostModel.h"

#include <map>
#include <memory>

#include "src/host/HostTypes.h"
#include "win/dispatch/EventIds.h"
#include "win/dispatch/ObjectClass.h"

namespace pwk::testhost {
namespace {

using win::ComPtr;
using win::Variant;
namespace EventIds = win::EventIds;

constexpr std::int32_t kIndexOutOfRange = 9;
constexpr std::int32_t kInvalidCall = 5;

Variant Object(const ComPtr<BridgeObject>& object) {
    return Variant(static_cast<IDispatch*>(object.Get()));
}

using List = std::shared_ptr<std::vector<ComPtr<BridgeObject>>>;

// A collection numbered from 1 over `list`; an item is found by its index or its caption.
void Collection(BridgeObject& owner, const List& list) {
    owner.Member("Count", [list](BridgeCall& call) {
        call.Return(static_cast<std::int32_t>(list->size()));
    });
    owner.Member("Item", [list](BridgeCall& call) {
        const Variant key = call.Arg(0);
        if (key.Get()->vt == VT_BSTR) {
            for (const auto& entry : *list) {
                if (entry->ValueOf("Caption").ToString() == key.ToString()) {
                    return call.Return(Object(entry));
                }
            }
            BridgeCall::Fail(kInvalidCall, "Invalid procedure call or argument");
        }
        const std::int32_t index = key.ToInt32();
        if (index < 1 || index > static_cast<std::int32_t>(list->size())) {
            BridgeCall::Fail(kIndexOutOfRange, "Array index out of bounds.");
        }
        call.Return(Object((*list)[static_cast<std::size_t>(index - 1)]));
    });
}

}  // namespace

TestHostModel::TestHostModel(const std::string& name, const std::string& version) {
    application_ = Make(win::ObjectClass::Application);
    auto explorers = Make(60);
    auto inspectors = Make(61);
    explorer_ = Make(34);
    auto mapi = Make(win::ObjectClass::NameSpace);
    auto store = MakeFolder("Personal Folders", 0, mapi);
    std::map<std::int32_t, ComPtr<BridgeObject>> defaults{
        {host::DefaultFolder::Inbox, MakeFolder("Inbox", 0, store)},
        {host::DefaultFolder::SentMail, MakeFolder("Sent Items", 0, store)},
        {host::DefaultFolder::Outbox, MakeFolder("Outbox", 0, store)},
        {host::DefaultFolder::Drafts, MakeFolder("Drafts", 0, store)},
        {host::DefaultFolder::DeletedItems, MakeFolder("Deleted Items", 0, store)},
        {host::DefaultFolder::Contacts, MakeFolder("Contacts", 2, store)},
        {host::DefaultFolder::Journal, MakeFolder("Journal", 4, store)},
        {host::DefaultFolder::Calendar, MakeFolder("Calendar", 1, store)},
        {host::DefaultFolder::Tasks, MakeFolder("Tasks", 3, store)},
        {host::DefaultFolder::Notes, MakeFolder("Notes", 5, store)}};
    drafts_ = defaults[host::DefaultFolder::Drafts];
    auto selection = Make(74);
    auto bars = Make(-1);
    addInInstance_ = Make(-1);

    application_->Value("Name", name)
        .Value("Version", version)
        .Value("ProductCode", "{00000000-0000-0000-0000-000000000000}")
        .Object("Explorers", explorers)
        .Object("Inspectors", inspectors)
        .Member("GetNamespace", [mapi](BridgeCall& call) { call.Return(Object(mapi)); })
        .Member("CreateItem", [this](BridgeCall& call) { call.Return(Object(NewMail())); })
        .Events(EventIds::Application);
    explorers->Value("Count", 1)
        .Member("Item",
                [this](BridgeCall& call) {
                    if (call.Arg(0).ToInt32() != 1) {
                        BridgeCall::Fail(kIndexOutOfRange, "Array index out of bounds.");
                    }
                    call.Return(Object(explorer_));
                })
        .Events(EventIds::Explorers);
    inspectors->Value("Count", 0)
        .Member(
            "Item",
            [](BridgeCall&) { BridgeCall::Fail(kIndexOutOfRange, "Array index out of bounds."); })
        .Events(EventIds::Inspectors);
    explorer_->Object("CommandBars", bars)
        .Object("CurrentFolder", defaults[host::DefaultFolder::Inbox])
        .Object("Selection", selection)
        .Events(EventIds::Explorer);
    selection->Value("Count", 0).Member("Item", [](BridgeCall&) {
        BridgeCall::Fail(kIndexOutOfRange, "Array index out of bounds.");
    });
    mapi->Member("GetDefaultFolder",
                 [defaults](BridgeCall& call) {
                     const auto found = defaults.find(call.Arg(0).ToInt32());
                     if (found == defaults.end()) {
                         BridgeCall::Fail(kInvalidCall, "Invalid procedure call or argument");
                     }
                     call.Return(Object(found->second));
                 })
        .Member("GetFolderFromID", [defaults](BridgeCall& call) {
            for (const auto& [kind, folder] : defaults) {
                if (folder->ValueOf("EntryID").ToString() == call.Arg(0).ToString()) {
                    return call.Return(Object(folder));
                }
            }
            BridgeCall::Fail(0x107, "The operation failed.");
        });
    auto standard = MakeBar("Standard");
    auto menuBar = MakeBar("Menu Bar");
    bars->Member("Item", [standard, menuBar](BridgeCall& call) {
        const std::string wanted = call.Arg(0).ToString();
        if (wanted != "Standard" && wanted != "Menu Bar") {
            BridgeCall::Fail(kInvalidCall, "Invalid procedure call or argument");
        }
        call.Return(Object(wanted == "Standard" ? standard : menuBar));
    });
    addInInstance_->Value("ProgId", "Wickline.Connect").Value("Description", "Parleywick");
}

TestHostModel::~TestHostModel() {
    for (const auto& object : objects_) {
        object->Clear();
    }
}

ComPtr<BridgeObject> TestHostModel::Make(std::int32_t objectClass) {
    auto object = BridgeObject::Make();
    if (objectClass >= 0) {
        object->Value("Class", objectClass);
    }
    objects_.push_back(object);
    return object;
}

ComPtr<BridgeObject> TestHostModel::MakeFolder(const std::string& name, std::int32_t itemType,
                                               const ComPtr<BridgeObject>& parent) {
    auto folder = Make(win::ObjectClass::Folder);
    auto items = Make(16);
    folder->Value("Name", name)
        .Value("EntryID", "EID-" + name)
        .Value("StoreID", "STORE-1")
        .Value("DefaultItemType", itemType)
        .Object("Parent", parent)
        .Object("Items", items);
    items->Value("Count", 0)
        .Member(
            "Item",
            [](BridgeCall&) { BridgeCall::Fail(kIndexOutOfRange, "Array index out of bounds."); })
        .Member("Find",
                [](BridgeCall& call) { call.Return(Variant(static_cast<IDispatch*>(nullptr))); })
        .Member("Add", [this](BridgeCall& call) { call.Return(Object(NewMail())); })
        .Events(EventIds::Items);
    return folder;
}

ComPtr<BridgeObject> TestHostModel::NewMail() {
    auto mail = Make(win::ObjectClass::Mail);
    auto recipients = Make(17);
    auto links = Make(76);
    recipients->Value("Count", 0);
    links->Value("Count", 0);
    mail->Value("Subject", "")
        .Value("Body", "")
        .Value("EntryID", "")
        .Object("Parent", drafts_)
        .Object("Recipients", recipients)
        .Object("Links", links)
        .Member("Save", [](BridgeCall&) {})
        .Member("Delete", [](BridgeCall&) {})
        .Member("Display", [](BridgeCall&) {});
    return mail;
}

ComPtr<BridgeObject> TestHostModel::MakeBar(const std::string& name) {
    auto bar = Make(-1);
    bar->Value("Name", name).Object("Controls", MakeControls(bar.Get()));
    // Nothing the add-in looks for is on a bar before it adds it.
    bar->Member("FindControl",
                [](BridgeCall& call) { call.Return(Variant(static_cast<IDispatch*>(nullptr))); });
    return bar;
}

ComPtr<BridgeObject> TestHostModel::MakeControls(BridgeObject* bar) {
    auto controls = Make(-1);
    auto list = std::make_shared<std::vector<ComPtr<BridgeObject>>>();
    Collection(*controls.Get(), list);
    controls->Member("Add", [this, bar, list](BridgeCall& call) {
        auto control = MakeControl(call.Arg(0).ToInt32(), bar);
        list->push_back(control);
        call.Return(Object(control));
    });
    return controls;
}

ComPtr<BridgeObject> TestHostModel::MakeControl(std::int32_t type, BridgeObject* bar) {
    auto control = Make(-1);
    control->Value("Type", type)
        .Value("Id", 1)
        .Value("Caption", "")
        .Value("TooltipText", "")
        .Value("Tag", "")
        .Value("OnAction", "")
        .Value("Parameter", "")
        .Value("BeginGroup", false)
        .Value("Enabled", true)
        .Value("Visible", true)
        .Value("Temporary", true)
        .Member("Delete", [](BridgeCall&) {})
        .Member("Move", [](BridgeCall&) {})
        .Member("Execute", [](BridgeCall&) {})
        .Member("Parent",
                [bar](BridgeCall& call) { call.Return(Variant(static_cast<IDispatch*>(bar))); });
    if (type == host::ControlType::Popup) {
        control->Object("Controls", MakeControls(bar));
    } else {
        control->Events(EventIds::CommandBarButton);
    }
    return control;
}

}  // namespace pwk::testhost
