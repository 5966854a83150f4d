#include "sim/SimMailItem.h"

#include "sim/SimFolder.h"
#include "sim/SimLinks.h"
#include "sim/SimRecipients.h"

namespace pwk::sim {

std::shared_ptr<host::Recipients> SimMailItem::GetRecipients() {
    Enter("Recipients");
    return RecipientsObject().Self<host::Recipients>();
}

std::shared_ptr<host::Links> SimMailItem::GetLinks() {
    Enter("Links");
    return LinksObject().Self<host::Links>();
}

std::shared_ptr<host::MailItem> SimMailItem::Copy() {
    Enter("Copy");
    return CopyNow()->Self<host::MailItem>();
}

std::shared_ptr<host::MailItem> SimMailItem::Move(const std::shared_ptr<host::MAPIFolder>& folder) {
    Enter("Move");
    if (!folder) {
        Raise(FailureNumber::TypeMismatch, "MailItem.Move");
    }
    auto target = std::dynamic_pointer_cast<SimFolder>(folder);
    if (!target) {
        Raise(FailureNumber::TypeMismatch, "MailItem.Move");
    }
    MoveNow(target);
    return Self<host::MailItem>();
}

}  // namespace pwk::sim
