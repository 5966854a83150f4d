// The application object's handler of the host's send event: every sent item goes to the
// sent-mail journal.
#include "src/app/AddinAppModule.h"
#include "src/app/PWKAddinApp.h"
#include "src/component/Component.h"
#include "src/errors/Procedure.h"
#include "src/journal/SentMailJournal.h"
#include "src/platform/MessageBoxStyle.h"

namespace pwk {

// A journal failure never blocks a send silently: the user decides, and No (the default)
// keeps the mail.
void PWKAddinApp::OutlookApp_ItemSend(const Ref<host::Item>& item, bool& cancel) {
    Procedure proc(component_, kAddinAppModule, "OutlookApp_ItemSend", Boundary::Host);
    proc.OnLeave([&] {
        cancel = false;
        const int answer = component_.platform().MsgBox(
            "The item could not be logged.  Do you wish to send the email anyway?",
            MsgBoxStyle::YesNo | MsgBoxStyle::DefaultButton2 | MsgBoxStyle::Question,
            "Send Email?");
        cancel = answer == MsgBoxResult::No;
    });
    proc.Run([&] {
        if (!component_.AddinIsRunning()) {
            return;
        }
        proc.Step([&] { NoticeSettingsChange(); });
        proc.Step([&] {
            const auto settings = regSettings_.Get();
            PWKGlobal::ItemSendHandler(component_, TrackedFolders(), olNamespace_, settings,
                                       Deref(settings).TrackedFoldersets(), item, cancel);
        });
    });
}

}  // namespace pwk
