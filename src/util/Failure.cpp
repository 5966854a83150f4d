#include "src/util/Failure.h"

#include <new>

namespace pwk {

std::string DescriptionOf(std::int32_t number) {
    switch (number) {
        case FailureNumber::InvalidProcedureCall:
            return "Invalid procedure call or argument";
        case FailureNumber::Overflow:
            return "Overflow";
        case FailureNumber::OutOfMemory:
            return "Out of memory";
        case FailureNumber::SubscriptOutOfRange:
            return "Subscript out of range";
        case FailureNumber::TypeMismatch:
            return "Type mismatch";
        case FailureNumber::FileNotFound:
            return "File not found";
        case FailureNumber::PermissionDenied:
            return "Permission denied";
        case FailureNumber::PathFileAccessError:
            return "Path/File access error";
        case FailureNumber::PathNotFound:
            return "Path not found";
        case FailureNumber::ObjectNotSet:
            return "Object variable or With block variable not set";
        case FailureNumber::CannotCreateObject:
            return "ActiveX component can't create object";
        case FailureNumber::DuplicateKey:
            return "This key is already associated with an element of this collection";
        default:
            return "Application-defined or object-defined error";
    }
}

void Raise(std::int32_t number, const std::string& source) {
    throw Failure(number, DescriptionOf(number), source);
}

Failure AsFailure(const std::exception& caught) {
    if (const auto* failure = dynamic_cast<const Failure*>(&caught)) {
        return *failure;
    }
    if (dynamic_cast<const std::bad_alloc*>(&caught) != nullptr) {
        return Failure(FailureNumber::OutOfMemory, DescriptionOf(FailureNumber::OutOfMemory));
    }
    return Failure(FailureNumber::InvalidProcedureCall, caught.what());
}

}  // namespace pwk
