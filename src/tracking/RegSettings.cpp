#include "src/tracking/RegSettings.h"

#include <optional>

#include "src/component/Component.h"
#include "src/errors/Procedure.h"
#include "src/host/Application.h"
#include "src/host/NameSpace.h"
#include "src/platform/SettingsStore.h"
#include "src/resources/Version.h"
#include "src/tracking/TextConversion.h"
#include "src/util/Ref.h"

namespace pwk {

namespace {

constexpr const char* kModule = "RegSettings";
constexpr const char* kLogging = "Logging";
constexpr const char* kTracking = "Tracking";
constexpr const char* kVersion = "Version";
// Values of the "Logging" section that only an administrator writes; start-up reads them.
constexpr const char* kLogPath = "LogPath";
constexpr const char* kLogFilename = "LogFilename";

}  // namespace

RegSettings::RegSettings(Component& component) : component_(component) {}

void RegSettings::ReadReg(const Ref<host::Application>& olApp) {
    Procedure proc(component_, kModule, "ReadReg", Boundary::Component);
    proc.Run([&] {
        // Each value is one statement: one that cannot be read or converted leaves its
        // property as it was when the error library says to go on.
        const auto readBool = [&](const char* key, bool defaultValue, bool& property) {
            proc.Step(
                [&] { property = TextToBoolean(Read(kTracking, key, BooleanText(defaultValue))); });
        };
        const auto readVersion = [&](const char* key, std::int16_t& property) {
            proc.Step([&] { property = TextToInteger<std::int16_t>(Read(kVersion, key, "0")); });
        };

        proc.Step([&] {
            logLevel_ =
                TextToInteger<std::int32_t>(Read(kLogging, "LogLevel", std::to_string(logLevel_)));
        });
        proc.Step(
            [&] { trackedFoldersets_ = std::make_shared<pwk::TrackedFoldersets>(component_); });
        Ref<host::NameSpace> nameSpace;
        proc.Step([&] { nameSpace = Deref(olApp).GetNamespace("MAPI"); });
        proc.Step([&] {
            Deref(trackedFoldersets_)
                .ReadFromReg(ProductTitle, nameSpace, pwk::TrackedFoldersets::DefaultSection);
        });
        readBool("TrackUnlinkedEmail", true, trackUnlinkedEmail_);
        readBool("JournalEmails", false, journalEmails_);
        readBool("SaveLinksByRef", false, saveLinksByRef_);
        readBool("FirstRun", true, firstRun_);
        readVersion("Major", prevRunVersionMajor_);
        readVersion("Minor", prevRunVersionMinor_);
        readVersion("Revision", prevRunVersionRevision_);
        readBool("TrackAppointments", true, trackAppointments_);
        readBool("UseSentMailFolder", true, useSentMailFolder_);
        proc.Step([&] { RaiseUpdated(); });
    });
}

void RegSettings::SaveReg(const Ref<host::Application>& olApp) {
    Procedure proc(component_, kModule, "SaveReg", Boundary::Component);
    proc.Run([&] {
        const auto write = [&](const char* section, const char* key, const std::string& value) {
            proc.Step([&] { Write(section, key, value); });
        };
        // One batch: if the error library gives up half-way, or the process dies, the settings
        // saved last time are still there as a whole.
        proc.Step([&] {
            Store().Batch([&] {
                std::string logPath;
                std::string logFilename;
                proc.Step([&] { logPath = Read(kLogging, kLogPath, ""); });
                proc.Step([&] { logFilename = Read(kLogging, kLogFilename, ""); });
                proc.Step([&] { ClearStoredSettings(olApp); });

                write(kLogging, "LogLevel", std::to_string(logLevel_));
                // Empty counts as unset for start-up, so only values that say something return.
                if (!logPath.empty()) {
                    write(kLogging, kLogPath, logPath);
                }
                if (!logFilename.empty()) {
                    write(kLogging, kLogFilename, logFilename);
                }
                proc.Step([&] {
                    Deref(trackedFoldersets_)
                        .SaveToReg(ProductTitle, pwk::TrackedFoldersets::DefaultSection);
                });
                write(kTracking, "TrackUnlinkedEmail", BooleanText(trackUnlinkedEmail_));
                write(kTracking, "JournalEmails", BooleanText(journalEmails_));
                write(kTracking, "SaveLinksByRef", BooleanText(saveLinksByRef_));
                write(kTracking, "FirstRun", BooleanText(false));
                // The running add-in's own version, so the next start can tell an upgrade.
                const Version running = component_.version();
                write(kVersion, "Major", std::to_string(running.Major));
                write(kVersion, "Minor", std::to_string(running.Minor));
                write(kVersion, "Revision", std::to_string(running.Revision));
                write(kTracking, "TrackAppointments", BooleanText(trackAppointments_));
                write(kTracking, "UseSentMailFolder", BooleanText(useSentMailFolder_));
            });
        });
    });
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
    const RegSettings& from = Deref(newSettings);
    // Taken before this object's collection is replaced, so that copying from itself keeps
    // its foldersets.
    const auto sourceFoldersets = from.TrackedFoldersets();
    logLevel_ = from.LogLevel();
    trackedFoldersets_ = std::make_shared<pwk::TrackedFoldersets>(component_);
    const auto nameSpace = Deref(olApp).GetNamespace("MAPI");
    // A folderset that fails validation is simply missing from the copy.
    trackedFoldersets_->CopyFrom(sourceFoldersets, nameSpace);
    trackUnlinkedEmail_ = from.TrackUnlinkedEmail();
    journalEmails_ = from.JournalEmails();
    saveLinksByRef_ = from.SaveLinksByRef();
    prevRunVersionMajor_ = from.PrevRunVersionMajor();
    prevRunVersionMinor_ = from.PrevRunVersionMinor();
    prevRunVersionRevision_ = from.PrevRunVersionRevision();
    trackAppointments_ = from.TrackAppointments();
    useSentMailFolder_ = from.UseSentMailFolder();
    // FirstRun stays: it describes this process's start, not the edited settings.
}

void RegSettings::ClearStoredSettings(const Ref<host::Application>& /*olApp*/) {
    // A section that is not there cannot be removed; that is fine, the next one is tried.
    SettingsStore& store = Store();
    Procedure::Ignoring([&] { store.DeleteSection(ProductTitle, kLogging); });
    Procedure::Ignoring(
        [&] { store.DeleteSection(ProductTitle, pwk::TrackedFoldersets::DefaultSection); });
    Procedure::Ignoring([&] { store.DeleteSection(ProductTitle, kTracking); });
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
