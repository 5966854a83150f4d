#include "sim/MailboxLoader.h"

#include <nlohmann/json.hpp>
#include <set>
#include <vector>

#include "sim/HostIds.h"
#include "sim/JsonLimits.h"
#include "sim/MailboxError.h"
#include "sim/MailboxNames.h"
#include "sim/SimAttachments.h"
#include "sim/SimFolder.h"
#include "sim/SimHost.h"
#include "sim/SimItemFactory.h"
#include "sim/SimItemState.h"
#include "sim/SimLinks.h"
#include "sim/SimNameSpace.h"
#include "sim/SimRecipients.h"
#include "sim/UserActionError.h"
#include "sim/WholeFile.h"

namespace pwk::sim {
namespace {

using Json = nlohmann::json;

// Builds one mailbox file into one host, checking as it goes.
class Builder {
  public:
    Builder(SimHost& host, std::string source) : host_(host), source_(std::move(source)) {}

    void Build(const Json& root) {
        Object(root, "the file", {"stores"});
        const Json& stores = Array(root, "stores", "stores", true);
        bool haveDefault = false;
        for (std::size_t i = 0; i < stores.size(); ++i) {
            const std::string where = "stores[" + std::to_string(i) + "]";
            const bool isDefault = Flag(stores[i], "default", where);
            if (isDefault && haveDefault) {
                Fail(where + ".default", "only one store can be the default store");
            }
            haveDefault = haveDefault || isDefault;
            Store(stores[i], where, isDefault);
        }
        ResolveLinks();
    }

  private:
    struct PendingLink {
        std::shared_ptr<SimItemState> item;
        const Json* target;
        std::string where;
    };

    [[noreturn]] void Fail(const std::string& where, const std::string& what) const {
        throw MailboxError(source_ + ": " + where + ": " + what);
    }

    void Object(const Json& value, const std::string& where,
                const std::set<std::string>& keys) const {
        if (!value.is_object()) {
            Fail(where, "an object is expected");
        }
        for (const auto& [key, member] : value.items()) {
            if (!keys.contains(key)) {
                Fail(where, "unknown key \"" + key + "\"");
            }
        }
    }

    const Json& Array(const Json& object, const char* key, const std::string& where,
                      bool required = false) const {
        static const Json empty = Json::array();
        if (!object.contains(key)) {
            if (required) {
                Fail(where, "is missing");
            }
            return empty;
        }
        if (!object.at(key).is_array()) {
            Fail(where, "a list is expected");
        }
        return object.at(key);
    }

    std::string Text(const Json& object, const char* key, const std::string& where,
                     bool required = false) const {
        if (!object.contains(key)) {
            if (required) {
                Fail(where + "." + key, "is missing");
            }
            return {};
        }
        if (!object.at(key).is_string()) {
            Fail(where + "." + key, "a text is expected");
        }
        return object.at(key).get<std::string>();
    }

    bool Flag(const Json& object, const char* key, const std::string& where) const {
        if (!object.is_object() || !object.contains(key)) {
            return false;
        }
        if (!object.at(key).is_boolean()) {
            Fail(where + "." + key, "true or false is expected");
        }
        return object.at(key).get<bool>();
    }

    std::string Name(const Json& object, const std::string& where) const {
        const std::string name = Text(object, "name", where, true);
        if (name.empty() || name.find('/') != std::string::npos) {
            Fail(where + ".name", "a name must be non-empty and hold no \"/\"");
        }
        return name;
    }

    std::optional<std::string> Id(const Json& object, const char* key, const std::string& where) {
        if (!object.contains(key)) {
            return std::nullopt;
        }
        const std::string id = Text(object, key, where);
        if (!HostIds::LooksValid(id)) {
            Fail(where + "." + key, "an identifier is upper-case hexadecimal digits, at least 16");
        }
        return id;
    }

    void Unique(const std::string& id, const std::string& where) {
        if (!ids_.insert(id).second) {
            Fail(where, "the identifier " + id + " is used twice");
        }
    }

    void Store(const Json& store, const std::string& where, bool isDefault) {
        Object(store, where, {"name", "default", "storeId", "folders"});
        const std::string name = Name(store, where);
        auto storeId = Id(store, "storeId", where);
        std::shared_ptr<SimFolder> top;
        try {
            top = host_.Mailbox().AddStore(name, storeId);
        } catch (const UserActionError& error) {
            Fail(where + ".name", error.what());
        }
        Unique(top->StoreId(), where + ".storeId");
        Unique(top->EntryId(), where);
        if (isDefault) {
            host_.Mailbox().SetDefaultStore(name);
        }
        Folders(top, store, where, isDefault);
    }

    void Folders(const std::shared_ptr<SimFolder>& parent, const Json& owner,
                 const std::string& where, bool inDefaultStore) {
        const Json& folders = Array(owner, "folders", where + ".folders");
        for (std::size_t i = 0; i < folders.size(); ++i) {
            Folder(parent, folders[i], where + ".folders[" + std::to_string(i) + "]",
                   inDefaultStore);
        }
    }

    void Folder(const std::shared_ptr<SimFolder>& parent, const Json& json,
                const std::string& where, bool inDefaultStore) {
        Object(json, where, {"name", "itemType", "defaultFolder", "entryId", "items", "folders"});
        const std::string name = Name(json, where);
        if (parent->Subfolder(name)) {
            Fail(where + ".name", "there is already a folder \"" + name + "\" here");
        }
        std::optional<int> kind;
        if (json.contains("defaultFolder")) {
            kind = MailboxNames::DefaultFolderKind(Text(json, "defaultFolder", where));
            if (!kind) {
                Fail(where + ".defaultFolder", "not a default folder's name");
            }
            if (!inDefaultStore) {
                Fail(where + ".defaultFolder", "default folders belong to the default store");
            }
            if (host_.Mailbox().DefaultFolder(*kind)) {
                Fail(where + ".defaultFolder", "this default folder is given twice");
            }
        }
        host::ItemType type = kind ? MailboxNames::DefaultFolderType(*kind) : host::ItemType::Mail;
        if (json.contains("itemType")) {
            type = KindNamed(Text(json, "itemType", where), where + ".itemType").Type;
        }
        auto folder = parent->AddSubfolder(name, type);
        if (auto entryId = Id(json, "entryId", where)) {
            folder->SetEntryId(*entryId);
        }
        Unique(folder->EntryId(), where + ".entryId");
        if (kind) {
            host_.Mailbox().SetDefaultFolder(*kind, folder);
        }
        const Json& items = Array(json, "items", where + ".items");
        for (std::size_t i = 0; i < items.size(); ++i) {
            Item(folder, items[i], where + ".items[" + std::to_string(i) + "]", i + 1);
        }
        Folders(folder, json, where, inDefaultStore);
    }

    const ItemKind& KindNamed(const std::string& name, const std::string& where) const {
        const ItemKind* kind = ItemKinds::ByFileName(name);
        if (!kind) {
            Fail(where, "unknown item type \"" + name + "\"");
        }
        return *kind;
    }

    void Item(const std::shared_ptr<SimFolder>& folder, const Json& json, const std::string& where,
              std::size_t position) {
        if (!json.is_object()) {
            Fail(where, "an object is expected");
        }
        const ItemKind& kind = json.contains("type")
                                   ? KindNamed(Text(json, "type", where), where + ".type")
                                   : ItemKinds::Of(folder->DefaultType());
        auto item = SimItemFactory::Blank(host_.CorePtr(), kind.Type);
        for (const auto& [key, value] : json.items()) {
            const std::string at = where + "." + key;
            if (key == "type" || key == "entryId") {
                continue;
            }
            if (key == "sent" && kind.Type == host::ItemType::Mail) {
                item->SetSent(Flag(json, "sent", where));
            } else if (key == "recipients" && kind.Type == host::ItemType::Mail) {
                Recipients(*item, value, at);
            } else if (key == "links" && (kind.Type == host::ItemType::Mail ||
                                          ItemKinds::FieldOf(kind.Type, "Start"))) {
                for (std::size_t i = 0; i < Array(json, "links", at).size(); ++i) {
                    links_.push_back({item, &value[i], at + "[" + std::to_string(i) + "]"});
                }
            } else if (key == "attachments" && kind.Type == host::ItemType::Journal) {
                Attachments(*item, value, at);
            } else {
                Field(*item, key, value, at);
            }
        }
        const auto entryId = Id(json, "entryId", where);
        item->SetEntryId(entryId.value_or(HostIds::ItemEntryID(
            folder->StoreName(), folder->Path(), "item#" + std::to_string(position))));
        Unique(item->EntryId(), where + ".entryId");
        folder->Insert(item, false);
    }

    void Field(SimItemState& item, const std::string& key, const Json& value,
               const std::string& where) const {
        const auto type = ItemKinds::FieldOf(item.Kind(), key);
        if (!type) {
            Fail(where, "a " + item.KindInfo().FileName + " item has no field \"" + key + "\"");
        }
        if (*type == FieldType::Text) {
            if (!value.is_string()) {
                Fail(where, "a text is expected");
            }
            item.SetTextField(key, value.get<std::string>());
        } else if (*type == FieldType::Number) {
            if (!value.is_number_integer()) {
                Fail(where, "a whole number is expected");
            }
            item.SetNumberField(key, value.get<std::int32_t>());
        } else {
            auto date = value.is_string() ? MailboxNames::ParseDate(value.get<std::string>())
                                          : std::nullopt;
            if (!date) {
                Fail(where, "a date such as \"2000-03-06T09:30:00Z\" is expected");
            }
            item.SetDateField(key, *date);
        }
    }

    void Recipients(SimItemState& item, const Json& list, const std::string& where) const {
        if (!list.is_array()) {
            Fail(where, "a list is expected");
        }
        for (std::size_t i = 0; i < list.size(); ++i) {
            const std::string at = where + "[" + std::to_string(i) + "]";
            Object(list[i], at, {"name", "address", "kind"});
            const std::string address = Text(list[i], "address", at);
            const std::string name = Text(list[i], "name", at);
            auto kind = MailboxNames::RecipientKindOf(
                list[i].contains("kind") ? Text(list[i], "kind", at) : "to");
            if (!kind) {
                Fail(at + ".kind", "\"to\", \"cc\" or \"bcc\" is expected");
            }
            if (name.empty() && address.empty()) {
                Fail(at, "a recipient needs a name or an address");
            }
            item.RecipientsObject().AddRecipient(name.empty() ? address : name, address, *kind);
        }
    }

    void Attachments(SimItemState& item, const Json& list, const std::string& where) const {
        if (!list.is_array()) {
            Fail(where, "a list is expected");
        }
        for (std::size_t i = 0; i < list.size(); ++i) {
            const std::string at = where + "[" + std::to_string(i) + "]";
            Object(list[i], at, {"type", "displayName", "source", "position"});
            const Json& type = list[i].contains("type") ? list[i].at("type") : Json();
            if (!type.is_number_integer() || (type != host::AttachmentType::ByValue &&
                                              type != host::AttachmentType::ByReference &&
                                              type != host::AttachmentType::EmbeddedItem)) {
                Fail(at + ".type", "1 (by value), 4 (by reference) or 5 (embedded) is expected");
            }
            const Json& position = list[i].contains("position") ? list[i].at("position") : Json(0);
            if (!position.is_number_integer()) {
                Fail(at + ".position", "a whole number is expected");
            }
            item.AttachmentsObject().Append({type.get<int>(), Text(list[i], "displayName", at),
                                             Text(list[i], "source", at, true),
                                             position.get<std::int32_t>()});
        }
    }

    void ResolveLinks() {
        for (const auto& link : links_) {
            Object(*link.target, link.where, {"folder", "item", "entryId"});
            std::shared_ptr<SimItemState> target;
            if (link.target->contains("entryId")) {
                const std::string id = Text(*link.target, "entryId", link.where);
                target = FindItem(id);
            } else {
                auto folder =
                    host_.Mailbox().FolderAt(Text(*link.target, "folder", link.where, true));
                const Json& index =
                    link.target->contains("item") ? link.target->at("item") : Json();
                if (!folder) {
                    Fail(link.where + ".folder", "there is no such folder");
                }
                if (!index.is_number_integer() || index.get<std::int64_t>() < 1 ||
                    index.get<std::size_t>() > folder->Contents().size()) {
                    Fail(link.where + ".item",
                         "the position of an item of the folder, from 1, is expected");
                }
                target = folder->Contents()[index.get<std::size_t>() - 1].get();
            }
            if (!target || target->Kind() != host::ItemType::Contact) {
                Fail(link.where, "a link must name a contact of the mailbox");
            }
            link.item->LinksObject().AddLink(target);
        }
    }

    std::shared_ptr<SimItemState> FindItem(const std::string& entryId) const {
        for (const auto& store : host_.Mailbox().Stores()) {
            if (auto item = host_.Mailbox().ItemById(entryId, store.StoreId)) {
                return item;
            }
        }
        return nullptr;
    }

    SimHost& host_;
    std::string source_;
    std::set<std::string> ids_;
    std::vector<PendingLink> links_;
};

Json Parse(const std::string& text, const std::string& source) {
    JsonLimits::Check(text, source);
    try {
        return Json::parse(text);
    } catch (const Json::parse_error& error) {
        std::size_t line = 1;
        std::size_t column = 1;
        for (std::size_t i = 0; i + 1 < error.byte && i < text.size(); ++i) {
            if (text[i] == '\n') {
                ++line;
                column = 1;
            } else {
                ++column;
            }
        }
        throw MailboxError(source + ": line " + std::to_string(line) + ", column " +
                           std::to_string(column) + ": the text is not valid JSON");
    } catch (const Json::exception& error) {
        // What the check before parsing did not foresee still names the file.
        throw MailboxError(source + ": the text cannot be read as JSON (" + error.what() + ")");
    }
}

}  // namespace

void MailboxLoader::LoadFile(SimHost& host, const std::string& path) {
    std::string text;
    try {
        text = WholeFile("mailbox file", MaxFileBytes).Read(path);
    } catch (const WholeFile::Refused& refused) {
        throw MailboxError(refused.what());
    }
    LoadText(host, text, path);
}

void MailboxLoader::LoadText(SimHost& host, const std::string& text, const std::string& source) {
    const Json root = Parse(text, source);
    // A trial load into a host of its own finds every fault before the real host is touched.
    {
        SimHost trial;
        Builder(trial, source).Build(root);
    }
    for (std::size_t i = 0; i < root.at("stores").size(); ++i) {
        const std::string name = root.at("stores")[i].at("name").get<std::string>();
        if (host.Mailbox().FolderAt(name)) {
            throw MailboxError(source + ": stores[" + std::to_string(i) +
                               "].name: the host has a store \"" + name + "\" already");
        }
    }
    Builder(host, source).Build(root);
}

}  // namespace pwk::sim
