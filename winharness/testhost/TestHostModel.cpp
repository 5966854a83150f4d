#include "winharness/testhost/TestHostModel.h"

#include "src/host/HostTypes.h"
#include "src/util/Failure.h"
#include "win/automation/CallArgs.h"
#include "win/dispatch/EventIds.h"
#include "win/dispatch/ObjectClass.h"

namespace pwk::testhost {
namespace {

using win::ComPtr;
using win::Variant;
namespace EventIds = win::EventIds;

Variant Object(const ComPtr<win::DispatchObject>& object) {
    return Variant(static_cast<IDispatch*>(object.Get()));
}

}  // namespace

TestHostModel::TestHostModel(const std::string& name, const std::string& version) {
    application_ = Make(win::ObjectClass::Application);
    auto explorers = Make(60);
    auto inspectors = Make(61);
    explorer_ = Make(34);
    auto mapi = Make(win::ObjectClass::NameSpace);
    auto store = MakeFolder("Personal Folders", 0, mapi);
    defaults_ = {{host::DefaultFolder::Inbox, MakeFolder("Inbox", 0, store)},
                 {host::DefaultFolder::SentMail, MakeFolder("Sent Items", 0, store)},
                 {host::DefaultFolder::Outbox, MakeFolder("Outbox", 0, store)},
                 {host::DefaultFolder::Drafts, MakeFolder("Drafts", 0, store)},
                 {host::DefaultFolder::DeletedItems, MakeFolder("Deleted Items", 0, store)},
                 {host::DefaultFolder::Contacts, MakeFolder("Contacts", 2, store)},
                 {host::DefaultFolder::Journal, MakeFolder("Journal", 4, store)},
                 {host::DefaultFolder::Calendar, MakeFolder("Calendar", 1, store)},
                 {host::DefaultFolder::Tasks, MakeFolder("Tasks", 3, store)},
                 {host::DefaultFolder::Notes, MakeFolder("Notes", 5, store)}};
    auto selection = Make(74);
    bars_ = std::make_unique<TestCommandBars>([this] { return Make(-1); });
    addInInstance_ = Make(-1);

    application_->Value("Name", name)
        .Value("Version", version)
        .Value("ProductCode", "{00000000-0000-0000-0000-000000000000}")
        .Object("Explorers", explorers)
        .Object("Inspectors", inspectors)
        .Member("GetNamespace", [mapi](win::DispatchCall& call) { call.Return(Object(mapi)); })
        .Member("CreateItem", [this](win::DispatchCall& call) { call.Return(Object(NewMail())); })
        .Events(EventIds::Application);
    explorers->Value("Count", 1)
        .Member("Item",
                [this](win::DispatchCall& call) {
                    if (call.Arg(0).ToInt32() != 1) {
                        win::DispatchCall::Fail(FailureNumber::SubscriptOutOfRange,
                                                "Array index out of bounds.");
                    }
                    call.Return(Object(explorer_));
                })
        .Events(EventIds::Explorers);
    inspectors->Value("Count", 0)
        .Member("Item",
                [](win::DispatchCall&) {
                    win::DispatchCall::Fail(FailureNumber::SubscriptOutOfRange,
                                            "Array index out of bounds.");
                })
        .Events(EventIds::Inspectors);
    explorer_->Object("CommandBars", bars_->Object())
        .Object("CurrentFolder", defaults_[host::DefaultFolder::Inbox])
        .Object("Selection", selection)
        .Events(EventIds::Explorer);
    selection
        ->Member("Count",
                 [list = selected_](win::DispatchCall& call) {
                     call.Return(static_cast<std::int32_t>(list->size()));
                 })
        .Member("Item", [list = selected_](win::DispatchCall& call) {
            const std::int32_t index = call.Arg(0).ToInt32();
            if (index < 1 || index > static_cast<std::int32_t>(list->size())) {
                win::DispatchCall::Fail(FailureNumber::SubscriptOutOfRange,
                                        "Array index out of bounds.");
            }
            call.Return(Object((*list)[static_cast<std::size_t>(index - 1)]));
        });
    mapi->Value("Type", "MAPI").Default("Type");
    mapi->Member("GetDefaultFolder",
                 [this](win::DispatchCall& call) {
                     const auto found = defaults_.find(call.Arg(0).ToInt32());
                     if (found == defaults_.end()) {
                         win::DispatchCall::Fail(FailureNumber::InvalidProcedureCall,
                                                 "Invalid procedure call or argument");
                     }
                     call.Return(Object(found->second));
                 })
        .Member("PickFolder",
                [list = picks_](win::DispatchCall& call) {
                    if (list->empty()) {
                        call.Return(Variant(static_cast<IDispatch*>(nullptr)));
                        return;
                    }
                    call.Return(Object(list->front()));
                    list->erase(list->begin());
                })
        .Member("GetFolderFromID", [this](win::DispatchCall& call) {
            for (const auto& [kind, folder] : defaults_) {
                if (folder->ValueOf("EntryID").ToString() == call.Arg(0).ToString()) {
                    return call.Return(Object(folder));
                }
            }
            win::DispatchCall::Fail(0x107, "The operation failed.");
        });
    addInInstance_->Value("ProgId", "Wickline.Connect").Value("Description", "Parleywick");
}

TestHostModel::~TestHostModel() {
    for (const auto& object : objects_) {
        object->Clear();
    }
}

ComPtr<win::DispatchObject> TestHostModel::Make(std::int32_t objectClass) {
    auto object = win::DispatchObject::Make();
    if (objectClass >= 0) {
        object->Value("Class", objectClass);
    }
    objects_.push_back(object);
    return object;
}

ComPtr<win::DispatchObject> TestHostModel::MakeFolder(const std::string& name,
                                                      std::int32_t itemType,
                                                      const ComPtr<win::DispatchObject>& parent) {
    auto folder = Make(win::ObjectClass::Folder);
    auto items = Make(16);
    folder->Value("Name", name)
        .Value("EntryID", "EID-" + name)
        .Value("StoreID", "STORE-1")
        .Value("DefaultItemType", itemType)
        .Object("Parent", parent)
        .Object("Items", items)
        .Default("Name");
    items->Value("Count", 0)
        .Member("Item",
                [](win::DispatchCall&) {
                    win::DispatchCall::Fail(FailureNumber::SubscriptOutOfRange,
                                            "Array index out of bounds.");
                })
        .Member(
            "Find",
            [](win::DispatchCall& call) { call.Return(Variant(static_cast<IDispatch*>(nullptr))); })
        .Member("Add", [this](win::DispatchCall& call) { call.Return(Object(NewMail())); })
        .Events(EventIds::Items);
    return folder;
}

ComPtr<win::DispatchObject> TestHostModel::NewMail() {
    return MakeMail(defaults_[host::DefaultFolder::Drafts], "");
}

ComPtr<win::DispatchObject> TestHostModel::ReceivedMail() {
    return MakeMail(defaults_[host::DefaultFolder::Inbox],
                    "EID-received-" + std::to_string(++received_));
}

ComPtr<win::DispatchObject> TestHostModel::MakeMail(const ComPtr<win::DispatchObject>& folder,
                                                    const std::string& entryId) {
    auto mail = Make(win::ObjectClass::Mail);
    auto recipients = Make(17);
    auto links = Make(76);
    recipients->Value("Count", 0);
    links->Value("Count", 0);
    mail->Value("Subject", "")
        .Value("Body", "")
        .Value("EntryID", entryId)
        .Object("Parent", folder)
        .Object("Recipients", recipients)
        .Object("Links", links)
        .Member("Save", [](win::DispatchCall&) {})
        .Member("Delete", [](win::DispatchCall&) {})
        .Member("Display", [](win::DispatchCall&) {});
    return mail;
}

HRESULT TestHostModel::Select(std::vector<ComPtr<win::DispatchObject>> items) {
    *selected_ = std::move(items);
    return explorer_->Fire(EventIds::Explorer, EventIds::SelectionChange, {});
}

// The folder is shown with nothing selected: the folder switch, then the selection change.
HRESULT TestHostModel::ShowFolder(std::int32_t defaultFolder) {
    explorer_->Assign("CurrentFolder", Object(defaults_.at(defaultFolder)));
    selected_->clear();
    const HRESULT switched = explorer_->Fire(EventIds::Explorer, EventIds::FolderSwitch, {});
    const HRESULT selected = explorer_->Fire(EventIds::Explorer, EventIds::SelectionChange, {});
    return FAILED(switched) ? switched : selected;
}

void TestHostModel::PlanPicks(std::vector<std::int32_t> defaultFolders) {
    picks_->clear();
    for (const std::int32_t folder : defaultFolders) {
        picks_->push_back(defaults_.at(folder));
    }
}

std::vector<ComPtr<IDispatch>> TestHostModel::OpenOptionsDialog() {
    auto added = std::make_shared<std::vector<ComPtr<IDispatch>>>();
    auto pages = Make(-1);
    pages->Member(
        "Add", [added](win::DispatchCall& call) { added->push_back(win::DispatchArg(call, 0)); });
    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_DISPATCH;
    argument.pdispVal = pages.Get();
    application_->Fire(EventIds::Application, EventIds::OptionsPagesAdd, {argument});
    // The dialog has taken the pages: the collection is done with.
    pages->Clear();
    return *added;
}

}  // namespace pwk::testhost
