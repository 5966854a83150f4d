#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <variant>

#include "sim/ItemHolder.h"
#include "sim/ItemKinds.h"
#include "sim/SimObject.h"
#include "src/host/Events.h"
#include "src/host/HostTypes.h"
#include "src/util/EventSource.h"
#include "src/util/Ref.h"

namespace pwk::host {
class HostObject;
class Item;
}  // namespace pwk::host

namespace pwk::sim {

class SimLinks;
class SimRecipients;
class SimAttachments;

using FieldValue = std::variant<std::string, host::Date, std::int32_t>;

// What every simulated item holds, whatever its kind: its fields, its folder, its identifier,
// and the verbs the host runs on it. The item classes add the members of their interface on
// top, and keep the item's links, recipients and attachments (SimItemBase).
class SimItemState : public SimObject {
  public:
    ~SimItemState() override;

    host::ItemType Kind() const { return kind_; }
    const ItemKind& KindInfo() const { return ItemKinds::Of(kind_); }

    // Fields by name; a field never set reads as empty (zero, the epoch).
    std::string TextField(const std::string& field) const;
    void SetTextField(const std::string& field, std::string value);
    host::Date DateField(const std::string& field) const;
    void SetDateField(const std::string& field, host::Date value);
    std::int32_t NumberField(const std::string& field) const;
    void SetNumberField(const std::string& field, std::int32_t value);
    const std::map<std::string, FieldValue>& Fields() const { return fields_; }

    // The folder that holds the item or, for a new item, the one it will be saved to.
    std::shared_ptr<ItemHolder> Folder() const { return folder_.lock(); }
    void SetFolder(const std::shared_ptr<ItemHolder>& folder) { folder_ = folder; }
    Ref<host::HostObject> ParentObject() const;
    bool InFolder() const { return inFolder_; }
    const std::string& EntryId() const { return entryId_; }
    void SetEntryId(std::string entryId) { entryId_ = std::move(entryId); }
    bool Sent() const { return sent_; }
    void SetSent(bool sent) { sent_ = sent; }

    // Called by the folder as it takes the item in or lets it go.
    void Placed(std::uint64_t sequence) { sequence_ = sequence, inFolder_ = true; }
    void Removed() { inFolder_ = false; }
    std::uint64_t Sequence() const { return sequence_; }

    // The verbs. Save raises Write first; a cancelled Write leaves the item unsaved.
    void SaveNow();
    void DeleteNow();
    std::shared_ptr<SimItemState> CopyNow();
    void MoveNow(const std::shared_ptr<ItemHolder>& folder);

    // Made when first asked for.
    virtual SimLinks& LinksObject() = 0;
    virtual SimRecipients& RecipientsObject() = 0;
    virtual SimAttachments& AttachmentsObject() = 0;
    EventSource<host::ItemEvents>& WriteEvents() { return writeEvents_; }

    Ref<host::Item> AsItem();
    std::string AuditName() const override;

  protected:
    SimItemState(std::shared_ptr<SimCore> core, host::ItemType kind);

    // Gives `copy` copies of the links, recipients and attachments this item has.
    virtual void CopyPartsTo(SimItemState& copy) const = 0;

  private:
    void AssignEntryId(const ItemHolder& folder);
    ItemHolder& LiveFolder() const;

    host::ItemType kind_;
    std::map<std::string, FieldValue> fields_;
    std::weak_ptr<ItemHolder> folder_;
    bool inFolder_ = false;
    std::uint64_t sequence_ = 0;
    std::string entryId_;
    bool sent_ = false;
    EventSource<host::ItemEvents> writeEvents_;
};

}  // namespace pwk::sim
