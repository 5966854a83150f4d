#include "src/startup/MStartup.h"

#include <memory>
#include <string>

#include "src/component/Component.h"
#include "src/errors/CErrorClient.h"
#include "src/errors/Procedure.h"
#include "src/platform/FileUtility.h"
#include "src/platform/MessageBoxStyle.h"
#include "src/platform/SettingsStore.h"
#include "src/resources/StringTable.h"
#include "src/tracking/SettingsLayout.h"
#include "src/util/Ref.h"

namespace pwk::MStartup {

namespace {

constexpr const char* kCrLf = "\r\n";
constexpr const char* kTraceSwitch = "/TRACE";

struct LogSettings {
    std::string Path;
    std::string Filename;
};

std::shared_ptr<ErrorLibrary> CreateErrorObject(Platform& platform) {
    auto errorObject = As<ErrorLibrary>(platform.CreateObject(ErrorLibraryProgID));
    if (!errorObject) {
        Raise(FailureNumber::CannotCreateObject, ErrorLibraryProgID);
    }
    return errorObject;
}

// Each read may fail on its own (no store, no file utility); a failed read leaves its value
// empty and the defaults take over.
LogSettings ReadLogSettings(Platform& platform, ErrorLibrary& errors) {
    LogSettings settings;
    const std::string application = platform.AppTitle();
    Procedure::Ignoring([&] {
        settings.Path = platform.Settings().GetSetting(application, SettingsLayout::Logging,
                                                       SettingsLayout::LogPath);
    });
    if (settings.Path.empty()) {
        Procedure::Ignoring([&] {
            auto utility = As<FileUtility>(platform.CreateObject(FileUtilityProgID));
            settings.Path = Deref(utility).DefaultFolder();
        });
    }
    Procedure::Ignoring([&] {
        settings.Filename = platform.Settings().GetSetting(application, SettingsLayout::Logging,
                                                           SettingsLayout::LogFilename);
    });
    if (settings.Filename.empty()) {
        settings.Filename = LoadResString(StringId::DefaultLogFilename);
    }
    Procedure::Ignoring([&] { errors.SetDateFormat(""); });
    return settings;
}

void Start(Component& component) {
    Platform& platform = component.platform();
    SetExceptionFilter(component, true);
    component.SetErrorClient(std::make_shared<CErrorClient>(component));
    component.SetErrorObject(CreateErrorObject(platform));
    ErrorLibrary& errors = component.Errors();
    errors.SetClient(component.ErrorClient());
    errors.SetApplicationName(platform.AppExeName());
    const LogSettings settings = ReadLogSettings(platform, errors);
    errors.SetLogPath(settings.Path.empty() ? platform.AppPath() + "\\" : settings.Path);
    if (!settings.Filename.empty()) {
        errors.SetLogFilename(settings.Filename);
    }
    errors.SetInIDE(false);
    errors.SetTrace(platform.CommandLine().find(kTraceSwitch) != std::string::npos);
    errors.SetUnattended(platform.AppUnattended());
    errors.Start();
    component.ErrorFrameworkStarted = true;
}

std::string FailureMessage(const Failure& failure) {
    return LoadResString(StringId::StartupFailed) + kCrLf + kCrLf +
           LoadResString(StringId::StartupDescription) + " " + failure.Description + kCrLf +
           LoadResString(StringId::StartupSource) + " " + "[Sub Main][" +
           LoadResString(StringId::StartupLine) + " " + std::to_string(failure.Line) + "] " +
           failure.Source + kCrLf + LoadResString(StringId::StartupErrorCode) + " " +
           std::to_string(failure.Number);
}

}  // namespace

void SetExceptionFilter(Component& component, bool on) {
    Platform::ExceptionFilterRoutine routine;
    if (on) {
        routine = [&component](const ExceptionRecord& record) -> std::int32_t {
            const auto& errors = component.ErrorObject();
            return errors ? errors->ExceptionFilter(record) : 0;
        };
    }
    component.platform().SetUnhandledExceptionFilter(std::move(routine));
}

void Main(Component& component) {
    if (component.MainHasRun) {
        return;
    }
    component.MainHasRun = true;
    const std::optional<Failure> failure = Procedure::Ignoring([&] { Start(component); });
    if (!failure) {
        return;
    }
    // Nobody else can report this: the error library is what failed to start.
    Procedure::Ignoring([&] {
        Platform& platform = component.platform();
        platform.MsgBox(FailureMessage(*failure), MsgBoxStyle::Critical | MsgBoxStyle::OkOnly,
                        platform.AppTitle());
    });
}

}  // namespace pwk::MStartup
