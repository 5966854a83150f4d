#include "src/hooks/HookedButton.h"

#include "src/component/Component.h"
#include "src/errors/Procedure.h"
#include "src/hooks/HookOwner.h"
#include "src/host/CommandBar.h"
#include "src/host/ContactItem.h"
#include "src/host/Explorer.h"
#include "src/host/Inspector.h"
#include "src/host/MailItem.h"
#include "src/host/Selection.h"
#include "src/journal/ItemCast.h"
#include "src/resources/StringTable.h"

namespace pwk {

namespace {
constexpr const char* kHookedButtonModule = "HookedButton";
}  // namespace

HookedButton::HookedButton(Component& component)
    : component_(component), pMyButton_(static_cast<host::CommandBarButtonEvents&>(*this)) {}

void HookedButton::Initialize(const std::shared_ptr<HookOwner>& addinApp, std::int32_t actionType,
                              const Ref<host::CommandBarControl>& button,
                              const Ref<host::HostObject>& ownerWindow,
                              const Ref<host::CommandBarControl>& helperButton) {
    Procedure proc(component_, kHookedButtonModule, "Initialize", Boundary::Component);
    proc.Run([&] {
        proc.Step([&] {
            addinApp_ = addinApp;
            action_ = actionType;
        });
        proc.Step([&] { helperButton_ = ItemAs<host::CommandBarButton>(helperButton); });
        proc.Step([&] {
            ownerWindow_ = ownerWindow;
            if (IsA<host::Explorer>(ownerWindow_)) {
                ownerIsExplorer_ = true;
            } else if (!IsA<host::Inspector>(ownerWindow_)) {
                Raise(FailureNumber::InvalidProcedureCall);
            }
        });
        proc.Step([&] { pMyButton_ = ItemAs<host::CommandBarButton>(button); });
    });
}

bool HookedButton::AvailInMode(std::int16_t mode) const {
    if (action_ >= ACTION_PhoneCall && action_ <= ACTION_Appointment) {
        return mode == ButtonMode::Contact;
    }
    return action_ == ACTION_LogIncoming && mode == ButtonMode::Mail;
}

Ref<host::Explorer> HookedButton::GetExplorerWindow() const {
    return ownerIsExplorer_ ? As<host::Explorer>(ownerWindow_) : nullptr;
}

Ref<host::Inspector> HookedButton::GetInspectorWindow() const {
    return ownerIsExplorer_ ? nullptr : As<host::Inspector>(ownerWindow_);
}

void HookedButton::pMyButton_Click(const Ref<host::CommandBarButton>& ctrl,
                                   bool& /*cancelDefault*/) {
    // The host raises a click on every button that carries the clicked one's tag: an
    // inspector's menu item and toolbar button share theirs, and each answers only its own.
    if (ctrl && ctrl.get() != pMyButton_.Get().get()) {
        return;
    }
    Procedure proc(component_, kHookedButtonModule, "pMyButton_Click", Boundary::Host);
    proc.Run([&] {
        Ref<host::ContactItem> contact;
        Ref<host::MailItem> mail;
        if (auto inspector = As<host::Inspector>(ownerWindow_)) {
            proc.Step([&] { contact = ItemAs<host::ContactItem>(inspector->CurrentItem()); });
        } else if (auto explorer = As<host::Explorer>(ownerWindow_)) {
            Ref<host::Selection> selection;
            bool single = false;
            proc.Step([&] { selection = explorer->GetSelection(); });
            proc.Step([&] { single = selection && selection->Count() == 1; });
            if (single) {
                Ref<host::Item> item;
                proc.Step([&] { item = selection->Item(1); });
                contact = As<host::ContactItem>(item);
                mail = contact ? nullptr : As<host::MailItem>(item);
            }
        }
        if (!contact && !mail) {
            return;
        }
        if (helperButton_) {
            proc.Step([&] { helperButton_->Execute(); });
        } else {
            proc.Step([&] { RunAction(contact, mail); });
        }
    });
}

// A contact action needs the contact and the log action the mail: a click with the other one
// selected (which the button states prevent) calls nothing.
void HookedButton::RunAction(const Ref<host::ContactItem>& contact,
                             const Ref<host::MailItem>& mail) {
    HookOwner& app = Deref(addinApp_);
    if (action_ == ACTION_LogIncoming) {
        if (mail) {
            app.LogIncoming(mail);
        }
        return;
    }
    if (!contact) {
        return;
    }
    switch (action_) {
        case ACTION_PhoneCall:
            app.NewPhoneCall(contact);
            break;
        case ACTION_Email:
            app.NewEmail(contact);
            break;
        case ACTION_LinkFile:
            app.NewFileLink(contact);
            break;
        case ACTION_JournalEntry:
            app.NewJournalEntry(contact);
            break;
        case ACTION_Appointment:
            app.NewAppointment(contact);
            break;
        default:
            break;
    }
}

void HookedButton::Kill() {
    Procedure proc(component_, kHookedButtonModule, "Kill", Boundary::Component, Severity::Minor);
    proc.Run([&] {
        if (const Ref<host::CommandBarButton> button = pMyButton_.Get()) {
            // Names the button and its bar in the report of a failed removal.
            proc.Step([&] {
                const std::string barName = ItemAs<host::CommandBar>(button->Parent())->Name();
                component_.Errors().SetActivity(
                    LoadResString(StringId::RemoveButtonPrefix) + button->Caption() +
                    LoadResString(StringId::RemoveButtonMiddle) + barName +
                    LoadResString(StringId::RemoveButtonSuffix));
            });
            proc.Step([&] {
                component_.Errors().SetSuggestion(LoadResString(StringId::RemoveButtonSuggestion));
            });
            if (IsA<host::Inspector>(ownerWindow_)) {
                proc.Step([&] { button->Delete(true); });
            } else {
                // An explorer's button is at least hidden when it cannot be deleted.
                proc.Step([&] { button->SetVisible(false); });
                (void)Procedure::Ignoring([&] { button->Delete(true); });
            }
        }
        proc.Step([&] { pMyButton_.Reset(); });
        proc.Step([&] { helperButton_.reset(); });
        proc.Step([&] { ownerWindow_.reset(); });
        proc.Step([&] { addinApp_.reset(); });
    });
}

}  // namespace pwk
