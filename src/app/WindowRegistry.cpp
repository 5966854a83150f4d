// The application object's registry of hooked windows.
#include <limits>

#include "src/app/AddinAppModule.h"
#include "src/app/PWKAddinApp.h"
#include "src/component/Component.h"
#include "src/errors/Procedure.h"
#include "src/hooks/HookedExplorer.h"
#include "src/hooks/HookedFolder.h"
#include "src/hooks/HookedInspector.h"
#include "src/host/AppointmentItem.h"
#include "src/host/ContactItem.h"
#include "src/host/Explorer.h"
#include "src/host/HostTypes.h"
#include "src/host/Inspector.h"
#include "src/host/MAPIFolder.h"
#include "src/host/MailItem.h"
#include "src/host/NameSpace.h"
#include "src/util/Ref.h"

namespace pwk {

namespace {

// Releases every hook of one collection, last first.
template <class Hooks>
void KillAll(Procedure& proc, Hooks& hooks) {
    for (std::int32_t position = hooks.Count(); position >= 1; --position) {
        proc.Step([&] { hooks.Item(position)->Kill(); });
        proc.Step([&] { hooks.Remove(position); });
    }
}

// Kills the hook under `key` and forgets it; an unknown key fails in the lookup.
template <class Hooks>
void KillOne(Procedure& proc, Hooks& hooks, const std::string& key) {
    proc.Step([&] { hooks.Item(key)->Kill(); });
    proc.Step([&] { hooks.Remove(key); });
}
}  // namespace

void PWKAddinApp::pExplorers_NewExplorer(const Ref<host::Explorer>& explorer) {
    Procedure proc(component_, kAddinAppModule, "pExplorers_NewExplorer", Boundary::Host);
    proc.Run([&] {
        if (component_.AddinIsRunning()) {
            AddToHooked(explorer);
        }
    });
}

void PWKAddinApp::pInspectors_NewInspector(const Ref<host::Inspector>& inspector) {
    Procedure proc(component_, kAddinAppModule, "pInspectors_NewInspector", Boundary::Host);
    proc.Run([&] {
        if (component_.AddinIsRunning()) {
            AddToHooked(inspector);
        }
    });
}

void PWKAddinApp::AddToHooked(const Ref<host::HostObject>& window) {
    Procedure proc(component_, kAddinAppModule, "AddToHooked", Boundary::Internal);
    proc.Run([&] {
        if (auto explorer = As<host::Explorer>(window)) {
            auto hook = std::make_shared<HookedExplorer>(component_);
            if (explorerCounter_ == std::numeric_limits<std::int32_t>::max()) {
                Raise(FailureNumber::Overflow);
            }
            const std::string key = std::to_string(++explorerCounter_);
            // Initialised before it is registered, so its buttons exist once it is.
            hook->Initialize(outlookApp_.Get(), shared_from_this(), explorer, key);
            hookedExplorers_.Add(key, hook);
        } else if (auto inspector = As<host::Inspector>(window)) {
            if (!InspectorQualifies(inspector)) {
                return;
            }
            auto hook = std::make_shared<HookedInspector>(component_);
            const std::string key = std::to_string(MakeInspectorIndex());
            hook->Initialize(outlookApp_.Get(), shared_from_this(), inspector, key);
            hookedInspectors_.Add(key, hook);
        }
    });
}

// Word-edited windows, windows without an item and items other than contacts, mails and
// appointments are left alone; tested in this order.
bool PWKAddinApp::InspectorQualifies(const Ref<host::Inspector>& inspector) {
    if (inspector->EditorType() == host::EditorType::Word) {
        return false;
    }
    auto item = inspector->CurrentItem();
    if (!item) {
        return false;
    }
    return IsA<host::ContactItem>(item) || IsA<host::MailItem>(item) ||
           IsA<host::AppointmentItem>(item);
}

std::int32_t PWKAddinApp::MakeInspectorIndex() {
    if (inspectorCounter_ == std::numeric_limits<std::int32_t>::max()) {
        Raise(FailureNumber::Overflow);
    }
    return ++inspectorCounter_;
}

void PWKAddinApp::ExplorerClosed(const std::string& key) {
    Procedure proc(component_, kAddinAppModule, "ExplorerClosed", Boundary::Component);
    proc.Run([&] { KillOne(proc, hookedExplorers_, key); });
}

void PWKAddinApp::InspectorClosed(const std::string& key) {
    Procedure proc(component_, kAddinAppModule, "InspectorClosed", Boundary::Component);
    proc.Run([&] { KillOne(proc, hookedInspectors_, key); });
}

void PWKAddinApp::ReleaseHookedWindows() {
    Procedure proc(component_, kAddinAppModule, "ReleaseHookedWindows", Boundary::Component);
    proc.Run([&] {
        KillAll(proc, hookedExplorers_);
        KillAll(proc, hookedInspectors_);
        proc.Step([&] {
            if (sentItemsHook_) {
                sentItemsHook_->Kill();
            }
        });
        proc.Step([&] { sentItemsHook_.reset(); });
    });
}

void PWKAddinApp::RefreshHookedWindows() {
    Procedure proc(component_, kAddinAppModule, "RefreshHookedWindows", Boundary::Component);
    proc.Run([&] {
        proc.Step([&] { ReleaseHookedWindows(); });
        // Counts are read once: a window opening meanwhile is hooked by its own event.
        std::int32_t explorers = 0;
        proc.Step([&] { explorers = outlookApp_->GetExplorers()->Count(); });
        for (std::int32_t i = 1; i <= explorers; ++i) {
            proc.Step([&] { AddToHooked(outlookApp_->GetExplorers()->Item(i)); });
        }
        std::int32_t inspectors = 0;
        proc.Step([&] { inspectors = outlookApp_->GetInspectors()->Count(); });
        for (std::int32_t i = 1; i <= inspectors; ++i) {
            proc.Step([&] { AddToHooked(outlookApp_->GetInspectors()->Item(i)); });
        }
        proc.Step([&] { sentItemsHook_ = std::make_shared<HookedFolder>(component_); });
        proc.Step([&] {
            sentItemsHook_->Initialize(
                shared_from_this(),
                Deref(olNamespace_).GetDefaultFolder(host::DefaultFolder::SentMail));
        });
    });
}

}  // namespace pwk
