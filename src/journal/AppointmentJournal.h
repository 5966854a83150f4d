#pragma once

#include "src/util/Ref.h"

namespace pwk {

class Component;
class TrackedFolderLookup;

namespace host {
class Application;
class AppointmentItem;
}  // namespace host

namespace PWKGlobal {

// Records a saved appointment as a "Meeting" journal entry for every contact it is linked to
// that lives in a tracked contacts folder: one entry per contact, in link order, written into
// the journal folder of the contact's folderset and linked to that contact alone.
void AppointmentSaveHandler(Component& component, const Ref<host::AppointmentItem>& appointment,
                            const TrackedFolderLookup& trackedFolders,
                            const Ref<host::Application>& application);

}  // namespace PWKGlobal
}  // namespace pwk
