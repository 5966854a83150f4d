#pragma once

#include <memory>
#include <string>

#include "src/host/Item.h"

namespace pwk::host {

class Recipients;
class Links;
class MAPIFolder;

class MailItem : public Item {
  public:
    std::string TypeName() const override { return "MailItem"; }

    virtual std::shared_ptr<Recipients> GetRecipients() = 0;
    virtual std::shared_ptr<Links> GetLinks() = 0;
    // A new item in the same folder, with the same content.
    virtual std::shared_ptr<MailItem> Copy() = 0;
    // Moves the item into `folder`; returns the moved item.
    virtual std::shared_ptr<MailItem> Move(const std::shared_ptr<MAPIFolder>& folder) = 0;
};

}  // namespace pwk::host
