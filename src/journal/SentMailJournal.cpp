#include "src/journal/SentMailJournal.h"

#include <string>
#include <string_view>

#include "src/component/Component.h"
#include "src/errors/Procedure.h"
#include "src/host/AddressEntry.h"
#include "src/host/Attachments.h"
#include "src/host/ContactItem.h"
#include "src/host/HostTypes.h"
#include "src/host/Items.h"
#include "src/host/JournalItem.h"
#include "src/host/Link.h"
#include "src/host/Links.h"
#include "src/host/MAPIFolder.h"
#include "src/host/MailItem.h"
#include "src/host/NameSpace.h"
#include "src/host/Recipient.h"
#include "src/host/Recipients.h"
#include "src/journal/ContactLookup.h"
#include "src/journal/GlobalModule.h"
#include "src/journal/ItemCast.h"
#include "src/tracking/RegSettings.h"
#include "src/tracking/TrackedFolderLookup.h"
#include "src/tracking/TrackedFolderset.h"
#include "src/tracking/TrackedFoldersets.h"

namespace pwk::PWKGlobal {

namespace {
constexpr const char* kEntryType = "E-mail Message";
constexpr const char* kAttachmentName = "Sent MailItem";

using Contacts = std::vector<Ref<host::ContactItem>>;

// One handler call: the mail, the hierarchy it builds, and the copy and journal entry of the
// group under way, which a failure deletes again.
class SentMailFiling {
  public:
    SentMailFiling(Component& component, Procedure& proc, const TrackedFolderLookup& trackedFolders,
                   const Ref<host::NameSpace>& nameSpace,
                   const std::shared_ptr<RegSettings>& settings,
                   const std::shared_ptr<TrackedFoldersets>& foldersets, Ref<host::MailItem> mail)
        : component_(component),
          proc_(proc),
          trackedFolders_(trackedFolders),
          nameSpace_(nameSpace),
          settings_(settings),
          foldersets_(foldersets),
          mail_(std::move(mail)) {}

    void Run() {
        std::int32_t linkCount = 0;
        proc_.Step([&] { linkCount = mail_->GetLinks()->Count(); });
        if (linkCount == 0) {
            FileUnlinked();
        } else {
            FileLinked(linkCount);
        }
    }

    // On the way out after a failure: the group under way leaves nothing behind. The step the
    // journal writer had reached goes into the log, so that whoever reads the failure there
    // learns how far the entry got.
    void CleanUp() {
        if (copy_) {
            Procedure::Ignoring([&] { copy_->Delete(); });
        }
        if (entry_) {
            Procedure::Ignoring([&] { entry_->Delete(); });
        }
        if (!stepLabel_.empty()) {
            Procedure::Ignoring([&] {
                component_.Errors().LogText("  Journal step: " + std::string(stepLabel_) +
                                            stepSubject_);
            });
        }
    }

  private:
    // Every recipient whose address finds a tracked contact: the contacts grouped by e-mails
    // folder, the mail linked to each; then one copy and entry per group.
    void FileUnlinked() {
        bool trackUnlinked = false;
        proc_.Step([&] { trackUnlinked = settings_->TrackUnlinkedEmail(); });
        ContactHierarchy hierarchy;
        if (trackUnlinked) {
            std::int32_t count = 0;
            proc_.Step([&] { count = mail_->GetRecipients()->Count(); });
            for (std::int32_t r = 1; r <= count; ++r) {
                Ref<host::Recipient> recipient;
                std::string address;
                proc_.Step([&] { recipient = mail_->GetRecipients()->Item(r); });
                proc_.Step([&] { address = recipient->Address(); });
                proc_.Step([&] {
                    if (address.empty()) {
                        address = Ref<host::AddressEntry>(recipient->GetAddressEntry())->Text();
                    }
                });
                Ref<host::ContactItem> contact;
                std::int32_t index = 0;
                proc_.Step([&] {
                    contact =
                        FindPubContactByEmail(component_, nameSpace_, foldersets_, address, index);
                });
                if (contact) {
                    proc_.Step([&] {
                        AddRecipItemToContactHierarchy(component_, hierarchy, contact,
                                                       foldersets_->Item(index), nameSpace_);
                    });
                    proc_.Step([&] { mail_->GetLinks()->Add(contact); });
                }
            }
        }
        // The copies are made only once every link is on the mail.
        for (const auto& group : hierarchy) {
            FileCopy(group->OwnerFolderset(), group->Contacts());
        }
    }

    // Every linked contact of a tracked contacts folder gets a copy and an entry of its own.
    void FileLinked(std::int32_t linkCount) {
        for (std::int32_t k = 1; k <= linkCount; ++k) {
            Ref<host::ContactItem> contact;
            proc_.Step([&] {
                const Ref<host::Link> link = mail_->GetLinks()->Item(k);
                contact = As<host::ContactItem>(link->Item());
            });
            if (!contact) {
                continue;
            }
            bool tracked = false;
            proc_.Step([&] {
                tracked = trackedFolders_.IsTrackedFolder(As<host::MAPIFolder>(contact->Parent()));
            });
            if (!tracked) {
                continue;
            }
            std::shared_ptr<TrackedFolderset> folderset;
            proc_.Step([&] { folderset = trackedFolders_.GetTrackedFoldersetForContact(contact); });
            if (folderset) {
                FileCopy(folderset, Contacts{contact});
            }
        }
    }

    // A copy of the mail moved into the folderset's e-mails folder, then its journal entry.
    // A failure the user chose to go on past (Ignore) ends the group there: what it made is
    // deleted again, as when the handler is left, and the next group is filed.
    void FileCopy(const std::shared_ptr<TrackedFolderset>& folderset, const Contacts& contacts) {
        copy_.reset();
        entry_.reset();
        groupWhole_ = true;
        GroupStep([&] { copy_ = mail_->Copy(); });
        GroupStep([&] { copy_->Move(Deref(folderset).EmailMAPIFolder(nameSpace_)); });
        WriteJournalEntry(folderset, contacts);
        if (!groupWhole_) {
            CleanUp();
        }
        // Finished: a later failure leaves this group's work in place.
        copy_.reset();
        entry_.reset();
    }

    // One statement of the group under way; none runs once one of them has failed.
    template <class Statement>
    void GroupStep(Statement&& statement) {
        groupWhole_ = groupWhole_ && proc_.Step(statement);
    }

    // The journal subroutine; the step label names the step under way.
    void WriteJournalEntry(const std::shared_ptr<TrackedFolderset>& folderset,
                           const Contacts& contacts) {
        bool journalEmails = false;
        GroupStep([&] { journalEmails = settings_->JournalEmails(); });
        if (!journalEmails) {
            return;
        }
        GroupStep([&] {
            SetStep("adding new journal item to ", folderset->JournalFolderName(nameSpace_));
        });
        GroupStep([&] {
            const Ref<host::MAPIFolder> journal = folderset->JournMAPIFolder(nameSpace_);
            entry_ = ItemAs<host::JournalItem>(Ref<host::Item>(journal->GetItems()->Add()));
        });
        Labelled("setting Type", [&] { entry_->SetType(kEntryType); });
        // The subject of the mail handed to the handler, not of the copy.
        Labelled("copying subject", [&] { entry_->SetSubject(mail_->Subject()); });
        Labelled("first save of journal item", [&] { entry_->Save(); });
        SetStep("looping through contacts to link");
        for (const auto& contact : contacts) {
            GroupStep([&] { SetStep("linking contact ", contact->FullName()); });
            GroupStep([&] { entry_->GetLinks()->Add(contact); });
        }
        Labelled("second save of journal item", [&] { entry_->Save(); });
        bool byReference = false;
        Labelled("checking SaveLinksByRef", [&] { byReference = settings_->SaveLinksByRef(); });
        // The attachment's source is the copy on which Move was called.
        if (byReference) {
            Labelled("attaching journal item to mail item by Reference", [&] {
                entry_->GetAttachments()->Add(copy_, host::AttachmentType::ByReference, 0,
                                              kAttachmentName);
            });
        } else {
            Labelled("attaching journal item to mail item by Value", [&] {
                entry_->GetAttachments()->Add(copy_, host::AttachmentType::ByValue, 0,
                                              kAttachmentName);
            });
        }
        Labelled("final save of journal item", [&] { entry_->Save(); });
        Labelled("releasing journal item object", [&] { entry_.reset(); });
        SetStep("finished gosub");
    }

    template <class Statement>
    void Labelled(std::string_view label, Statement&& statement) {
        SetStep(label);
        GroupStep(statement);
    }

    // The step under way: a fixed label, for two steps followed by the name of what the step
    // works on. The two are put together only when the log asks for them. Once a step of the
    // group has failed, the label stays at it.
    void SetStep(std::string_view label, std::string subject = {}) {
        if (!groupWhole_) {
            return;
        }
        stepLabel_ = label;
        stepSubject_ = std::move(subject);
    }

    Component& component_;
    Procedure& proc_;
    const TrackedFolderLookup& trackedFolders_;
    const Ref<host::NameSpace>& nameSpace_;
    const std::shared_ptr<RegSettings>& settings_;
    const std::shared_ptr<TrackedFoldersets>& foldersets_;
    Ref<host::MailItem> mail_;
    Ref<host::MailItem> copy_;
    Ref<host::JournalItem> entry_;
    bool groupWhole_ = true;
    std::string_view stepLabel_;
    std::string stepSubject_;
};

// The two handlers differ only in their name and in the setting that selects them.
void HandleSentMail(const char* procedure, bool runsWithSentItemsFolder, Component& component,
                    const TrackedFolderLookup& trackedFolders,
                    const Ref<host::NameSpace>& nameSpace,
                    const std::shared_ptr<RegSettings>& settings,
                    const std::shared_ptr<TrackedFoldersets>& foldersets,
                    const Ref<host::Item>& item) {
    Procedure proc(component, kGlobalModule, procedure, Boundary::Internal);
    SentMailFiling filing(component, proc, trackedFolders, nameSpace, settings, foldersets,
                          As<host::MailItem>(item));
    proc.OnLeave([&] { filing.CleanUp(); });
    proc.Run([&] {
        bool useSentMailFolder = false;
        proc.Step([&] { useSentMailFolder = Deref(settings).UseSentMailFolder(); });
        if (useSentMailFolder != runsWithSentItemsFolder || !IsA<host::MailItem>(item)) {
            return;
        }
        filing.Run();
    });
}

}  // namespace

void ItemSendHandler(Component& component, const TrackedFolderLookup& trackedFolders,
                     const Ref<host::NameSpace>& nameSpace,
                     const std::shared_ptr<RegSettings>& settings,
                     const std::shared_ptr<TrackedFoldersets>& foldersets,
                     const Ref<host::Item>& item, bool& /*cancel*/) {
    HandleSentMail("ItemSendHandler", false, component, trackedFolders, nameSpace, settings,
                   foldersets, item);
}

void SentMailAddHandler(Component& component, const TrackedFolderLookup& trackedFolders,
                        const Ref<host::NameSpace>& nameSpace,
                        const std::shared_ptr<RegSettings>& settings,
                        const std::shared_ptr<TrackedFoldersets>& foldersets,
                        const Ref<host::Item>& item) {
    HandleSentMail("SentMailAddHandler", true, component, trackedFolders, nameSpace, settings,
                   foldersets, item);
}

void AddRecipItemToContactHierarchy(Component& component, ContactHierarchy& hierarchy,
                                    const Ref<host::ContactItem>& contact,
                                    const std::shared_ptr<TrackedFolderset>& folderset,
                                    const Ref<host::NameSpace>& nameSpace) {
    Procedure proc(component, kGlobalModule, "AddRecipItemToContactHierarchy", Boundary::Internal);
    proc.Run([&] {
        bool found = false;
        // Grouped by the e-mails folder's EntryID alone; every matching group takes the contact.
        for (const auto& group : hierarchy) {
            proc.Step([&] {
                const Ref<host::MAPIFolder> groupFolder =
                    group->OwnerFolderset()->EmailMAPIFolder(nameSpace);
                const std::string groupEntryID = groupFolder->EntryID();
                const Ref<host::MAPIFolder> folder = Deref(folderset).EmailMAPIFolder(nameSpace);
                if (groupEntryID == folder->EntryID()) {
                    group->Contacts().push_back(contact);
                    found = true;
                }
            });
        }
        if (!found) {
            proc.Step([&] {
                auto group = std::make_shared<RecipContactHeirarchyItem>();
                group->SetOwnerFolderset(folderset);
                group->Contacts().push_back(contact);
                hierarchy.push_back(group);
            });
        }
    });
}

}  // namespace pwk::PWKGlobal
