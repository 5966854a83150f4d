#include "win/platform/RegistryTree.h"

#include <algorithm>
#include <utility>

#include "win/platform/RegistryReadCache.h"

namespace pwk::win {

// A key of a walk, opened at the first need: below the key above it, or from the root for the
// walk's top.
class RegistryTree::WalkKey {
  public:
    WalkKey(HKEY root, const std::wstring& path) : root_(root), name_(path) {}
    WalkKey(WalkKey& above, const std::wstring& name) : above_(&above), name_(name) {}

    // The open key, or null with the status of the failed open.
    const RegistryKey* Open(LONG& status) {
        if (key_) {
            return &*key_;
        }
        if (above_ == nullptr) {
            key_ = RegistryKey::Open(root_, name_, KEY_READ, status);
        } else if (const RegistryKey* above = above_->Open(status)) {
            key_ = RegistryKey::Open(above->Handle(), name_, KEY_READ, status);
        }
        return key_ ? &*key_ : nullptr;
    }

  private:
    HKEY root_ = nullptr;
    WalkKey* above_ = nullptr;
    const std::wstring& name_;
    std::optional<RegistryKey> key_;
};

std::optional<RegistryTree> RegistryTree::Load(HKEY root, const std::wstring& path, LONG& status,
                                               RegistryReadCache* cache) {
    RegistryReadCache listing;  // keeps nothing: every key is listed
    WalkKey top(root, path);
    RegistryTree tree;
    status = tree.Read(top, path, cache != nullptr ? *cache : listing);
    if (status != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return tree;
}

LONG RegistryTree::Read(WalkKey& key, const std::wstring& path, RegistryReadCache& cache) {
    LONG status = ERROR_SUCCESS;
    const RegistryReadCache::Contents* contents = cache.Trusted(path);
    if (contents == nullptr) {
        const RegistryKey* open = key.Open(status);
        if (open == nullptr) {
            return status;
        }
        contents = &cache.Read(*open, path, status);
        if (status != ERROR_SUCCESS) {
            return status;
        }
    }
    for (const Value& value : contents->Values) {
        values_.emplace(Folded(value.Name), value);
    }
    // Copied out: the next read may answer in the same place.
    const std::vector<std::wstring> subkeys = contents->Subkeys;
    for (const std::wstring& name : subkeys) {
        WalkKey below(key, name);
        RegistryTree& sub = Own(Folded(name), name);
        if (status = sub.Read(below, path + L"\\" + name, cache); status != ERROR_SUCCESS) {
            return status;
        }
    }
    return ERROR_SUCCESS;
}

const RegistryTree* RegistryTree::Find(const std::wstring& path) const {
    const RegistryTree* tree = this;
    std::size_t start = 0;
    while (tree != nullptr && start < path.size()) {
        const std::size_t end = std::min(path.find(L'\\', start), path.size());
        const auto found = tree->keys_.find(Folded(path.substr(start, end - start)));
        tree = found == tree->keys_.end() ? nullptr : found->second.get();
        start = end + 1;
    }
    return tree;
}

RegistryTree& RegistryTree::Make(const std::wstring& path) {
    RegistryTree* tree = this;
    std::size_t start = 0;
    while (start < path.size()) {
        const std::size_t end = std::min(path.find(L'\\', start), path.size());
        const std::wstring name = path.substr(start, end - start);
        tree = &tree->Own(Folded(name), name);
        start = end + 1;
    }
    return *tree;
}

RegistryTree& RegistryTree::Own(const std::wstring& folded, const std::wstring& name) {
    std::shared_ptr<RegistryTree>& sub = keys_[folded];
    if (!sub) {
        sub = std::make_shared<RegistryTree>();
        sub->name_ = name;
    } else if (sub.use_count() > 1) {
        sub = std::make_shared<RegistryTree>(*sub);
    }
    return *sub;
}

bool RegistryTree::Remove(const std::wstring& path) {
    if (path.empty() || Find(path) == nullptr) {
        return false;  // nothing copied for a key that is not there
    }
    RegistryTree* parent = this;
    std::size_t start = 0;
    for (std::size_t end; (end = path.find(L'\\', start)) != std::wstring::npos; start = end + 1) {
        const std::wstring folded = Folded(path.substr(start, end - start));
        const auto found = parent->keys_.find(folded);
        if (found == parent->keys_.end()) {
            return false;
        }
        parent = &parent->Own(folded, found->second->name_);
    }
    return parent->keys_.erase(Folded(path.substr(start))) != 0;
}

void RegistryTree::Clear() {
    values_.clear();
    keys_.clear();
}

void RegistryTree::Set(Value value) {
    std::wstring folded = Folded(value.Name);
    const auto held = values_.find(folded);
    if (held != values_.end()) {
        held->second.Type = value.Type;
        held->second.Data = std::move(value.Data);
        return;
    }
    values_.emplace(std::move(folded), std::move(value));
}

}  // namespace pwk::win
