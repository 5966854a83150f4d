#include "tools/scenario/Describe.h"

#include <chrono>
#include <cstdio>
#include <vector>

#include "sim/ItemKinds.h"
#include "sim/SimAttachments.h"
#include "sim/SimCommandBar.h"
#include "sim/SimControlState.h"
#include "sim/SimItemState.h"
#include "sim/SimLinks.h"
#include "sim/SimRecipients.h"
#include "src/host/HostTypes.h"

namespace pwk::scenario::Describe {

namespace {

bool HasLinks(const sim::SimItemState& item) {
    return item.Kind() == host::ItemType::Mail ||
           sim::ItemKinds::FieldOf(item.Kind(), "Start").has_value();
}

bool HasAttachments(const sim::SimItemState& item) {
    return item.Kind() == host::ItemType::Mail || item.Kind() == host::ItemType::Journal;
}

std::string Joined(const std::vector<std::string>& parts, const char* separator) {
    std::string text;
    for (const std::string& part : parts) {
        text += (text.empty() ? "" : separator) + part;
    }
    return text;
}

std::string Links(sim::SimItemState& item) {
    std::vector<std::string> names;
    for (const auto& link : item.LinksObject().All()) {
        names.push_back(link->Target()->AuditName());
    }
    return Joined(names, ", ");
}

std::string Recipients(sim::SimItemState& item) {
    std::vector<std::string> addresses;
    for (const auto& recipient : item.RecipientsObject().All()) {
        addresses.push_back(recipient->AddressText().empty() ? recipient->DisplayName()
                                                             : recipient->AddressText());
    }
    return Joined(addresses, ", ");
}

std::string Attachments(sim::SimItemState& item) {
    std::vector<std::string> names;
    for (const auto& attachment : item.AttachmentsObject().All()) {
        names.push_back(attachment.DisplayName.empty() ? attachment.Source
                                                       : attachment.DisplayName);
    }
    return Joined(names, ", ");
}

// "2000-03-06 09:30", the form `compose appointment` takes.
std::string DateText(host::Date date) {
    using namespace std::chrono;
    const auto day = floor<days>(date);
    const year_month_day ymd{day};
    const hh_mm_ss time{date - day};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d", static_cast<int>(ymd.year()),
                  static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()),
                  static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()));
    return text;
}

}  // namespace

std::string ItemName(const sim::SimItemState& item) {
    return item.KindInfo().TypeName + " \"" + item.AuditName() + "\"";
}

std::string Item(const sim::SimItemState& item) {
    // The link, recipient and attachment lists are made on first use; they are the host's own.
    auto& state = const_cast<sim::SimItemState&>(item);
    std::vector<std::string> details;
    if (const std::string type = item.TextField("Type"); !type.empty()) {
        details.push_back("Type " + type);
    }
    if (item.Kind() == host::ItemType::Mail) {
        if (const std::string to = Recipients(state); !to.empty()) {
            details.push_back("to " + to);
        }
    }
    if (HasLinks(item)) {
        if (const std::string links = Links(state); !links.empty()) {
            details.push_back("links " + links);
        }
    }
    if (HasAttachments(item)) {
        const std::size_t count = state.AttachmentsObject().All().size();
        if (count > 0) {
            details.push_back(std::to_string(count) +
                              (count == 1 ? " attachment" : " attachments"));
        }
    }
    const std::string name = ItemName(item);
    return details.empty() ? name : name + " (" + Joined(details, "; ") + ")";
}

std::string Field(const sim::SimItemState& item, const std::string& field, bool& known) {
    auto& state = const_cast<sim::SimItemState&>(item);
    known = true;
    if (field == "Class") {
        return item.KindInfo().TypeName;
    }
    if (field == "Links") {
        return HasLinks(item) ? Links(state) : "";
    }
    if (field == "Recipients") {
        return item.Kind() == host::ItemType::Mail ? Recipients(state) : "";
    }
    if (field == "Attachments") {
        return HasAttachments(item) ? Attachments(state) : "";
    }
    if (field == "AttachmentTypes") {
        std::vector<std::string> types;
        if (HasAttachments(item)) {
            for (const auto& attachment : state.AttachmentsObject().All()) {
                types.push_back(std::to_string(attachment.Type));
            }
        }
        return Joined(types, ", ");
    }
    const auto type = sim::ItemKinds::FieldOf(item.Kind(), field);
    if (!type) {
        known = false;
        return {};
    }
    switch (*type) {
        case sim::FieldType::Date:
            return DateText(item.DateField(field));
        case sim::FieldType::Number:
            return std::to_string(item.NumberField(field));
        case sim::FieldType::Text:
            break;
    }
    return item.TextField(field);
}

std::string Control(const sim::SimControlState& control) {
    const sim::ControlSpec& spec = control.Spec;
    std::vector<std::string> state;
    state.push_back(spec.Visible ? "shown" : "hidden");
    state.push_back(spec.Enabled ? "enabled" : "disabled");
    if (control.Temporary) {
        state.push_back("temporary");
    }
    if (!spec.Tag.empty()) {
        state.push_back("tag \"" + spec.Tag + "\"");
    }
    if (!spec.TooltipText.empty()) {
        state.push_back("tooltip \"" + spec.TooltipText + "\"");
    }
    const char* kind = spec.Type == host::ControlType::Popup ? "menu" : "button";
    return std::string(kind) + " \"" + spec.Caption + "\" (" + Joined(state, ", ") + ")";
}

std::string BarOf(const sim::SimControlState& control) {
    const auto bar = control.Bar();
    return bar ? bar->AuditName() : "?";
}

}  // namespace pwk::scenario::Describe
