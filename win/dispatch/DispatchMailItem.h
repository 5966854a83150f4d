#pragma once

#include "src/host/Links.h"
#include "src/host/MAPIFolder.h"
#include "src/host/MailItem.h"
#include "src/host/Recipients.h"
#include "win/dispatch/DispatchItem.h"

namespace pwk::win {

class DispatchMailItem final : public DispatchItem<host::MailItem> {
  public:
    using DispatchItem::DispatchItem;
    Ref<host::Recipients> GetRecipients() override {
        return Object<host::Recipients>("Recipients");
    }
    Ref<host::Links> GetLinks() override { return Object<host::Links>("Links"); }
    Ref<host::MailItem> Copy() override { return CallObject<host::MailItem>("Copy"); }
    Ref<host::MailItem> Move(const Ref<host::MAPIFolder>& folder) override {
        return CallObject<host::MailItem>("Move", DispatchOf(folder.get()));
    }
};

}  // namespace pwk::win
