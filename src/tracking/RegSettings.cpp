#include "src/tracking/RegSettings.h"

#include <type_traits>
#include <vector>

#include "src/component/Component.h"
#include "src/errors/Procedure.h"
#include "src/host/Application.h"
#include "src/host/NameSpace.h"
#include "src/platform/SettingsStore.h"
#include "src/resources/Version.h"
#include "src/tracking/SettingsLayout.h"
#include "src/tracking/TextConversion.h"
#include "src/util/Ref.h"

namespace pwk {

namespace {

constexpr const char* kRegSettingsModule = "RegSettings";
using Role = SettingsLayout::Role;

}  // namespace

RegSettings::RegSettings(Component& component) : component_(component) {}

void RegSettings::ReadReg(const Ref<host::Application>& olApp) {
    Procedure proc(component_, kRegSettingsModule, "ReadReg", Boundary::Component);
    proc.Run([&] {
        // One snapshot of the store for the whole load: the values of one save, and a file
        // store opened and locked once instead of once per value.
        Store().Snapshot([&] { ReadEntries(proc, olApp); });
        proc.Step([&] { RaiseUpdated(); });
    });
}

void RegSettings::ReadEntries(Procedure& proc, const Ref<host::Application>& olApp) {
    for (const SettingsLayout::Entry& entry : SettingsLayout::Entries()) {
        if (entry.role == Role::Foldersets) {
            proc.Step(
                [&] { trackedFoldersets_ = std::make_shared<pwk::TrackedFoldersets>(component_); });
            Ref<host::NameSpace> nameSpace;
            proc.Step([&] { nameSpace = Deref(olApp).GetNamespace("MAPI"); });
            proc.Step([&] {
                Deref(trackedFoldersets_).ReadFromReg(ProductTitle, nameSpace, entry.Section);
            });
            continue;
        }
        // Each value is one statement: one that cannot be read or converted leaves its
        // property as it was when the error library says to go on.
        SettingsLayout::WithMember(entry, [&](auto member) {
            proc.Step([&] {
                auto& property = this->*member;
                const std::string fallback = entry.Default ? entry.Default : ToText(property);
                property = FromStoredText<std::remove_reference_t<decltype(property)>>(
                    entry.Section, entry.Key, Read(entry.Section, entry.Key, fallback));
            });
        });
    }
}

void RegSettings::SaveReg(const Ref<host::Application>& olApp) {
    Procedure proc(component_, kRegSettingsModule, "SaveReg", Boundary::Component);
    proc.Run([&] {
        const auto entries = SettingsLayout::Entries();
        // One batch: if the error library gives up half-way, or the process dies, the settings
        // saved last time are still there as a whole.
        proc.Step([&] {
            Store().Batch([&] {
                std::vector<std::string> kept(entries.size());
                for (std::size_t i = 0; i < entries.size(); ++i) {
                    if (entries[i].role == Role::Kept) {
                        proc.Step([&] { kept[i] = Read(entries[i].Section, entries[i].Key, ""); });
                    }
                }
                proc.Step([&] { ClearStoredSettings(olApp); });
                for (std::size_t i = 0; i < entries.size(); ++i) {
                    const SettingsLayout::Entry& entry = entries[i];
                    // Empty counts as unset for start-up, so only kept values that say
                    // something return.
                    if (entry.role != Role::Kept || !kept[i].empty()) {
                        proc.Step([&] { SaveEntry(entry, kept[i]); });
                    }
                }
            });
        });
    });
}

void RegSettings::SaveEntry(const SettingsLayout::Entry& entry, const std::string& kept) {
    switch (entry.role) {
        case Role::Foldersets:
            Deref(trackedFoldersets_).SaveToReg(ProductTitle, entry.Section);
            return;
        case Role::Kept:
            Write(entry.Section, entry.Key, kept);
            return;
        case Role::FirstRun:
            Write(entry.Section, entry.Key, BooleanText(false));
            return;
        case Role::Version:
            Write(entry.Section, entry.Key, std::to_string(component_.version().*entry.Running));
            return;
        case Role::Option:
            SettingsLayout::WithMember(entry, [&](auto member) {
                Write(entry.Section, entry.Key, ToText(this->*member));
            });
            return;
    }
}

void RegSettings::UpdateFrom(const std::shared_ptr<RegSettings>& newSettings,
                             const Ref<host::Application>& olApp) {
    CopySettings(newSettings, olApp);
    RaiseUpdated();
}

bool RegSettings::JustUpgraded() const {
    const Version running = component_.version();
    if (running.Major != prevRunVersionMajor_) {
        return running.Major > prevRunVersionMajor_;
    }
    if (running.Minor != prevRunVersionMinor_) {
        return running.Minor > prevRunVersionMinor_;
    }
    return running.Revision > prevRunVersionRevision_;
}

void RegSettings::CopySettings(const std::shared_ptr<RegSettings>& newSettings,
                               const Ref<host::Application>& olApp) {
    // The copy of the foldersets, the only part that asks the host, is made before anything of
    // this object changes: a host failure leaves these settings as they were, never half
    // replaced (the options page saves before it hands its settings over).
    const RegSettings& from = Deref(newSettings);
    auto foldersets = std::make_shared<pwk::TrackedFoldersets>(component_);
    // A folderset that fails validation is simply missing from the copy.
    foldersets->CopyFrom(from.TrackedFoldersets(), Deref(olApp).GetNamespace("MAPI"));
    for (const SettingsLayout::Entry& entry : SettingsLayout::Entries()) {
        if (entry.role == Role::Foldersets) {
            trackedFoldersets_ = foldersets;
        } else if (entry.role == Role::Option || entry.role == Role::Version) {
            // FirstRun stays: it describes this process's start, not the edited settings.
            SettingsLayout::WithMember(entry, [&](auto member) { this->*member = from.*member; });
        }
    }
}

void RegSettings::ClearStoredSettings(const Ref<host::Application>& /*olApp*/) {
    // A section that is not there cannot be removed; that is fine, the next one is tried.
    SettingsStore& store = Store();
    Procedure::Ignoring([&] { store.DeleteSection(ProductTitle, SettingsLayout::Logging); });
    Procedure::Ignoring(
        [&] { store.DeleteSection(ProductTitle, pwk::TrackedFoldersets::DefaultSection); });
    Procedure::Ignoring([&] { store.DeleteSection(ProductTitle, SettingsLayout::Tracking); });
    Procedure::Ignoring([&] { store.DeleteApplication(ProductTitle); });
}

void RegSettings::RaiseUpdated() {
    updated_.Raise([](RegSettingsEvents& sink) { sink.Updated(); });
}

SettingsStore& RegSettings::Store() const {
    return component_.platform().Settings();
}

std::string RegSettings::Read(const std::string& section, const std::string& key,
                              const std::string& defaultValue) const {
    return Store().GetSetting(ProductTitle, section, key, defaultValue);
}

void RegSettings::Write(const std::string& section, const std::string& key,
                        const std::string& value) const {
    Store().SaveSetting(ProductTitle, section, key, value);
}

}  // namespace pwk
