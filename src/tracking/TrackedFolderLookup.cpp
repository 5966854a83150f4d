#include "src/tracking/TrackedFolderLookup.h"

#include <cstdint>
#include <optional>
#include <string>

#include "src/component/Component.h"
#include "src/errors/Procedure.h"
#include "src/host/ContactItem.h"
#include "src/host/MAPIFolder.h"
#include "src/host/NameSpace.h"
#include "src/tracking/RegSettings.h"
#include "src/tracking/TextConversion.h"
#include "src/tracking/TrackedFolderset.h"
#include "src/tracking/TrackedFoldersets.h"

namespace pwk {

TrackedFolderLookup::TrackedFolderLookup(Component& component, std::string_view module,
                                         std::shared_ptr<RegSettings> settings,
                                         Ref<host::NameSpace> nameSpace)
    : component_(component),
      module_(module),
      settings_(std::move(settings)),
      nameSpace_(std::move(nameSpace)) {}

bool TrackedFolderLookup::IsTrackedFolder(const Ref<host::MAPIFolder>& contactFolder) const {
    bool tracked = false;
    Procedure proc(component_, module_, "IsTrackedFolder", Boundary::Component, Severity::Minor);
    proc.Run([&] {
        std::shared_ptr<TrackedFoldersets> foldersets;
        proc.Step([&] { foldersets = Deref(settings_).TrackedFoldersets(); });
        if (!foldersets) {
            return;
        }
        std::int32_t count = 0;
        proc.Step([&] { count = foldersets->Count(); });
        // The folder's EntryID, read once it is first needed, as the walk would read it.
        std::optional<std::string> entryID;
        for (std::int32_t i = 1; i <= count && !tracked; ++i) {
            proc.Step([&] {
                const TrackedFolderset& folderset = foldersets->ItemView(i);
                const auto found = folderset.ContactMAPIFolder(nameSpace_);
                host::MAPIFolder& folder = Deref(found);
                host::MAPIFolder& candidate = Deref(contactFolder);
                if (!entryID) {
                    entryID = candidate.EntryID();
                }
                // The host hands a folder back under the EntryID it was asked for, in any
                // letter case: a folderset stored under another EntryID cannot be this folder,
                // and its folder is not asked for its name and identifiers.
                if (!EqualsIgnoringCase(folderset.getContactFoldEntryID(), *entryID)) {
                    return;
                }
                tracked = folder.Name() == candidate.Name() && folder.EntryID() == *entryID &&
                          folder.StoreID() == candidate.StoreID();
            });
        }
    });
    return tracked;
}

std::shared_ptr<TrackedFolderset> TrackedFolderLookup::GetTrackedFoldersetForContact(
    const Ref<host::ContactItem>& ctc) const {
    std::shared_ptr<TrackedFolderset> result;
    Procedure proc(component_, module_, "GetTrackedFoldersetForContact", Boundary::Component);
    proc.Run([&] {
        if (!ctc) {
            return;
        }
        proc.Step([&] { component_.Errors().SetActivity(""); });
        Ref<host::MAPIFolder> holder;
        proc.Step([&] { holder = As<host::MAPIFolder>(ctc->Parent()); });
        std::shared_ptr<TrackedFoldersets> foldersets;
        std::int32_t count = 0;
        proc.Step([&] {
            foldersets = Deref(settings_).TrackedFoldersets();
            count = Deref(foldersets).Count();
        });
        for (std::int32_t i = 1; i <= count && !result; ++i) {
            std::shared_ptr<TrackedFolderset> candidate;
            Ref<host::MAPIFolder> folder;
            proc.Step([&] {
                candidate = foldersets->Item(i);
                folder = candidate->ContactMAPIFolder(nameSpace_);
            });
            // Identifiers first, then the name; each compared only when the one before matched.
            proc.Step([&] {
                if (folder->EntryID() == holder->EntryID() &&
                    folder->StoreID() == holder->StoreID() && folder->Name() == holder->Name()) {
                    result = candidate;
                }
            });
        }
    });
    return result;
}

}  // namespace pwk
