// The application object's handler of the host's options-dialog event: the add-in's page,
// a component of its own, joins the dialog; a page that cannot be made or added is logged and
// the user is told, and the dialog opens without it.
#include <optional>

#include "src/app/AddinAppModule.h"
#include "src/app/OptionsPageComponent.h"
#include "src/app/PWKAddinApp.h"
#include "src/component/ApplicationInfo.h"
#include "src/component/Component.h"
#include "src/errors/Procedure.h"
#include "src/host/PropertyPages.h"
#include "src/platform/MessageBoxStyle.h"
#include "src/resources/StringTable.h"

namespace pwk {

namespace {
constexpr const char* kOptionsPagesAdd = "OutlookApp_OptionsPagesAdd";
// What the error library makes of a component that cannot be created.
constexpr std::int32_t kClassNotAvailable = static_cast<std::int32_t>(0x80040111u);
}  // namespace

void PWKAddinApp::OutlookApp_OptionsPagesAdd(const Ref<host::PropertyPages>& pages) {
    Procedure proc(component_, kAddinAppModule, kOptionsPagesAdd, Boundary::Host);
    proc.Run([&] {
        if (!component_.AddinIsRunning()) {
            return;
        }
        // The page shows what is stored now, an administrator's change included.
        proc.Step([&] { NoticeSettingsChange(); });
        proc.Step([&] {
            SetActivity("Addin failed to add the custom property page.");
            component_.Errors().SetSuggestion(std::string("Ensure the add-in is properly set up, "
                                                          "and ") +
                                              "reinstall if neccessary.");
        });
        // Each step runs only when the ones before it worked; the first failure is recorded.
        Ref<OptionsPageComponent> page;
        std::optional<Failure> failure = Procedure::Ignoring([&] {
            page = As<OptionsPageComponent>(component_.platform().CreateObject(OptionsPageProgID));
            if (!page) {
                Raise(FailureNumber::CannotCreateObject, OptionsPageProgID);
            }
        });
        if (!failure) {
            failure = Procedure::Ignoring([&] {
                std::shared_ptr<ErrorLibrary> errorObject = component_.ErrorObject();
                page->Initialize(outlookApp_.Get(), regSettings_.Get(), kHelpFileName, errorObject,
                                 ApplicationInfo::Of(component_));
                component_.SetErrorObject(errorObject);
            });
        }
        if (!failure) {
            failure = Procedure::Ignoring([&] { pages->Add(page.Shared(), ""); });
        }
        Procedure::Ignoring([&] { component_.Errors().RecordError(failure); });

        std::int32_t number = kClassNotAvailable;
        std::int32_t line = 0;
        std::int32_t severity = 0;
        std::int32_t boundary = 0;
        std::int32_t helpContext = 0;
        proc.Step([&] {
            ErrorLibrary& errors = component_.Errors();
            errors.ReadRecordedError(number, line, severity, boundary, helpContext);
            errors.CheckRecordedError(number);
        });
        if (number == kClassNotAvailable) {
            proc.Step([&] {
                component_.Errors().LogText(std::string("Failed in ") + kOptionsPagesAdd +
                                            " of module " + kAddinAppModule + " one line " +
                                            std::to_string(line) +
                                            ", while trying to add the property page");
            });
            proc.Step([&] {
                component_.platform().MsgBox(LoadResString(StringId::PropertiesPageFailed),
                                             MsgBoxStyle::OkOnly | MsgBoxStyle::Critical,
                                             LoadResString(StringId::AppTitle));
            });
        }
        proc.Step([&] { page.reset(); });
    });
}

}  // namespace pwk
