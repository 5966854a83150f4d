#include "sim/SimHost.h"
#include "src/util/Ref.h"

#include <algorithm>

#include "sim/EscapedFailureError.h"
#include "sim/HostError.h"
#include "sim/HostIds.h"
#include "sim/SimApplication.h"
#include "sim/SimCommandBar.h"
#include "sim/SimCommandBars.h"
#include "sim/SimControlFactory.h"
#include "sim/SimControlState.h"
#include "sim/SimExplorer.h"
#include "sim/SimFolder.h"
#include "sim/SimInspector.h"
#include "sim/SimItemFactory.h"
#include "sim/SimItemState.h"
#include "sim/SimLinks.h"
#include "sim/SimMapiSession.h"
#include "sim/SimNameSpace.h"
#include "sim/SimRecipients.h"
#include "sim/UserActionError.h"
#include "src/host/CommandBarButton.h"
#include "src/host/Item.h"

namespace pwk::sim {
namespace {

// The first e-mail address of a contact, as the host's new-message command takes it.
std::string FirstAddress(const SimItemState& contact) {
    for (const char* field : {"Email1Address", "Email2Address", "Email3Address"}) {
        if (!contact.TextField(field).empty()) {
            return contact.TextField(field);
        }
    }
    return {};
}

template <class Window>
bool IsOpen(const std::vector<Owned<Window>>& open, const Window& window) {
    return std::ranges::any_of(open,
                               [&](const Owned<Window>& w) { return w.get().get() == &window; });
}

}  // namespace

SimHost::SimHost(HostInfo info)
    : info_(std::move(info)), core_(std::make_shared<SimCore>()), addIns_(core_) {
    core_->World = this;
    app_ = MakeSim<SimApplication>(core_, info_);
}

SimHost::~SimHost() {
    core_->World = nullptr;
}

Ref<host::Application> SimHost::Application() const {
    return app_.get();
}

SimNameSpace& SimHost::Mailbox() const {
    return app_->Mailbox();
}

std::shared_ptr<SimFolder> SimHost::Folder(const std::string& path) const {
    auto folder = Mailbox().FolderAt(path);
    if (!folder) {
        throw UserActionError("There is no folder \"" + path + "\".");
    }
    return folder;
}

std::shared_ptr<SimFolder> SimHost::AddFolder(const std::string& parentPath,
                                              const std::string& name, host::ItemType defaultType) {
    auto parent = Folder(parentPath);
    if (name.empty() || name.find('/') != std::string::npos || parent->Subfolder(name)) {
        throw UserActionError("Cannot add a folder \"" + name + "\" to \"" + parentPath + "\".");
    }
    return parent->AddSubfolder(name, defaultType);
}

void SimHost::DeleteFolder(const std::string& path) {
    Mailbox().DeleteFolder(*Folder(path));
}

void SimHost::RenameFolder(const std::string& path, const std::string& name) {
    Folder(path)->Rename(name);
}

std::shared_ptr<SimItemState> SimHost::PutItem(const std::string& folderPath, host::ItemType type,
                                               const std::map<std::string, std::string>& fields) {
    auto folder = Folder(folderPath);
    auto item = SimItemFactory::Blank(core_, type);
    for (const auto& [field, value] : fields) {
        if (ItemKinds::FieldOf(type, field) != FieldType::Text) {
            throw UserActionError("A " + item->AuditType() + " has no text field " + field + ".");
        }
        item->SetTextField(field, value);
    }
    item->SetEntryId(HostIds::ItemEntryID(folder->StoreName(), folder->Path(), NextItemKey()));
    folder->Insert(item, false);
    return item;
}

void SimHost::LoadAddIn(const ObjectFactories& registry, const std::string& progId, int connectMode,
                        const std::string& description) {
    if (!running_) {
        throw UserActionError("The host has shut down.");
    }
    addIns_.Load(app_.get(), registry, progId, connectMode, description);
    Finish();
}

void SimHost::UnloadAddIn(const std::string& progId) {
    addIns_.Unload(progId);
    Finish();
}

ObjectFactories::Factory SimHost::MapiSessionFactory() const {
    std::weak_ptr<SimCore> weakCore = core_;
    std::weak_ptr<SimNameSpace> mailbox = app_->MailboxPtr();
    return [weakCore, mailbox]() -> std::shared_ptr<AutomationObject> {
        auto core = weakCore.lock();
        return core ? MakeSim<SimMapiSession>(core, mailbox) : nullptr;
    };
}

std::shared_ptr<SimExplorer> SimHost::OpenExplorer(const std::string& folderPath) {
    if (!running_) {
        throw UserActionError("The host has shut down.");
    }
    auto folder = folderPath.empty() ? nullptr : Folder(folderPath);
    auto explorer = MakeSim<SimExplorer>(core_);
    explorer->SetFolder(folder);
    explorer->BuildBars(explorerLayout_);
    app_->ExplorerList().Open(explorer);
    Finish();
    return explorer;
}

std::shared_ptr<SimInspector> SimHost::OpenItem(const Ref<host::Item>& item) {
    if (!running_) {
        throw UserActionError("The host has shut down.");
    }
    auto state = ItemOf(item);
    Display(*state, false);
    Finish();
    return InspectorOf(item);
}

std::shared_ptr<SimInspector> SimHost::InspectorOf(const Ref<host::Item>& item) const {
    auto state = As<SimItemState>(item);
    for (const auto& inspector : app_->InspectorList().All()) {
        if (inspector->Shown() == state) {
            return inspector.get();
        }
    }
    return nullptr;
}

void SimHost::Close(const Ref<host::Explorer>& explorer) {
    CloseExplorer(*OpenExplorerOf(explorer));
    Finish();
}

void SimHost::Close(const Ref<host::Inspector>& inspector) {
    auto window = As<SimInspector>(inspector);
    if (!window || !IsOpen(app_->InspectorList().All(), *window)) {
        throw UserActionError("The inspector is not open.");
    }
    CloseInspector(*window);
    Finish();
}

void SimHost::SwitchFolder(const Ref<host::Explorer>& explorer, const std::string& folderPath) {
    auto window = OpenExplorerOf(explorer);
    window->SetFolder(Folder(folderPath));
    window->SetSelected({});
    window->RaiseFolderSwitch();
    if (window->Open()) {
        window->RaiseSelectionChange();
    }
    Finish();
}

void SimHost::Select(const Ref<host::Explorer>& explorer,
                     const std::vector<Ref<host::Item>>& items) {
    auto window = OpenExplorerOf(explorer);
    std::vector<Owned<SimItemState>> selected;
    for (const auto& item : items) {
        auto state = ItemOf(item);
        if (!state->InFolder() || !window->Folder() || state->Folder() != window->Folder()) {
            throw UserActionError("Only items of the explorer's folder can be selected.");
        }
        selected.emplace_back(state);
    }
    window->SetSelected(std::move(selected));
    window->RaiseSelectionChange();
    Finish();
}

void SimHost::Click(const Ref<host::CommandBarControl>& control) {
    auto state = As<SimControlState>(control);
    if (!state || !state->Valid()) {
        throw UserActionError("The control does not exist.");
    }
    auto window = As<SimWindowState>(state->Window());
    if (!window || !window->Open() || !state->Spec.Visible || !state->Spec.Enabled) {
        throw UserActionError("The control \"" + state->Spec.Caption + "\" cannot be clicked.");
    }
    Click(*state);
    Finish();
}

void SimHost::ForgetDisplayed() {
    displayed_.clear();
}

void SimHost::ShowToolbar(SimWindowState& window, const std::string& name) {
    if (!window.Open()) {
        throw UserActionError("The window is not open.");
    }
    if (window.Bars().Bar(name)) {
        throw UserActionError("The window shows the bar \"" + name + "\" already.");
    }
    const CommandBarLayout defaults = dynamic_cast<SimExplorer*>(&window) != nullptr
                                          ? CommandBarLayout::DefaultExplorer()
                                          : CommandBarLayout::DefaultInspector();
    const BarSpec* bar = defaults.Bar(name);
    if (!bar) {
        throw UserActionError("The host has no bar \"" + name + "\".");
    }
    window.AddBar(*bar);
    Finish();
}

void SimHost::Quit() {
    if (!running_) {
        throw UserActionError("The host has shut down.");
    }
    while (!app_->InspectorList().All().empty()) {
        CloseInspector(*app_->InspectorList().All().front());
    }
    while (!app_->ExplorerList().All().empty()) {
        CloseExplorer(*app_->ExplorerList().All().front());
    }
    Shutdown();
    Finish();
}

std::shared_ptr<SimItemState> SimHost::ComposeMail(const std::string& subject) {
    return Compose(host::ItemType::Mail, subject);
}

std::shared_ptr<SimItemState> SimHost::ComposeAppointment(const std::string& subject) {
    return Compose(host::ItemType::Appointment, subject);
}

void SimHost::SetField(const Ref<host::Item>& item, const std::string& field,
                       const std::string& value) {
    auto state = ItemOf(item);
    if (ItemKinds::FieldOf(state->Kind(), field) != FieldType::Text) {
        throw UserActionError("A " + state->AuditType() + " has no text field " + field + ".");
    }
    state->SetTextField(field, value);
}

void SimHost::AddRecipient(const Ref<host::Item>& mail, const std::string& address,
                           const std::string& name, RecipientKind kind) {
    auto state = ItemOf(mail);
    if (state->Kind() != host::ItemType::Mail) {
        throw UserActionError("Only a mail has recipients.");
    }
    state->RecipientsObject().AddRecipient(name.empty() ? address : name, address, kind);
}

void SimHost::AddLink(const Ref<host::Item>& item, const Ref<host::Item>& contact) {
    auto state = ItemOf(item);
    auto target = ItemOf(contact);
    if (target->Kind() != host::ItemType::Contact || !target->InFolder()) {
        throw UserActionError("Only a saved contact can be linked.");
    }
    if (!ItemKinds::FieldOf(state->Kind(), "Start") && state->Kind() != host::ItemType::Mail) {
        throw UserActionError("A " + state->AuditType() + " has no links.");
    }
    state->LinksObject().AddLink(target);
}

bool SimHost::Send(const Ref<host::Item>& mail) {
    auto state = ItemOf(mail);
    if (state->Kind() != host::ItemType::Mail || state->Sent()) {
        throw UserActionError("Only an unsent mail can be sent.");
    }
    if (state->RecipientsObject().All().empty()) {
        throw UserActionError("The mail has no recipients.");
    }
    auto sentItems = Mailbox().DefaultFolder(host::DefaultFolder::SentMail);
    if (!sentItems) {
        throw UserActionError("There is no Sent Items folder.");
    }
    bool cancel = false;
    app_->RaiseItemSend(state, cancel);
    if (cancel || !state->Valid()) {
        Finish();
        return false;
    }
    if (auto inspector = InspectorOf(mail)) {
        CloseInspector(*inspector);
    }
    state->SetSent(true);
    state->SetTextField("SenderName", info_.UserName);
    state->SetTextField("SenderEmailAddress", info_.UserAddress);
    if (running_) {
        state->MoveNow(sentItems);
    }
    Finish();
    return true;
}

void SimHost::Save(const Ref<host::Item>& item) {
    ItemOf(item)->SaveNow();
    Finish();
}

std::shared_ptr<SimItemState> SimHost::DeliverMail(const IncomingMail& mail) {
    auto inbox = Mailbox().DefaultFolder(host::DefaultFolder::Inbox);
    if (!inbox || !running_) {
        throw UserActionError("There is no Inbox to deliver to.");
    }
    auto item = SimItemFactory::Blank(core_, host::ItemType::Mail);
    item->SetTextField("Subject", mail.Subject);
    item->SetTextField("Body", mail.Body);
    item->SetTextField("SenderName", mail.SenderName);
    item->SetTextField("SenderEmailAddress", mail.SenderAddress);
    item->RecipientsObject().AddRecipient(info_.UserName, info_.UserAddress, RecipientKind::To);
    item->SetSent(true);
    item->MoveNow(inbox);
    Finish();
    return item;
}

std::vector<OptionsPage> SimHost::OpenOptionsDialog() {
    if (!running_) {
        throw UserActionError("The host has shut down.");
    }
    auto pages = MakeSim<SimPropertyPages>(core_);
    app_->RaiseOptionsPagesAdd(pages);
    auto added = pages->TakePages();
    pages->Invalidate(HostError::OperationFailed, "The options dialog is closed.");
    Finish();
    return added;
}

void SimHost::DoEvents() {
    while (!notifications_.empty()) {
        auto notification = std::move(notifications_.front());
        notifications_.pop_front();
        notification();
    }
}

FaultInjector& SimHost::Faults() const {
    return core_->Faults;
}

std::vector<HeldObject> SimHost::HeldObjects() const {
    return core_->Audit.Held();
}

std::vector<Release> SimHost::TakeReleases() {
    return core_->Audit.TakeReleases();
}

std::vector<EscapedFailure> SimHost::TakeEscapedFailures() {
    return std::exchange(core_->Escaped, {});
}

void SimHost::Post(std::function<void()> notification) {
    if (running_) {
        notifications_.push_back(std::move(notification));
    }
}

void SimHost::Display(SimItemState& item, bool modal) {
    auto state = item.Self<SimItemState>();
    displayed_.push_back(DisplayRecord{state, modal});
    if (InspectorOf(state->AsItem())) {
        return;
    }
    const int editor =
        item.Kind() == host::ItemType::Mail ? mailEditor_ : host::EditorType::RichText;
    auto inspector = MakeSim<SimInspector>(core_, state, editor);
    inspector->BuildBars(inspectorLayout_);
    app_->InspectorList().Open(inspector);
}

void SimHost::Click(SimControlState& control) {
    auto button = control.Self<host::CommandBarButton>();
    bool cancel = false;
    if (button) {
        // Every button with the same tag hears the click, whichever window it is on.
        std::vector<std::shared_ptr<SimControlState>> sameTag;
        auto collect = [&](SimControlState& other) {
            if (&other != &control && other.Valid() && !control.Spec.Tag.empty() &&
                other.Spec.Tag == control.Spec.Tag) {
                sameTag.push_back(other.Self<SimControlState>());
            }
        };
        for (const auto& explorer : app_->ExplorerList().All()) {
            for (const auto& bar : explorer->Bars().Bars()) {
                bar->ForEachControl(collect);
            }
        }
        for (const auto& inspector : app_->InspectorList().All()) {
            for (const auto& bar : inspector->Bars().Bars()) {
                bar->ForEachControl(collect);
            }
        }
        control.RaiseClick(button, cancel);
        for (const auto& other : sameTag) {
            if (other->Valid()) {
                other->RaiseClick(button, cancel);
            }
        }
    }
    if (control.Spec.BuiltIn && !cancel && control.Valid()) {
        RunCommand(control);
    }
}

std::shared_ptr<SimItemState> SimHost::NewItem(host::ItemType type) {
    return SimItemFactory::New(core_, type);
}

std::shared_ptr<SimItemState> SimHost::BlankItem(host::ItemType type) {
    return SimItemFactory::Blank(core_, type);
}

std::shared_ptr<SimControlState> SimHost::MakeControl(const ControlSpec& spec,
                                                      const std::weak_ptr<SimObject>& window) {
    return SimControlFactory::Make(core_, spec, window);
}

std::string SimHost::NextItemKey() {
    return "new#" + std::to_string(++nextItemKey_);
}

std::shared_ptr<SimItemState> SimHost::Compose(host::ItemType type, const std::string& subject) {
    if (!running_) {
        throw UserActionError("The host has shut down.");
    }
    auto item = app_->NewItem(type);
    item->SetTextField("Subject", subject);
    Display(*item, false);
    Finish();
    return item;
}

void SimHost::Finish() {
    DoEvents();
    if (throwOnEscaped_ && !core_->Escaped.empty()) {
        throw EscapedFailureError(TakeEscapedFailures());
    }
}

void SimHost::CloseExplorer(SimExplorer& explorer) {
    auto keep = explorer.Self<SimExplorer>();
    explorer.RaiseClose();
    app_->ExplorerList().Remove(explorer);
    explorerLayout_ = explorer.Dismantle();
    AfterWindowClosed();
}

void SimHost::CloseInspector(SimInspector& inspector) {
    auto keep = inspector.Self<SimInspector>();
    inspector.RaiseClose();
    app_->InspectorList().Remove(inspector);
    inspectorLayout_ = inspector.Dismantle();
    AfterWindowClosed();
}

void SimHost::AfterWindowClosed() {
    if (app_->ExplorerList().All().empty() && app_->InspectorList().All().empty()) {
        Shutdown();
    }
}

void SimHost::Shutdown() {
    if (!running_) {
        return;
    }
    running_ = false;
    notifications_.clear();
    addIns_.UnloadAll();
    core_->World = nullptr;
}

void SimHost::RunCommand(SimControlState& control) {
    commands_.push_back(CommandRecord{control.Spec.Id, control.Spec.Caption});
    if (control.Spec.Id != CommandBarLayout::NewMessageToContact) {
        return;
    }
    std::shared_ptr<SimItemState> contact;
    const auto window = control.Window();
    if (auto explorer = As<SimExplorer>(window)) {
        if (explorer->Selected().size() == 1) {
            contact = explorer->Selected().front().get();
        }
    } else if (auto inspector = As<SimInspector>(window)) {
        contact = inspector->Shown();
    }
    if (!contact || contact->Kind() != host::ItemType::Contact) {
        return;
    }
    auto mail = app_->NewItem(host::ItemType::Mail);
    mail->RecipientsObject().AddRecipient(contact->TextField("FullName"), FirstAddress(*contact),
                                          RecipientKind::To);
    Display(*mail, false);
}

std::shared_ptr<SimItemState> SimHost::ItemOf(const Ref<host::Item>& item) const {
    auto state = As<SimItemState>(item);
    if (!state || state->CorePtr() != core_) {
        throw UserActionError("The item does not belong to this host.");
    }
    if (!state->Valid()) {
        throw UserActionError("The item has been deleted.");
    }
    return state;
}

std::shared_ptr<SimExplorer> SimHost::OpenExplorerOf(const Ref<host::Explorer>& explorer) const {
    auto window = As<SimExplorer>(explorer);
    if (!window || !IsOpen(app_->ExplorerList().All(), *window)) {
        throw UserActionError("The explorer is not open.");
    }
    return window;
}

}  // namespace pwk::sim
