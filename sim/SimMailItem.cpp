#include "sim/SimMailItem.h"
#include "src/util/Ref.h"

#include "sim/SimFolder.h"
#include "sim/SimLinks.h"
#include "sim/SimRecipients.h"

namespace pwk::sim {

Ref<host::Recipients> SimMailItem::GetRecipients() {
    if (EnterGetter("Recipients")) {
        return nullptr;
    }
    return RecipientsObject().Self<host::Recipients>();
}

Ref<host::Links> SimMailItem::GetLinks() {
    if (EnterGetter("Links")) {
        return nullptr;
    }
    return LinksObject().Self<host::Links>();
}

Ref<host::MailItem> SimMailItem::Copy() {
    if (EnterGetter("Copy")) {
        return nullptr;
    }
    return CopyNow()->Self<host::MailItem>();
}

Ref<host::MailItem> SimMailItem::Move(const Ref<host::MAPIFolder>& folder) {
    if (EnterGetter("Move")) {
        return nullptr;
    }
    if (!folder) {
        Raise(FailureNumber::TypeMismatch, "MailItem.Move");
    }
    auto target = As<SimFolder>(folder);
    if (!target) {
        Raise(FailureNumber::TypeMismatch, "MailItem.Move");
    }
    MoveNow(target);
    return Self<host::MailItem>();
}

}  // namespace pwk::sim
