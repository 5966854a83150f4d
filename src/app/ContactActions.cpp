// The contact actions of the application object, behind the add-in's command buttons: journal
// entries, e-mails and appointments started for a contact, and received mail filed with its
// sender's folderset.
#include <optional>

#include "src/app/AddinAppModule.h"
#include "src/app/PWKAddinApp.h"
#include "src/component/Component.h"
#include "src/errors/Procedure.h"
#include "src/host/Application.h"
#include "src/host/AppointmentItem.h"
#include "src/host/Attachments.h"
#include "src/host/ContactItem.h"
#include "src/host/HostTypes.h"
#include "src/host/Items.h"
#include "src/host/JournalItem.h"
#include "src/host/Links.h"
#include "src/host/MAPIFolder.h"
#include "src/host/MailItem.h"
#include "src/host/NameSpace.h"
#include "src/host/Recipients.h"
#include "src/journal/ContactLookup.h"
#include "src/journal/ItemCast.h"
#include "src/platform/FileUtility.h"
#include "src/platform/MessageBoxStyle.h"
#include "src/tracking/TrackedFolderset.h"
#include "src/tracking/TrackedFoldersets.h"

namespace pwk {

namespace {
constexpr const char* kFileChooserTitle = "Choose the file to link to the contact";

// "<prefix>"<full name>".": the activity text naming the contact the action is for.
std::string ActivityFor(const char* prefix, const Ref<host::ContactItem>& contact) {
    return std::string(prefix) + "\"" + contact->FullName() + "\".";
}
}  // namespace

// One of the actions that start a journal entry for a contact and show it to the user.
struct PWKAddinApp::JournalEntryAction {
    const char* procedure;
    const char* activityPrefix;
    const char* journalType;
    bool linksFile;
};

void PWKAddinApp::SetActivity(const std::string& text) {
    component_.Errors().SetActivity(text);
}

void PWKAddinApp::NewPhoneCall(const Ref<host::ContactItem>& contactItem) {
    static constexpr JournalEntryAction action{
        "NewPhoneCall", "Couldn't create new phone call for contact ", "Phone Call", false};
    NewContactJournalEntry(action, contactItem);
}

void PWKAddinApp::NewJournalEntry(const Ref<host::ContactItem>& contactItem) {
    static constexpr JournalEntryAction action{
        "NewJournalEntry", "Couldn't create new journal entry for contact ", "Note", false};
    NewContactJournalEntry(action, contactItem);
}

void PWKAddinApp::NewFileLink(const Ref<host::ContactItem>& contactItem) {
    static constexpr JournalEntryAction action{
        "NewFileLink", "Couldn't create new file link for contact ", "Document", true};
    NewContactJournalEntry(action, contactItem);
}

// A journal entry in the journal folder of the contact's folderset, of the action's type, for
// the contact's company and linked to the contact, shown unsaved: the user completes and saves
// it, or closes it and nothing is kept. A contact outside the tracked folders gets nothing.
void PWKAddinApp::NewContactJournalEntry(const JournalEntryAction& action,
                                         const Ref<host::ContactItem>& contactItem) {
    Procedure proc(component_, kAddinAppModule, action.procedure, Boundary::Component);
    proc.Run([&] {
        proc.Step([&] { SetActivity(ActivityFor(action.activityPrefix, contactItem)); });
        std::shared_ptr<TrackedFolderset> folderset;
        proc.Step([&] { folderset = GetTrackedFoldersetForContact(contactItem); });
        std::string path;
        if (action.linksFile) {
            // Asked whether or not the contact is tracked.
            proc.Step([&] { path = ChooseFileToLink(); });
        }
        if (folderset && (!action.linksFile || !path.empty())) {
            Ref<host::JournalItem> entry;
            proc.Step([&] {
                const Ref<host::MAPIFolder> journal = folderset->JournMAPIFolder(olNamespace_);
                entry = ItemAs<host::JournalItem>(Ref<host::Item>(journal->GetItems()->Add()));
            });
            proc.Step([&] { entry->SetType(action.journalType); });
            proc.Step([&] { entry->SetCompanies(contactItem->CompanyName()); });
            proc.Step([&] { entry->GetLinks()->Add(contactItem); });
            if (action.linksFile) {
                proc.Step([&] {
                    entry->GetAttachments()->Add(path, host::AttachmentType::ByReference, 0, "");
                });
            }
            proc.Step([&] { entry->Display(false); });
            proc.Step([&] { entry.reset(); });
        }
        proc.Step([&] { SetActivity(""); });
    });
}

// The file utility's chooser. It opens on its own default folder and offers every file: a
// user links any kind of document to a contact. Cancelled, it gives the empty text.
std::string PWKAddinApp::ChooseFileToLink() {
    const Ref<FileUtility> utility =
        As<FileUtility>(component_.platform().CreateObject(FileUtilityProgID));
    return utility->ChooseFile(kFileChooserTitle).value_or("");
}

void PWKAddinApp::NewEmail(const Ref<host::ContactItem>& contactItem) {
    Procedure proc(component_, kAddinAppModule, "NewEmail", Boundary::Component);
    proc.Run([&] {
        proc.Step([&] {
            SetActivity(ActivityFor("Couldn't create new email for contact ", contactItem));
        });
        std::string address;
        proc.Step([&] { address = PWKGlobal::GetFirstEmailAddress(component_, contactItem); });
        if (address.empty()) {
            proc.Step([&] {
                component_.platform().MsgBox(
                    std::string("You must assign an email address to this contact before you "
                                "can ") +
                        "send him/her any email",
                    MsgBoxStyle::OkOnly | MsgBoxStyle::Exclamation, "Missing Email Address");
            });
        } else {
            Ref<host::MailItem> mail;
            proc.Step([&] {
                mail = ItemAs<host::MailItem>(
                    Ref<host::Item>(outlookApp_->CreateItem(host::ItemType::Mail)));
            });
            proc.Step([&] { mail->GetRecipients()->Add(address); });
            proc.Step([&] { mail->GetLinks()->Add(contactItem); });
            proc.Step([&] { mail->Display(false); });
            proc.Step([&] { mail.reset(); });
        }
        proc.Step([&] { SetActivity(""); });
    });
}

void PWKAddinApp::NewAppointment(const Ref<host::ContactItem>& contactItem) {
    Procedure proc(component_, kAddinAppModule, "NewAppointment", Boundary::Component);
    proc.Run([&] {
        proc.Step([&] {
            SetActivity(ActivityFor("Couldn't create new appointment for contact ", contactItem));
        });
        Ref<host::MAPIFolder> calendar;
        proc.Step(
            [&] { calendar = olNamespace_->GetDefaultFolder(host::DefaultFolder::Calendar); });
        Ref<host::AppointmentItem> appointment;
        proc.Step([&] {
            appointment = ItemAs<host::AppointmentItem>(
                Ref<host::Item>(calendar->GetItems()->Add(host::ItemType::Appointment)));
        });
        proc.Step([&] { appointment->GetLinks()->Add(contactItem); });
        proc.Step([&] { appointment->SetCompanies(contactItem->CompanyName()); });
        proc.Step([&] { appointment->Display(false); });
        proc.Step([&] { SetActivity(""); });
    });
}

// Files a copy of a received mail in the e-mails folder of the folderset that holds its
// sender's contact. No journal entry is written and no link added.
void PWKAddinApp::LogIncoming(const Ref<host::MailItem>& mailItem) {
    Procedure proc(component_, kAddinAppModule, "LogIncoming", Boundary::Component);
    proc.Run([&] {
        proc.Step([&] { SetActivity("Couldn't log incoming message."); });
        std::string sender;
        proc.Step([&] { sender = PWKGlobal::GetSenderAddress(component_, mailItem); });
        if (!sender.empty()) {
            Ref<host::ContactItem> contact;
            proc.Step([&] {
                std::int32_t index = 0;
                contact = PWKGlobal::FindPubContactByEmail(
                    component_, olNamespace_, Deref(regSettings_.Get()).TrackedFoldersets(), sender,
                    index);
            });
            if (!contact) {
                proc.Step([&] {
                    component_.platform().MsgBox(
                        "The person this message was sent from (" + sender + ") " +
                            "is not a tracked contact, so this message cannot be logged.",
                        MsgBoxStyle::OkOnly | MsgBoxStyle::Exclamation, "Sender Not Tracked");
                });
            } else {
                Ref<host::MAPIFolder> folder;
                proc.Step([&] {
                    const auto folderset = GetTrackedFoldersetForContact(contact);
                    folder = Deref(folderset).EmailMAPIFolder(olNamespace_);
                });
                bool alreadyFiled = false;
                proc.Step([&] {
                    const Ref<host::MAPIFolder> holder = As<host::MAPIFolder>(mailItem->Parent());
                    const bool sameEntry = folder->EntryID() == holder->EntryID();
                    const bool sameStore = folder->StoreID() == holder->StoreID();
                    alreadyFiled = sameEntry && sameStore;
                });
                if (alreadyFiled) {
                    proc.Step([&] {
                        component_.platform().MsgBox(
                            "You are trying to log a message that has already been logged.",
                            MsgBoxStyle::OkOnly | MsgBoxStyle::Exclamation, "Invalid Action");
                    });
                } else {
                    proc.Step([&] {
                        const Ref<host::MailItem> copy = mailItem->Copy();
                        copy->Move(folder);
                    });
                }
            }
        }
        proc.Step([&] { SetActivity(""); });
    });
}

}  // namespace pwk
