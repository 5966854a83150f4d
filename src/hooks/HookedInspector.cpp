#include "src/hooks/HookedInspector.h"

#include "src/errors/Procedure.h"
#include "src/hooks/FolderIdentity.h"
#include "src/hooks/HookOwner.h"
#include "src/hooks/HookedButtonSet.h"
#include "src/host/Application.h"
#include "src/host/CommandBar.h"
#include "src/host/CommandBarControls.h"
#include "src/host/CommandBars.h"
#include "src/host/ContactItem.h"
#include "src/host/HostTypes.h"
#include "src/host/MAPIFolder.h"
#include "src/host/MailItem.h"
#include "src/host/NameSpace.h"
#include "src/journal/AppointmentJournal.h"
#include "src/journal/ItemCast.h"
#include "src/tracking/RegSettings.h"

namespace pwk {

namespace {
constexpr const char* kInspectorModule = "HookedInspector";
// Every inspector looks for the same tag, so a Log button left on a bar is
// found again.
constexpr const char* kLogTag = "ACTION_Insp_LogIncoming";
}  // namespace

HookedInspector::HookedInspector(Component& component)
    : component_(component),
      myInspector_(static_cast<host::InspectorEvents&>(*this)),
      myAppointmentItem_(static_cast<host::ItemEvents&>(*this)),
      myLogButton_(static_cast<host::CommandBarButtonEvents&>(*this)) {}

void HookedInspector::Initialize(const Ref<host::Application>& olApp,
                                 const std::shared_ptr<HookOwner>& addinApp,
                                 const Ref<host::Inspector>& inspectorToHook,
                                 const std::string& callbackKey) {
    Procedure proc(component_, kInspectorModule, "Initialize", Boundary::Internal);
    proc.Run([&] {
        proc.Step([&] {
            addinApp_ = addinApp;
            myInspector_ = inspectorToHook;
            callbackKey_ = callbackKey;
        });
        Ref<host::Item> item;
        proc.Step([&] { item = myInspector_->CurrentItem(); });
        if (auto appointment = As<host::AppointmentItem>(item)) {
            proc.Step([&] { myAppointmentItem_ = appointment; });
        }
        if (auto contact = As<host::ContactItem>(item)) {
            bool tracked = false;
            proc.Step([&] {
                const auto folder = As<host::MAPIFolder>(contact->Parent());
                tracked = folder && Deref(addinApp_).TrackedFolders().IsTrackedFolder(folder);
            });
            if (tracked) {
                // The set stays enabled and shown, in contact mode, for the window's
                // life.
                proc.Step([&] { buttonSet_ = std::make_shared<HookedButtonSet>(component_); });
                proc.Step([&] {
                    buttonSet_->HookWindow(myInspector_.Get(), addinApp_,
                                           Deref(addinApp_).ProgID());
                });
                proc.Step([&] { buttonSet_->ToPerson(contact->FullName()); });
            }
        }
        if (auto mail = As<host::MailItem>(item)) {
            bool inInbox = false;
            proc.Step([&] {
                const Ref<host::MAPIFolder> folder = As<host::MAPIFolder>(mail->Parent());
                inInbox = IsDefaultInbox(folder, olApp->GetNamespace("MAPI"));
            });
            if (inInbox) {
                HookLogButton(proc);
            }
        }
    });
}

// The Log button: found on the "Standard" bar by its tag, else added last;
// shown either way.
void HookedInspector::HookLogButton(Procedure& proc) {
    Ref<host::CommandBar> bar;
    proc.Step(
        [&] { bar = Ref<host::CommandBars>(myInspector_->GetCommandBars())->Item("Standard"); });
    proc.Step([&] {
        myLogButton_ =
            As<host::CommandBarButton>(bar->FindControl(host::FindControlQuery::ByTag(kLogTag)));
    });
    if (!myLogButton_) {
        Ref<host::CommandBarControls> controls;
        proc.Step([&] {
            controls = bar->Controls();
            myLogButton_ = As<host::CommandBarButton>(controls->Add(
                host::ControlType::Button, std::nullopt, kLogTag, std::nullopt, true));
        });
        bool added = false;
        proc.Step([&] {
            if (!myLogButton_) {
                throw Failure(FailureNumber::InvalidProcedureCall, "Couldn't add button");
            }
            added = true;
        });
        if (added) {
            proc.Step([&] { myLogButton_->SetCaption("Log"); });
            proc.Step([&] { myLogButton_->SetTag(kLogTag); });
            proc.Step([&] { myLogButton_->SetTooltipText("Log this message"); });
            proc.Step([&] { myLogButton_->SetOnAction("<!" + Deref(addinApp_).ProgID() + ">"); });
            proc.Step([&] { myLogButton_->Move(nullptr, controls->Count()); });
        }
    }
    proc.Step([&] { myLogButton_->SetVisible(true); });
}

void HookedInspector::Kill() {
    Procedure proc(component_, kInspectorModule, "Kill", Boundary::Internal);
    proc.Run([&] {
        proc.Step([&] {
            myInspector_.Reset();
            myAppointmentItem_.Reset();
        });
        if (buttonSet_) {
            proc.Step([&] { buttonSet_->Kill(); });
            proc.Step([&] { buttonSet_.reset(); });
        }
        if (myLogButton_) {
            // Hidden rather than deleted: the next inspector may find it again by its
            // tag.
            (void)Procedure::Ignoring([&] { myLogButton_->SetVisible(false); });
            proc.Step([&] { myLogButton_.Reset(); });
        }
        proc.Step([&] { addinApp_.reset(); });
    });
}

void HookedInspector::MyInspector_Close() {
    // The registry kills and drops this hook while the event is delivered.
    const auto self = shared_from_this();
    Procedure proc(component_, kInspectorModule, "MyInspector_Close", Boundary::Host);
    proc.Run([&] { Deref(addinApp_).InspectorClosed(callbackKey_); });
}

// Journals the appointment's first save while appointments are tracked; the
// save itself always goes ahead.
void HookedInspector::MyAppointmentItem_Write(bool& /*cancel*/) {
    const auto self = shared_from_this();
    Procedure proc(component_, kInspectorModule, "MyAppointmentItem_Write", Boundary::Host);
    proc.Run([&] {
        bool tracking = false;
        proc.Step([&] { tracking = Deref(Deref(addinApp_).theRegSettings()).TrackAppointments(); });
        if (!tracking) {
            return;
        }
        proc.Step([&] {
            HookOwner& app = Deref(addinApp_);
            PWKGlobal::AppointmentSaveHandler(component_, myAppointmentItem_.Get(),
                                              app.TrackedFolders(), app.OutlookApplication());
        });
        proc.Step([&] { myAppointmentItem_.Reset(); });
    });
}

void HookedInspector::MyLogButton_Click(const Ref<host::CommandBarButton>& /*ctrl*/,
                                        bool& /*cancelDefault*/) {
    Deref(addinApp_).LogIncoming(ItemAs<host::MailItem>(myInspector_->CurrentItem()));
}

// The click has no failure handling of its own: a failure ends it. The contact
// action has reported its own failures; the host is never handed one.
void HookedInspector::Click(const Ref<host::CommandBarButton>& ctrl, bool& cancelDefault) {
    const auto self = shared_from_this();
    (void)Procedure::Ignoring([&] { MyLogButton_Click(ctrl, cancelDefault); });
}

}  // namespace pwk
