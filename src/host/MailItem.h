#pragma once

#include <memory>
#include <string>

#include "src/host/Item.h"
#include "src/util/Ref.h"

namespace pwk::host {

class Recipients;
class Links;
class MAPIFolder;

class MailItem : public Item {
  public:
    std::string TypeName() const override { return "MailItem"; }

    virtual Ref<Recipients> GetRecipients() = 0;
    virtual Ref<Links> GetLinks() = 0;
    // A new item in the same folder, with the same content.
    virtual Ref<MailItem> Copy() = 0;
    // Moves the item into `folder`; returns the moved item.
    virtual Ref<MailItem> Move(const Ref<MAPIFolder>& folder) = 0;
};

}  // namespace pwk::host
