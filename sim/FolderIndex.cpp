#include "sim/FolderIndex.h"

#include "sim/FindFilter.h"
#include "sim/SimItemState.h"

namespace pwk::sim {

void FolderIndex::Add(SimItemState& item) {
    for (const auto& spec : item.KindInfo().Fields) {
        if (ItemKinds::Indexed(spec.Name)) {
            Put(item, spec.Name, item.TextField(spec.Name));
        }
    }
}

void FolderIndex::Remove(SimItemState& item) {
    for (const auto& spec : item.KindInfo().Fields) {
        if (ItemKinds::Indexed(spec.Name)) {
            Erase(item, spec.Name, item.TextField(spec.Name));
        }
    }
}

void FolderIndex::Change(SimItemState& item, const std::string& field, const std::string& from,
                         const std::string& to) {
    Erase(item, field, from);
    Put(item, field, to);
}

SimItemState* FolderIndex::First(const std::string& field, const std::string& value) const {
    auto values = fields_.find(field);
    if (values == fields_.end()) {
        return nullptr;
    }
    auto found = values->second.find(FindFilter::FoldCase(value));
    return found == values->second.end() ? nullptr : found->second.begin()->second;
}

void FolderIndex::Put(SimItemState& item, const std::string& field, const std::string& value) {
    fields_[field][FindFilter::FoldCase(value)][item.Sequence()] = &item;
}

void FolderIndex::Erase(SimItemState& item, const std::string& field, const std::string& value) {
    auto& values = fields_[field];
    if (auto found = values.find(FindFilter::FoldCase(value)); found != values.end()) {
        found->second.erase(item.Sequence());
        if (found->second.empty()) {
            values.erase(found);
        }
    }
}

}  // namespace pwk::sim
