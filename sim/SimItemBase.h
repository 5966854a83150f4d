#pragma once

#include <memory>
#include <string>
#include <utility>

#include "sim/Owned.h"
#include "sim/SimAttachments.h"
#include "sim/SimBase.h"
#include "sim/SimItemState.h"
#include "sim/SimLinks.h"
#include "sim/SimRecipients.h"
#include "sim/SimWorld.h"
#include "src/host/HostObject.h"
#include "src/util/Ref.h"

namespace pwk::sim {

// The members every item interface shares, over the item's state, and the item's links,
// recipients and attachments.
template <class Interface>
class SimItemBase : public SimBase<Interface, SimItemState> {
  public:
    SimLinks& LinksObject() override { return Made(links_); }
    SimRecipients& RecipientsObject() override { return Made(recipients_); }
    SimAttachments& AttachmentsObject() override { return Made(attachments_); }

    host::ItemType Class() override {
        this->Enter("Class");
        return this->Kind();
    }
    Ref<host::HostObject> Parent() override {
        if (this->EnterGetter("Parent")) {
            return nullptr;
        }
        return this->ParentObject();
    }
    std::string EntryID() override {
        this->Enter("EntryID");
        return this->EntryId();
    }
    std::string Subject() override { return Get("Subject"); }
    void SetSubject(const std::string& subject) override { Set("Subject", subject); }
    std::string Body() override { return Get("Body"); }
    void SetBody(const std::string& body) override { Set("Body", body); }
    void Save() override {
        this->Enter("Save");
        this->SaveNow();
    }
    void Delete() override {
        this->Enter("Delete");
        this->DeleteNow();
    }
    void Display(bool modal) override {
        this->Enter("Display");
        this->Core().world().Display(*this, modal);
    }

  protected:
    SimItemBase(std::shared_ptr<SimCore> core, host::ItemType kind)
        : SimBase<Interface, SimItemState>(std::move(core), kind) {}

    void CopyPartsTo(SimItemState& copy) const override {
        if (links_) {
            copy.LinksObject().CopyFrom(*links_);
        }
        if (recipients_) {
            copy.RecipientsObject().CopyFrom(*recipients_);
        }
        if (attachments_) {
            copy.AttachmentsObject().CopyFrom(*attachments_);
        }
    }

    // A text property: the call check under the field's name, then the field.
    std::string Get(const char* field) const {
        this->Enter(field);
        return this->TextField(field);
    }
    void Set(const char* field, const std::string& value) {
        this->Enter(field);
        this->SetTextField(field, value);
    }

  private:
    template <class T>
    T& Made(Owned<T>& part) {
        if (!part) {
            part = MakeSim<T>(this->CorePtr());
        }
        return *part;
    }

    Owned<SimLinks> links_;
    Owned<SimRecipients> recipients_;
    Owned<SimAttachments> attachments_;
};

}  // namespace pwk::sim
