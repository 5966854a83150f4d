#pragma once

#include <memory>
#include <string>
#include <vector>

#include "src/component/Component.h"
#include "src/hooks/HookOwner.h"
#include "src/host/Application.h"
#include "src/host/ContactItem.h"
#include "src/host/MAPIFolder.h"
#include "src/host/MailItem.h"
#include "src/host/NameSpace.h"
#include "src/tracking/RegSettings.h"
#include "src/tracking/TrackedFolderLookup.h"

namespace pwk::test {

// An application object for the hooks alone: asks its settings' foldersets which folders are
// tracked, and records every action and close notification as "NewPhoneCall Aiko Tanaka",
// "LogIncoming <subject>", "ExplorerClosed 1".
class RecordingHookOwner : public HookOwner {
  public:
    explicit RecordingHookOwner(Component& component) : component_(component) {}

    std::string progId = "Wickline.Connect";
    std::vector<std::string> calls;
    std::shared_ptr<RegSettings> settings;
    Ref<host::NameSpace> nameSpace;
    Ref<host::Application> application;

    const std::string& ProgID() const override { return progId; }
    std::shared_ptr<RegSettings> theRegSettings() const override { return settings; }
    Ref<host::NameSpace> dbgGetMapiNamespace() override { return nameSpace; }
    TrackedFolderLookup TrackedFolders() override {
        return TrackedFolderLookup(component_, "PWKAddinApp", settings, nameSpace);
    }
    Ref<host::Application> OutlookApplication() override { return application; }
    void ExplorerClosed(const std::string& key) override {
        calls.push_back("ExplorerClosed " + key);
    }
    void InspectorClosed(const std::string& key) override {
        calls.push_back("InspectorClosed " + key);
    }
    void NewPhoneCall(const Ref<host::ContactItem>& c) override { Record("NewPhoneCall", c); }
    void NewEmail(const Ref<host::ContactItem>& c) override { Record("NewEmail", c); }
    void NewJournalEntry(const Ref<host::ContactItem>& c) override { Record("NewJournalEntry", c); }
    void NewFileLink(const Ref<host::ContactItem>& c) override { Record("NewFileLink", c); }
    void NewAppointment(const Ref<host::ContactItem>& c) override { Record("NewAppointment", c); }
    void LogIncoming(const Ref<host::MailItem>& mail) override {
        calls.push_back("LogIncoming " + mail->Subject());
    }

  private:
    void Record(const std::string& action, const Ref<host::ContactItem>& contact) {
        calls.push_back(action + " " + contact->FullName());
    }

    Component& component_;
};

}  // namespace pwk::test
