#pragma once

#include <memory>
#include <string_view>

#include "src/util/Ref.h"

namespace pwk {

class Component;
class RegSettings;
class TrackedFolderset;

namespace host {
class ContactItem;
class MAPIFolder;
class NameSpace;
}  // namespace host

// The two questions the hooks, the journal and the contact actions ask of the tracked
// foldersets: is this contacts folder tracked, and which folderset holds this contact. Each
// resolves the foldersets' contacts folders through the namespace, one host lookup per
// folderset until one matches, since a folder may have been renamed or deleted meanwhile.
// Made for the questions at hand and dropped after them: it holds the settings and the
// namespace only as long as it lives.
class TrackedFolderLookup {
  public:
    // `module` is what the log and trace name the two procedures under: the owner's module, as
    // the user knows them. Settings or a namespace that are missing fail (91) in the procedure.
    TrackedFolderLookup(Component& component, std::string_view module,
                        std::shared_ptr<RegSettings> settings, Ref<host::NameSpace> nameSpace);

    // True when a folderset's contacts folder has the folder's name, EntryID and StoreID.
    bool IsTrackedFolder(const Ref<host::MAPIFolder>& contactFolder) const;
    // The first folderset whose contacts folder holds the contact (EntryID, StoreID, then name
    // alike), or nothing. Clears the error library's activity text first.
    std::shared_ptr<TrackedFolderset> GetTrackedFoldersetForContact(
        const Ref<host::ContactItem>& ctc) const;

  private:
    Component& component_;
    std::string_view module_;
    std::shared_ptr<RegSettings> settings_;
    Ref<host::NameSpace> nameSpace_;
};

}  // namespace pwk
