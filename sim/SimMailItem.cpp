#include "src/util/Ref.h"
#include "sim/SimMailItem.h"

#include "sim/SimFolder.h"
#include "sim/SimLinks.h"
#include "sim/SimRecipients.h"

namespace pwk::sim {

Ref<host::Recipients> SimMailItem::GetRecipients() {
    Enter("Recipients");
    return RecipientsObject().Self<host::Recipients>();
}

Ref<host::Links> SimMailItem::GetLinks() {
    Enter("Links");
    return LinksObject().Self<host::Links>();
}

Ref<host::MailItem> SimMailItem::Copy() {
    Enter("Copy");
    return CopyNow()->Self<host::MailItem>();
}

Ref<host::MailItem> SimMailItem::Move(const Ref<host::MAPIFolder>& folder) {
    Enter("Move");
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
