#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "src/app/PWKAddinAppEvents.h"
#include "src/hooks/HookOwner.h"
#include "src/host/Application.h"
#include "src/host/Events.h"
#include "src/host/Explorers.h"
#include "src/host/Inspectors.h"
#include "src/tracking/RegSettings.h"
#include "src/tracking/RegSettingsEvents.h"
#include "src/util/EventSource.h"
#include "src/util/KeyedCollection.h"
#include "src/util/WithEvents.h"

namespace pwk {

class Component;
class HookedExplorer;
class HookedInspector;
class HookedFolder;
class TrackedFolderset;

namespace host {
class ContactItem;
class HostObject;
class Item;
class MailItem;
class MAPIFolder;
class NameSpace;
class PropertyPages;
}  // namespace host

// The add-in's single application object: holds the host references and its application-level
// events, owns the settings and the registry of hooked windows, and tells its owner through
// Quit when it has let go of the host.
class PWKAddinApp : public std::enable_shared_from_this<PWKAddinApp>,
                    public HookOwner,
                    private host::ApplicationEvents,
                    private host::ExplorersEvents,
                    private host::InspectorsEvents,
                    private RegSettingsEvents {
  public:
    explicit PWKAddinApp(Component& component);
    ~PWKAddinApp() override;
    PWKAddinApp(const PWKAddinApp&) = delete;
    PWKAddinApp& operator=(const PWKAddinApp&) = delete;

    // One-time initialisation: host references and events, settings (whose Updated hooks every
    // window), then the first-run welcome and the upgrade log reset.
    void Init(bool debugMode, bool outlookJustStarted, const Ref<host::Application>& olApp,
              const std::string& progId);
    // Releases every hook and host reference, then raises Quit.
    void AskedToQuit();

    const std::string& ProgID() const override { return progId_; }
    std::shared_ptr<RegSettings> theRegSettings() const override { return regSettings_.Get(); }
    Ref<host::NameSpace> dbgGetMapiNamespace() override;
    // The tracked-folder questions over the settings and namespace held now, traced as this
    // object's procedures.
    TrackedFolderLookup TrackedFolders() override;
    bool DebugMode() const { return debugMode_; }

    // The window registry.
    void AddToHooked(const Ref<host::HostObject>& window);
    std::int32_t MakeInspectorIndex();
    void ExplorerClosed(const std::string& key) override;
    void InspectorClosed(const std::string& key) override;
    void RefreshHookedWindows();
    void ReleaseHookedWindows();
    // The lookup's question offered as this object's own, for callers of the application
    // object; the hooks and the journal ask TrackedFolders() themselves.
    bool IsTrackedFolder(const Ref<host::MAPIFolder>& contactFolder) {
        return TrackedFolders().IsTrackedFolder(contactFolder);
    }

    // What the registry holds, for its owner's checks: the keys in order of hooking.
    std::vector<std::string> HookedExplorerKeys() const { return hookedExplorers_.Keys(); }
    std::vector<std::string> HookedInspectorKeys() const { return hookedInspectors_.Keys(); }
    std::int32_t HookedExplorerCount() const { return hookedExplorers_.Count(); }
    std::int32_t HookedInspectorCount() const { return hookedInspectors_.Count(); }
    bool HasSentItemsHook() const { return static_cast<bool>(sentItemsHook_); }

    // The contact actions behind the command buttons (ContactActions.cpp).
    std::shared_ptr<TrackedFolderset> GetTrackedFoldersetForContact(
        const Ref<host::ContactItem>& ctc) {
        return TrackedFolders().GetTrackedFoldersetForContact(ctc);
    }
    void NewPhoneCall(const Ref<host::ContactItem>& contactItem) override;
    void NewEmail(const Ref<host::ContactItem>& contactItem) override;
    void NewJournalEntry(const Ref<host::ContactItem>& contactItem) override;
    void NewFileLink(const Ref<host::ContactItem>& contactItem) override;
    void NewAppointment(const Ref<host::ContactItem>& contactItem) override;
    void LogIncoming(const Ref<host::MailItem>& mailItem) override;

    Ref<host::Application> OutlookApplication() override { return outlookApp_.Get(); }

    Connection Advise(PWKAddinAppEvents& sink) { return quitEvent_.Advise(sink); }

    // Host and settings event handlers, named after the reference that receives them.
    void pExplorers_NewExplorer(const Ref<host::Explorer>& explorer);
    void pInspectors_NewInspector(const Ref<host::Inspector>& inspector);
    void RegSettings_Updated();
    // Send interception (SendInterception.cpp) and the options page (OptionsPagesAdd.cpp).
    void OutlookApp_ItemSend(const Ref<host::Item>& item, bool& cancel);
    void OutlookApp_OptionsPagesAdd(const Ref<host::PropertyPages>& pages);

  private:
    void ItemSend(const Ref<host::Item>& item, bool& cancel) override {
        OutlookApp_ItemSend(item, cancel);
    }
    void OptionsPagesAdd(const Ref<host::PropertyPages>& pages) override {
        OutlookApp_OptionsPagesAdd(pages);
    }
    void NewExplorer(const Ref<host::Explorer>& explorer) override {
        pExplorers_NewExplorer(explorer);
    }
    void NewInspector(const Ref<host::Inspector>& inspector) override {
        pInspectors_NewInspector(inspector);
    }
    void Updated() override { RegSettings_Updated(); }

    void SetHelpFile();
    void ShowWelcome();
    // Takes in settings another program saved since the add-in last read or saved them (one
    // read of the count of saves when there are none). Called where an event of the
    // application object starts, never inside a hooked window's own event, which the
    // rebuilt hooks would pull away from under it.
    void NoticeSettingsChange();
    void MarkSettingsOpen(bool open);
    bool InspectorQualifies(const Ref<host::Inspector>& inspector);
    struct JournalEntryAction;
    void NewContactJournalEntry(const JournalEntryAction& action,
                                const Ref<host::ContactItem>& contactItem);
    std::string ChooseFileToLink();
    void SetActivity(const std::string& text);

    Component& component_;
    bool debugMode_ = false;
    bool settingsMarked_ = false;
    std::string progId_;
    WithEvents<host::Application, host::ApplicationEvents> outlookApp_;
    WithEvents<host::Explorers, host::ExplorersEvents> pExplorers_;
    WithEvents<host::Inspectors, host::InspectorsEvents> pInspectors_;
    Ref<host::NameSpace> olNamespace_;
    WithEvents<RegSettings, RegSettingsEvents> regSettings_;
    KeyedCollection<std::shared_ptr<HookedExplorer>> hookedExplorers_;
    KeyedCollection<std::shared_ptr<HookedInspector>> hookedInspectors_;
    std::int32_t explorerCounter_ = 0;
    std::int32_t inspectorCounter_ = 0;
    std::shared_ptr<HookedFolder> sentItemsHook_;
    EventSource<PWKAddinAppEvents> quitEvent_;
};

}  // namespace pwk
