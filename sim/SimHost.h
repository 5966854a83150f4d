#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "sim/CommandBarLayout.h"
#include "sim/EscapedFailure.h"
#include "sim/HostInfo.h"
#include "sim/ObjectAudit.h"
#include "sim/Owned.h"
#include "sim/SimAddIns.h"
#include "sim/SimPropertyPages.h"
#include "sim/SimRecipient.h"
#include "sim/SimWorld.h"
#include "src/host/AddIn.h"
#include "src/host/HostTypes.h"
#include "src/platform/ObjectFactories.h"
#include "src/util/Ref.h"

namespace pwk::host {
class Application;
class CommandBarControl;
class Explorer;
class Inspector;
class Item;
}  // namespace pwk::host

namespace pwk::sim {

class FaultInjector;
class SimApplication;
class SimExplorer;
class SimFolder;
class SimInspector;
class SimItemState;
class SimNameSpace;
class SimWindowState;

// A mail that arrives from outside.
struct IncomingMail {
    std::string SenderName;
    std::string SenderAddress;  // empty: the messaging library cannot tell the sender
    std::string Subject;
    std::string Body;
};

// An item the host showed in an inspector (Item.Display or a user's opening it).
struct DisplayRecord {
    Owned<SimItemState> Item;
    bool Modal = false;
};

// A host command that ran (a built-in control clicked or executed).
struct CommandRecord {
    int Id = 0;
    std::string Caption;
};

// The simulated mail host and the user sitting in front of it. Tests and the scenario runner
// drive it through the user actions below; the add-in sees only Application() and what it
// leads to. Each user action ends as the host's message loop would: notifications queued
// during it (ItemAdd) are delivered, and if an add-in's handler let a failure reach the host,
// the action throws EscapedFailureError (unless told only to record them).
class SimHost : public SimWorld {
  public:
    explicit SimHost(HostInfo info = {});
    ~SimHost() override;
    SimHost(const SimHost&) = delete;
    SimHost& operator=(const SimHost&) = delete;

    Ref<host::Application> Application() const;
    const HostInfo& Info() const { return info_; }
    bool Running() const { return running_; }

    // The mailbox.
    SimNameSpace& Mailbox() const;
    // The folder at "Store/Folder/..."; UserActionError when there is none.
    std::shared_ptr<SimFolder> Folder(const std::string& path) const;
    std::shared_ptr<SimFolder> AddFolder(const std::string& parentPath, const std::string& name,
                                         host::ItemType defaultType);
    void DeleteFolder(const std::string& path);
    void RenameFolder(const std::string& path, const std::string& name);
    // Puts a saved item into a folder as if it had always been there (no events).
    std::shared_ptr<SimItemState> PutItem(const std::string& folderPath, host::ItemType type,
                                          const std::map<std::string, std::string>& fields);

    // Add-ins.
    void LoadAddIn(const ObjectFactories& registry, const std::string& progId,
                   int connectMode = host::ConnectMode::Startup,
                   const std::string& description = "");
    void UnloadAddIn(const std::string& progId);
    bool AddInLoaded(const std::string& progId) const { return addIns_.Loaded(progId); }
    // The factory of the messaging library's session ("MAPI.Session") for this host, to
    // register with the platform.
    ObjectFactories::Factory MapiSessionFactory() const;

    // Windows.
    std::shared_ptr<SimExplorer> OpenExplorer(const std::string& folderPath = "");
    std::shared_ptr<SimInspector> OpenItem(const Ref<host::Item>& item);
    std::shared_ptr<SimInspector> InspectorOf(const Ref<host::Item>& item) const;
    void Close(const Ref<host::Explorer>& explorer);
    void Close(const Ref<host::Inspector>& inspector);
    void SwitchFolder(const Ref<host::Explorer>& explorer, const std::string& folderPath);
    void Select(const Ref<host::Explorer>& explorer, const std::vector<Ref<host::Item>>& items);
    // A click on a visible, enabled control of an open window.
    void Click(const Ref<host::CommandBarControl>& control);
    // The user turns on a bar the window lacks; it comes as the host's default has it.
    void ShowToolbar(SimWindowState& window, const std::string& name);
    // Closes every inspector, then every explorer, first to last; the host then shuts down.
    void Quit();
    // The layouts new windows get; what closing windows keep ends up here too.
    CommandBarLayout& ExplorerLayout() { return explorerLayout_; }
    CommandBarLayout& InspectorLayout() { return inspectorLayout_; }
    void SetMailEditor(int editorType) { mailEditor_ = editorType; }

    // Items.
    std::shared_ptr<SimItemState> ComposeMail(const std::string& subject = "");
    std::shared_ptr<SimItemState> ComposeAppointment(const std::string& subject = "");
    void SetField(const Ref<host::Item>& item, const std::string& field, const std::string& value);
    void AddRecipient(const Ref<host::Item>& mail, const std::string& address,
                      const std::string& name = "", RecipientKind kind = RecipientKind::To);
    void AddLink(const Ref<host::Item>& item, const Ref<host::Item>& contact);
    // ItemSend; unless cancelled, the mail's inspector closes and the mail lands in Sent Items
    // (ItemAdd). Returns whether the mail went.
    bool Send(const Ref<host::Item>& mail);
    void Save(const Ref<host::Item>& item);
    std::shared_ptr<SimItemState> DeliverMail(const IncomingMail& mail);
    // Builds the options dialog (OptionsPagesAdd) and returns the pages add-ins added.
    std::vector<OptionsPage> OpenOptionsDialog();
    // Delivers the notifications queued so far.
    void DoEvents();

    // Observation.
    const std::shared_ptr<SimCore>& CorePtr() const { return core_; }
    FaultInjector& Faults() const;
    std::vector<HeldObject> HeldObjects() const;
    // What the outside let go of since the last call, in order; the first call starts the
    // record and hands back nothing (see ObjectAudit).
    std::vector<Release> TakeReleases();
    const std::vector<DisplayRecord>& Displayed() const { return displayed_; }
    // Empties the record of shown items, so that a long run does not grow it.
    void ForgetDisplayed();
    const std::vector<CommandRecord>& CommandsRun() const { return commands_; }
    std::vector<EscapedFailure> TakeEscapedFailures();
    void ThrowOnEscapedFailures(bool enabled) { throwOnEscaped_ = enabled; }

    // SimWorld.
    void Post(std::function<void()> notification) override;
    void Display(SimItemState& item, bool modal) override;
    void Click(SimControlState& control) override;
    std::shared_ptr<SimItemState> NewItem(host::ItemType type) override;
    std::shared_ptr<SimItemState> BlankItem(host::ItemType type) override;
    std::shared_ptr<SimControlState> MakeControl(const ControlSpec& spec,
                                                 const std::weak_ptr<SimObject>& window) override;
    host::Date Now() override { return info_.Now; }
    std::string NextItemKey() override;

  private:
    void Finish();
    std::shared_ptr<SimItemState> Compose(host::ItemType type, const std::string& subject);
    void CloseExplorer(SimExplorer& explorer);
    void CloseInspector(SimInspector& inspector);
    void AfterWindowClosed();
    void Shutdown();
    void RunCommand(SimControlState& control);
    std::shared_ptr<SimItemState> ItemOf(const Ref<host::Item>& item) const;
    std::shared_ptr<SimExplorer> OpenExplorerOf(const Ref<host::Explorer>& e) const;

    HostInfo info_;
    std::shared_ptr<SimCore> core_;
    Owned<SimApplication> app_;
    SimAddIns addIns_;
    CommandBarLayout explorerLayout_ = CommandBarLayout::DefaultExplorer();
    CommandBarLayout inspectorLayout_ = CommandBarLayout::DefaultInspector();
    int mailEditor_ = host::EditorType::Html;
    std::deque<std::function<void()>> notifications_;
    std::vector<DisplayRecord> displayed_;
    std::vector<CommandRecord> commands_;
    std::uint64_t nextItemKey_ = 0;
    bool running_ = true;
    bool throwOnEscaped_ = true;
};

}  // namespace pwk::sim
