#include "src/journal/AppointmentJournal.h"

#include "src/errors/Procedure.h"
#include "src/host/Application.h"
#include "src/host/AppointmentItem.h"
#include "src/host/ContactItem.h"
#include "src/host/HostTypes.h"
#include "src/host/Items.h"
#include "src/host/JournalItem.h"
#include "src/host/Link.h"
#include "src/host/Links.h"
#include "src/host/MAPIFolder.h"
#include "src/host/NameSpace.h"
#include "src/journal/ItemCast.h"
#include "src/tracking/TrackedFolderLookup.h"
#include "src/tracking/TrackedFolderset.h"

namespace pwk::PWKGlobal {

namespace {
constexpr const char* kMeetingType = "Meeting";
}  // namespace

void AppointmentSaveHandler(Component& component, const Ref<host::AppointmentItem>& appointment,
                            const TrackedFolderLookup& trackedFolders,
                            const Ref<host::Application>& application) {
    Procedure proc(component, "PWKGlobal", "AppointmentSaveHandler", Boundary::Internal);
    proc.Run([&] {
        std::int32_t count = 0;
        proc.Step([&] { count = appointment->GetLinks()->Count(); });
        for (std::int32_t k = 1; k <= count; ++k) {
            // Each test below passes over the link when it fails to hold.
            bool passOver = false;
            const auto unlessPassedOver = [&](auto&& statement) {
                if (!passOver) {
                    proc.Step(statement);
                }
            };
            Ref<host::Link> link;
            Ref<host::ContactItem> contact;
            std::shared_ptr<TrackedFolderset> folderset;
            Ref<host::NameSpace> nameSpace;
            Ref<host::JournalItem> entry;
            unlessPassedOver([&] { link = appointment->GetLinks()->Item(k); });
            unlessPassedOver([&] { passOver = link->Type() != host::LinkTypeContact; });
            unlessPassedOver([&] {
                contact = As<host::ContactItem>(link->Item());
                passOver = !contact;
            });
            unlessPassedOver([&] {
                passOver = !trackedFolders.IsTrackedFolder(As<host::MAPIFolder>(contact->Parent()));
            });
            unlessPassedOver([&] {
                folderset = trackedFolders.GetTrackedFoldersetForContact(contact);
                passOver = !folderset;
            });
            unlessPassedOver([&] { nameSpace = application->GetNamespace("MAPI"); });
            unlessPassedOver([&] {
                const Ref<host::MAPIFolder> journal = folderset->JournMAPIFolder(nameSpace);
                entry = ItemAs<host::JournalItem>(
                    Ref<host::Item>(journal->GetItems()->Add(host::ItemType::Journal)));
            });
            unlessPassedOver([&] { entry->GetLinks()->Add(contact); });
            unlessPassedOver([&] { entry->SetBody(appointment->Body()); });
            unlessPassedOver([&] { entry->SetCategories(appointment->Categories()); });
            unlessPassedOver([&] { entry->SetCompanies(appointment->Companies()); });
            unlessPassedOver([&] { entry->SetSubject(appointment->Subject()); });
            unlessPassedOver([&] { entry->SetType(kMeetingType); });
            unlessPassedOver([&] { entry->SetStart(appointment->Start()); });
            unlessPassedOver([&] { entry->SetEnd(appointment->End()); });
            unlessPassedOver([&] { entry->SetDuration(appointment->Duration()); });
            unlessPassedOver([&] { entry->Save(); });
        }
    });
}

}  // namespace pwk::PWKGlobal
