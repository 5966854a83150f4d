#include "sim/MailboxDumper.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "sim/MailboxNames.h"
#include "sim/SimAttachments.h"
#include "sim/SimFolder.h"
#include "sim/SimHost.h"
#include "sim/SimItemState.h"
#include "sim/SimLinks.h"
#include "sim/SimNameSpace.h"
#include "sim/SimRecipients.h"

namespace pwk::sim {
namespace {

using OrderedJson = nlohmann::ordered_json;

OrderedJson Link(const SimItemState& target) {
    auto folder = target.Folder();
    if (folder && target.InFolder()) {
        const auto& contents = folder->Contents();
        auto at = std::ranges::find_if(
            contents, [&](const Owned<SimItemState>& item) { return item.get().get() == &target; });
        return OrderedJson{{"folder", folder->Path()}, {"item", at - contents.begin() + 1}};
    }
    return OrderedJson{{"entryId", target.EntryId()}};
}

OrderedJson Item(SimItemState& item, host::ItemType folderType) {
    OrderedJson json = OrderedJson::object();
    if (item.Kind() != folderType) {
        json["type"] = item.KindInfo().FileName;
    }
    json["entryId"] = item.EntryId();
    for (const auto& spec : item.KindInfo().Fields) {
        if (!item.Fields().contains(spec.Name)) {
            continue;
        }
        if (spec.Type == FieldType::Text && !item.TextField(spec.Name).empty()) {
            json[spec.Name] = item.TextField(spec.Name);
        } else if (spec.Type == FieldType::Date) {
            json[spec.Name] = MailboxNames::FormatDate(item.DateField(spec.Name));
        } else if (spec.Type == FieldType::Number) {
            json[spec.Name] = item.NumberField(spec.Name);
        }
    }
    if (item.Sent()) {
        json["sent"] = true;
    }
    if (!item.RecipientsObject().All().empty()) {
        for (const auto& recipient : item.RecipientsObject().All()) {
            json["recipients"].push_back(
                {{"name", recipient->DisplayName()},
                 {"address", recipient->AddressText()},
                 {"kind", MailboxNames::RecipientKindName(recipient->Kind())}});
        }
    }
    for (const auto& link : item.LinksObject().All()) {
        json["links"].push_back(Link(*link->Target()));
    }
    for (const auto& attachment : item.AttachmentsObject().All()) {
        json["attachments"].push_back({{"type", attachment.Type},
                                       {"displayName", attachment.DisplayName},
                                       {"source", attachment.Source},
                                       {"position", attachment.Position}});
    }
    return json;
}

OrderedJson Folder(const SimFolder& folder, const SimStore& store) {
    OrderedJson json = {{"name", folder.FolderName()},
                        {"itemType", ItemKinds::Of(folder.DefaultType()).FileName}};
    for (const auto& [kind, weak] : store.Defaults) {
        if (weak.lock().get() == &folder) {
            json["defaultFolder"] = MailboxNames::DefaultFolderName(kind);
        }
    }
    json["entryId"] = folder.EntryId();
    for (const auto& item : folder.Contents()) {
        json["items"].push_back(Item(*item, folder.DefaultType()));
    }
    for (const auto& sub : folder.Subfolders()) {
        json["folders"].push_back(Folder(*sub, store));
    }
    return json;
}

}  // namespace

std::string MailboxDumper::Dump(const SimHost& host) {
    OrderedJson stores = OrderedJson::array();
    const SimStore* defaultStore = host.Mailbox().DefaultStore();
    for (const auto& store : host.Mailbox().Stores()) {
        OrderedJson json = {{"name", store.Name}};
        if (&store == defaultStore) {
            json["default"] = true;
        }
        json["storeId"] = store.StoreId;
        json["folders"] = OrderedJson::array();
        for (const auto& folder : store.Top->Subfolders()) {
            json["folders"].push_back(Folder(*folder, store));
        }
        stores.push_back(json);
    }
    return OrderedJson{{"stores", stores}}.dump(2) + "\n";
}

}  // namespace pwk::sim
