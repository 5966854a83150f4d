#include "sim/SimLinks.h"
#include "src/util/Ref.h"

#include "sim/HostError.h"
#include "sim/SimCollection.h"
#include "src/host/ContactItem.h"

namespace pwk::sim {

std::int32_t SimLinks::Count() {
    Enter("Count");
    return SimCollection::Count(links_);
}

Ref<host::Link> SimLinks::Item(std::int32_t index) {
    if (EnterGetter("Item")) {
        return nullptr;
    }
    return SimCollection::At(links_, index, "Links.Item").get();
}

Ref<host::Link> SimLinks::Add(const Ref<host::ContactItem>& contact) {
    if (EnterGetter("Add")) {
        return nullptr;
    }
    auto state = As<SimItemState>(contact);
    if (!state) {
        Raise(FailureNumber::TypeMismatch, "Links.Add");
    }
    if (!state->Valid()) {
        throw Failure(HostError::ItemDeleted, "The item has been moved or deleted.", "Links.Add");
    }
    if (!state->InFolder()) {
        throw Failure(HostError::OperationFailed, "The contact must be saved before it is linked.",
                      "Links.Add");
    }
    AddLink(state);
    return links_.back().get();
}

void SimLinks::AddLink(const std::shared_ptr<SimItemState>& contact) {
    links_.emplace_back(MakeSim<SimLink>(CorePtr(), contact));
}

void SimLinks::CopyFrom(const SimLinks& other) {
    for (const auto& link : other.links_) {
        AddLink(link->Target());
    }
}

}  // namespace pwk::sim
