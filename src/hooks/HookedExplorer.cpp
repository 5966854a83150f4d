#include "src/hooks/HookedExplorer.h"

#include <algorithm>
#include <cctype>

#include "src/errors/Procedure.h"
#include "src/hooks/ActionTypes.h"
#include "src/hooks/FolderIdentity.h"
#include "src/hooks/HookOwner.h"
#include "src/hooks/HookedButtonSet.h"
#include "src/host/Application.h"
#include "src/host/ContactItem.h"
#include "src/host/HostTypes.h"
#include "src/host/MAPIFolder.h"
#include "src/host/MailItem.h"
#include "src/host/NameSpace.h"
#include "src/host/Selection.h"

namespace pwk {

namespace {
constexpr const char* kExplorerModule = "HookedExplorer";

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}
}  // namespace

HookedExplorer::HookedExplorer(Component& component)
    : component_(component), myExplorer_(static_cast<host::ExplorerEvents&>(*this)) {}

void HookedExplorer::Initialize(const Ref<host::Application>& olApp,
                                const std::shared_ptr<HookOwner>& addinApp,
                                const Ref<host::Explorer>& explorerToHook,
                                const std::string& callbackKey) {
    Procedure proc(component_, kExplorerModule, "Initialize", Boundary::Internal);
    proc.Run([&] {
        proc.Step([&] {
            olApp_ = olApp;
            addinApp_ = addinApp;
        });
        proc.Step([&] { myExplorer_ = explorerToHook; });
        proc.Step([&] { callbackKey_ = callbackKey; });
        proc.Step([&] { buttonSet_ = std::make_shared<HookedButtonSet>(component_); });
        proc.Step([&] {
            buttonSet_->HookWindow(myExplorer_.Get(), addinApp_, Deref(addinApp_).ProgID());
        });
        // The buttons match the folder shown from the start.
        proc.Step([&] { MyExplorer_FolderSwitch(); });
    });
}

void HookedExplorer::Kill() {
    Procedure proc(component_, kExplorerModule, "Kill", Boundary::Internal);
    proc.Run([&] {
        proc.Step([&] {
            olApp_.reset();
            addinApp_.reset();
        });
        proc.Step([&] { myExplorer_.Reset(); });
        proc.Step([&] { Deref(buttonSet_).Kill(); });
        proc.Step([&] { buttonSet_.reset(); });
    });
}

void HookedExplorer::MyExplorer_Close() {
    // The registry kills and drops this hook while the event is delivered.
    const auto self = shared_from_this();
    Procedure proc(component_, kExplorerModule, "MyExplorer_Close", Boundary::Host);
    proc.Run([&] { Deref(addinApp_).ExplorerClosed(callbackKey_); });
}

void HookedExplorer::MyExplorer_FolderSwitch() {
    Procedure proc(component_, kExplorerModule, "MyExplorer_FolderSwitch", Boundary::Host);
    proc.Run([&] {
        proc.Step([&] {
            if (buttonSet_) {
                buttonSet_->SetVisible(false);
            }
        });
        Ref<host::MAPIFolder> folder;
        proc.Step([&] { folder = myExplorer_->CurrentFolder(); });
        if (!folder) {
            return;
        }
        host::ItemType kind = host::ItemType::Mail;
        proc.Step([&] { kind = folder->DefaultItemType(); });
        HookedButtonSet& set = Deref(buttonSet_);
        if (kind == host::ItemType::Contact) {
            bool tracked = false;
            proc.Step([&] { tracked = Deref(addinApp_).TrackedFolders().IsTrackedFolder(folder); });
            if (tracked) {
                proc.Step([&] { set.SetMode(ButtonMode::Contact); });
                proc.Step([&] { set.SetVisible(true); });
            }
        } else if (kind == host::ItemType::Mail) {
            bool inbox = false;
            proc.Step([&] { inbox = IsDefaultInbox(folder, olApp_->GetNamespace("MAPI")); });
            if (inbox) {
                proc.Step([&] { set.SetMode(ButtonMode::Mail); });
                proc.Step([&] { set.SetVisible(true); });
                proc.Step([&] { set.SetEnabled(true); });
            }
        }
    });
}

void HookedExplorer::MyExplorer_SelectionChange() {
    Procedure proc(component_, kExplorerModule, "MyExplorer_SelectionChange", Boundary::Host);
    proc.Run([&] {
        if (!buttonSet_) {
            return;
        }
        HookedButtonSet& set = *buttonSet_;
        proc.Step([&] { set.SetEnabled(false); });
        proc.Step([&] { set.ToPerson(""); });

        // Only contact and mail folders below a store's top carry buttons. A folder
        // that cannot be asked (the explorer shows none) ends the handler without a
        // report.
        Ref<host::MAPIFolder> folder;
        host::ItemType kind = host::ItemType::Mail;
        bool applies = false;
        const auto unanswered = Procedure::Ignoring([&] {
            folder = myExplorer_->CurrentFolder();
            kind = folder->DefaultItemType();
            const bool contactsOrMail =
                kind == host::ItemType::Mail || kind == host::ItemType::Contact;
            const bool belowTop = Upper(Ref<host::HostObject>(folder->Parent())->Text()) != "MAPI";
            applies = contactsOrMail && belowTop;
        });
        if (unanswered || !applies) {
            return;
        }

        Ref<host::Selection> selection;
        proc.Step([&] { selection = myExplorer_->GetSelection(); });
        if (!selection) {
            return;
        }
        proc.Step([&] { RetryHookIfNeeded(); });
        std::int32_t count = 0;
        proc.Step([&] { count = selection->Count(); });
        if (count != 1) {
            return;
        }
        if (kind == host::ItemType::Contact) {
            bool trackedContact = false;
            Ref<host::ContactItem> contact;
            proc.Step([&] {
                const bool tracked = Deref(addinApp_).TrackedFolders().IsTrackedFolder(folder);
                contact = As<host::ContactItem>(selection->Item(1));
                trackedContact = tracked && contact;
            });
            if (!trackedContact) {
                return;
            }
            proc.Step([&] { set.SetMode(ButtonMode::Contact); });
            proc.Step([&] { set.SetEnabled(true); });
            proc.Step([&] { set.SetVisible(true); });
            (void)Procedure::Ignoring([&] {
                const std::string fullName = contact->FullName();
                if (!fullName.empty()) {
                    set.ToPerson(fullName);
                }
            });
        } else {
            bool inboxMail = false;
            proc.Step([&] {
                const bool inbox = IsDefaultInbox(folder, Deref(addinApp_).dbgGetMapiNamespace());
                inboxMail = inbox && IsA<host::MailItem>(selection->Item(1));
            });
            if (!inboxMail) {
                return;
            }
            proc.Step([&] { set.SetEnabled(true); });
            proc.Step([&] {
                if (!set.Visible()) {
                    set.SetVisible(true);
                }
            });
        }
    });
}

// An explorer that had no "Standard" bar when it was hooked is hooked once
// more, at the first selection change that can carry buttons, whether or not
// the bar has come meanwhile.
void HookedExplorer::RetryHookIfNeeded() {
    HookedButtonSet& set = Deref(buttonSet_);
    if (!set.RetryHook) {
        return;
    }
    set.HookWindow(myExplorer_.Get(), addinApp_, Deref(addinApp_).ProgID());
    MyExplorer_FolderSwitch();
    set.RetryHook = false;
}

}  // namespace pwk
