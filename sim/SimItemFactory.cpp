#include "sim/SimItemFactory.h"

#include "sim/SimAppointmentItem.h"
#include "sim/SimContactItem.h"
#include "sim/SimJournalItem.h"
#include "sim/SimMailItem.h"
#include "sim/SimPlainItem.h"
#include "sim/SimWorld.h"

namespace pwk::sim {

std::shared_ptr<SimItemState> SimItemFactory::Blank(const std::shared_ptr<SimCore>& core,
                                                    host::ItemType type) {
    switch (type) {
        case host::ItemType::Mail:
            return MakeSim<SimMailItem>(core);
        case host::ItemType::Appointment:
            return MakeSim<SimAppointmentItem>(core);
        case host::ItemType::Contact:
            return MakeSim<SimContactItem>(core);
        case host::ItemType::Journal:
            return MakeSim<SimJournalItem>(core);
        case host::ItemType::Task:
            return MakeSim<SimPlainItem<host::TaskItem>>(core, type);
        case host::ItemType::Note:
            return MakeSim<SimPlainItem<host::NoteItem>>(core, type);
        case host::ItemType::DistributionList:
            return MakeSim<SimPlainItem<host::DistListItem>>(core, type);
        default:
            Raise(FailureNumber::InvalidProcedureCall, "Items.Add");
    }
}

std::shared_ptr<SimItemState> SimItemFactory::New(const std::shared_ptr<SimCore>& core,
                                                  host::ItemType type) {
    auto item = Blank(core, type);
    // New journal entries start now and last nothing; appointments last half an hour.
    if (ItemKinds::FieldOf(type, "Start")) {
        const host::Date now = core->world().Now();
        const std::int32_t minutes = type == host::ItemType::Appointment ? 30 : 0;
        item->SetDateField("Start", now);
        item->SetNumberField("Duration", minutes);
        item->SetDateField("End", now + std::chrono::minutes(minutes));
    }
    return item;
}

}  // namespace pwk::sim
