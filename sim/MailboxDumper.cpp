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

using Json = nlohmann::ordered_json;

Json Link(const SimItemState& target) {
    auto folder = target.Folder();
    if (folder && target.InFolder()) {
        const auto& contents = folder->Contents();
        auto at = std::ranges::find_if(
            contents, [&](const Owned<SimItemState>& item) { return item.get().get() == &target; });
        return Json{{"folder", folder->Path()}, {"item", at - contents.begin() + 1}};
    }
    return Json{{"entryId", target.EntryId()}};
}

Json Item(SimItemState& item, host::ItemType folderType) {
    Json json = Json::object();
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

Json Folder(const SimFolder& folder, const SimStore& store) {
    Json json = {{"name", folder.FolderName()},
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
    Json stores = Json::array();
    const SimStore* defaultStore = host.Mailbox().DefaultStore();
    for (const auto& store : host.Mailbox().Stores()) {
        Json json = {{"name", store.Name}};
        if (&store == defaultStore) {
            json["default"] = true;
        }
        json["storeId"] = store.StoreId;
        json["folders"] = Json::array();
        for (const auto& folder : store.Top->Subfolders()) {
            json["folders"].push_back(Folder(*folder, store));
        }
        stores.push_back(json);
    }
    return Json{{"stores", stores}}.dump(2) + "\n";
}

}  // namespace pwk::sim
