#include "sim/ItemKinds.h"

#include "src/util/Failure.h"

namespace pwk::sim {
namespace {

using host::ItemType;

std::vector<FieldSpec> With(std::vector<FieldSpec> extra) {
    std::vector<FieldSpec> fields{{"Subject", FieldType::Text}, {"Body", FieldType::Text}};
    fields.insert(fields.end(), extra.begin(), extra.end());
    return fields;
}

std::vector<FieldSpec> Timed(std::vector<FieldSpec> extra) {
    extra.insert(extra.end(), {{"Categories", FieldType::Text},
                               {"Companies", FieldType::Text},
                               {"Start", FieldType::Date},
                               {"End", FieldType::Date},
                               {"Duration", FieldType::Number}});
    return With(extra);
}

std::vector<ItemKind> MakeKinds() {
    return {
        {ItemType::Mail, "MailItem", "mail",
         With({{"SenderName", FieldType::Text}, {"SenderEmailAddress", FieldType::Text}})},
        {ItemType::Appointment, "AppointmentItem", "appointment",
         Timed({{"Location", FieldType::Text}})},
        {ItemType::Contact, "ContactItem", "contact",
         With({{"FullName", FieldType::Text},
               {"CompanyName", FieldType::Text},
               {"Email1Address", FieldType::Text},
               {"Email2Address", FieldType::Text},
               {"Email3Address", FieldType::Text}})},
        {ItemType::Task, "TaskItem", "task", With({})},
        {ItemType::Journal, "JournalItem", "journal", Timed({{"Type", FieldType::Text}})},
        {ItemType::Note, "NoteItem", "note", With({})},
        {ItemType::DistributionList, "DistListItem", "distlist", With({})},
    };
}

}  // namespace

const std::vector<ItemKind>& ItemKinds::All() {
    static const std::vector<ItemKind> kinds = MakeKinds();
    return kinds;
}

const ItemKind& ItemKinds::Of(host::ItemType type) {
    for (const auto& kind : All()) {
        if (kind.Type == type) {
            return kind;
        }
    }
    Raise(FailureNumber::InvalidProcedureCall, "Items.Add");
}

const ItemKind* ItemKinds::ByFileName(const std::string& fileName) {
    for (const auto& kind : All()) {
        if (kind.FileName == fileName) {
            return &kind;
        }
    }
    return nullptr;
}

std::optional<FieldType> ItemKinds::FieldOf(host::ItemType type, const std::string& field) {
    for (const auto& spec : Of(type).Fields) {
        if (spec.Name == field) {
            return spec.Type;
        }
    }
    return std::nullopt;
}

std::optional<FieldType> ItemKinds::TypeOfField(const std::string& field) {
    for (const auto& kind : All()) {
        for (const auto& spec : kind.Fields) {
            if (spec.Name == field) {
                return spec.Type;
            }
        }
    }
    return std::nullopt;
}

bool ItemKinds::Indexed(const std::string& field) {
    return field == "Email1Address" || field == "Email2Address" || field == "Email3Address" ||
           field == "FullName" || field == "CompanyName";
}

}  // namespace pwk::sim
