#include "win/platform/RegistrySync.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>

#include "win/platform/RegistryTree.h"

namespace pwk::win {

namespace {

// A kept plan is cut into values of at most this many bytes, each holding whole steps.
constexpr std::size_t kChunkBytes = 256 * 1024;

void PutNumber(std::vector<BYTE>& out, DWORD number) {
    const auto* bytes = reinterpret_cast<const BYTE*>(&number);
    out.insert(out.end(), bytes, bytes + sizeof(number));
}

void PutBytes(std::vector<BYTE>& out, const void* data, std::size_t size) {
    PutNumber(out, static_cast<DWORD>(size));
    const auto* bytes = static_cast<const BYTE*>(data);
    out.insert(out.end(), bytes, bytes + size);
}

// Reads what PutNumber and PutBytes wrote; false once the data runs short.
class Reader {
  public:
    explicit Reader(const RegistryBytes& data) : data_(data) {}
    bool Done() const { return at_ == data_.size(); }
    bool Number(DWORD& number) {
        if (data_.size() - at_ < sizeof(number)) {
            return false;
        }
        std::memcpy(&number, data_.data() + at_, sizeof(number));
        at_ += sizeof(number);
        return true;
    }
    bool Bytes(RegistryBytes& bytes) {
        DWORD size = 0;
        if (!Number(size) || data_.size() - at_ < size) {
            return false;
        }
        bytes = RegistryBytes(data_.data() + at_, size);
        at_ += size;
        return true;
    }
    bool Text(std::wstring& text) {
        RegistryBytes bytes;
        if (!Bytes(bytes) || bytes.size() % sizeof(wchar_t) != 0) {
            return false;
        }
        text.assign(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
        return true;
    }

  private:
    const RegistryBytes& data_;
    std::size_t at_ = 0;
};

// The part of `key` below `top` ("" for `top` itself); nothing when `key` is not at or below it.
// `top` is folded already.
std::optional<std::wstring> Below(const std::wstring& key, const std::wstring& top) {
    if (key.size() < top.size() || RegistryTree::Folded(key.substr(0, top.size())) != top) {
        return std::nullopt;
    }
    if (key.size() == top.size()) {
        return std::wstring();
    }
    if (key[top.size()] != L'\\') {
        return std::nullopt;
    }
    return key.substr(top.size() + 1);
}

}  // namespace

RegistrySync RegistrySync::Plan(HKEY root, const std::wstring& source, const std::wstring& target,
                                LONG& status) {
    const auto from = RegistryTree::Load(root, source, status);
    if (!from) {
        return {};
    }
    LONG found = ERROR_SUCCESS;
    const auto to = RegistryTree::Load(root, target, found);
    if (!to && found != ERROR_FILE_NOT_FOUND) {
        status = found;
        return {};
    }
    return Plan(*from, to ? &*to : nullptr, target);
}

RegistrySync RegistrySync::Plan(const RegistryTree& wanted, const RegistryTree* held,
                                const std::wstring& target) {
    RegistrySync sync;
    sync.PlanKey(wanted, held, target);
    return sync;
}

RegistrySync RegistrySync::Removal(const std::wstring& target) {
    RegistrySync sync;
    sync.steps_.push_back({Step::Kind::RemoveTree, target, {}});
    return sync;
}

void RegistrySync::Append(const RegistrySync& other) {
    steps_.insert(steps_.end(), other.steps_.begin(), other.steps_.end());
}

void RegistrySync::PlanKey(const RegistryTree& from, const RegistryTree* to,
                           const std::wstring& target) {
    if (to == nullptr) {
        steps_.push_back({Step::Kind::Create, target, {}});
    }
    for (const auto& [folded, value] : from.Values()) {
        const auto same = to != nullptr ? to->Values().find(folded) : from.Values().end();
        const bool held = to != nullptr && same != to->Values().end();
        if (held && same->second.Name != value.Name) {
            steps_.push_back({Step::Kind::RemoveValue, target, {same->second.Name, 0, {}}});
        } else if (held && same->second.Type == value.Type && same->second.Data == value.Data) {
            continue;
        }
        steps_.push_back({Step::Kind::Set, target, value});
    }
    if (to != nullptr) {
        for (const auto& [folded, value] : to->Values()) {
            if (from.Values().count(folded) == 0) {
                steps_.push_back({Step::Kind::RemoveValue, target, {value.Name, 0, {}}});
            }
        }
    }
    for (const auto& [folded, child] : from.Keys()) {
        const RegistryTree* heldChild = nullptr;
        if (to != nullptr) {
            if (const auto match = to->Keys().find(folded); match != to->Keys().end()) {
                if (match->second == child) {
                    continue;  // one key shared by both trees: the same throughout
                }
                if (match->second->Name() == child->Name()) {
                    heldChild = match->second.get();
                } else {
                    steps_.push_back(
                        {Step::Kind::RemoveTree, target + L"\\" + match->second->Name(), {}});
                }
            }
        }
        PlanKey(*child, heldChild, target + L"\\" + child->Name());
    }
    if (to != nullptr) {
        for (const auto& [folded, child] : to->Keys()) {
            if (from.Keys().count(folded) == 0) {
                steps_.push_back({Step::Kind::RemoveTree, target + L"\\" + child->Name(), {}});
            }
        }
    }
}

LONG RegistrySync::Apply(HKEY root) const {
    // Consecutive steps mostly share their key: it is opened once for them.
    std::wstring openPath;
    std::optional<RegistryKey> open;
    LONG status = ERROR_SUCCESS;
    for (const Step& step : steps_) {
        if (step.What == Step::Kind::RemoveTree) {
            open.reset();
            openPath.clear();
            status = RegistryKey::DeleteTree(root, step.Key);
        } else {
            if (!open || openPath != step.Key) {
                open = RegistryKey::Create(root, step.Key, status);
                openPath = open ? step.Key : std::wstring();
            }
            if (!open) {
                return status;
            }
            if (step.What == Step::Kind::Set) {
                status = RegSetValueExW(open->Handle(), step.Value.Name.c_str(), 0, step.Value.Type,
                                        step.Value.Data.data(),
                                        static_cast<DWORD>(step.Value.Data.size()));
            } else if (step.What == Step::Kind::RemoveValue) {
                status = RegDeleteValueW(open->Handle(), step.Value.Name.c_str());
                status = status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status;
            }
        }
        if (status != ERROR_SUCCESS) {
            return status;
        }
    }
    return status;
}

bool RegistrySync::Touches(const std::wstring& path) const {
    const std::wstring top = RegistryTree::Folded(path);
    return std::any_of(steps_.begin(), steps_.end(),
                       [&](const Step& step) { return Below(step.Key, top).has_value(); });
}

void RegistrySync::Overlay(RegistryTree& tree, const std::wstring& path) const {
    const std::wstring top = RegistryTree::Folded(path);
    for (const Step& step : steps_) {
        const auto below = Below(step.Key, top);
        if (!below) {
            continue;
        }
        // The same order and effect as Apply: a key is made before its values are written.
        switch (step.What) {
            case Step::Kind::Create:
                tree.Make(*below);
                break;
            case Step::Kind::Set:
                tree.Make(*below).Set(step.Value);
                break;
            case Step::Kind::RemoveValue:
                tree.Make(*below).RemoveValue(step.Value.Name);
                break;
            case Step::Kind::RemoveTree:
                if (below->empty()) {
                    tree.Clear();
                } else {
                    tree.Remove(*below);
                }
                break;
        }
    }
}

LONG RegistrySync::Keep(const RegistryKey& key) const {
    std::vector<BYTE> chunk;
    DWORD written = 0;
    const auto flush = [&] {
        const std::wstring name = std::to_wstring(written++);
        return RegSetValueExW(key.Handle(), name.c_str(), 0, REG_BINARY, chunk.data(),
                              static_cast<DWORD>(chunk.size()));
    };
    for (const Step& step : steps_) {
        PutNumber(chunk, static_cast<DWORD>(step.What));
        PutBytes(chunk, step.Key.data(), step.Key.size() * sizeof(wchar_t));
        PutBytes(chunk, step.Value.Name.data(), step.Value.Name.size() * sizeof(wchar_t));
        PutNumber(chunk, step.Value.Type);
        PutBytes(chunk, step.Value.Data.data(), step.Value.Data.size());
        if (chunk.size() >= kChunkBytes) {
            if (const LONG status = flush(); status != ERROR_SUCCESS) {
                return status;
            }
            chunk.clear();
        }
    }
    return chunk.empty() ? ERROR_SUCCESS : flush();
}

RegistrySync RegistrySync::Kept(const RegistryKey& key, LONG& status) {
    RegistrySync sync;
    std::vector<std::pair<std::size_t, RegistryBytes>> chunks;
    for (RegistryKey::RawValue& value : key.Values(status)) {
        // The chunks are numbered in decimal; other values are not the plan's.
        std::size_t number = 0;
        bool numbered = value.Type == REG_BINARY && !value.Name.empty() && value.Name.size() < 9;
        for (const wchar_t c : value.Name) {
            numbered = numbered && c >= L'0' && c <= L'9';
            number = number * 10 + static_cast<std::size_t>(c - L'0');
        }
        if (numbered) {
            chunks.emplace_back(number, std::move(value.Data));
        }
    }
    std::sort(chunks.begin(), chunks.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 0; i < chunks.size() && status == ERROR_SUCCESS; ++i) {
        // A chunk missing or cut short is a plan that cannot be trusted.
        if (chunks[i].first != i) {
            status = ERROR_INVALID_DATA;
            break;
        }
        Reader reader(chunks[i].second);
        while (!reader.Done()) {
            Step step;
            DWORD kind = 0;
            if (!reader.Number(kind) || kind > static_cast<DWORD>(Step::Kind::RemoveTree) ||
                !reader.Text(step.Key) || !reader.Text(step.Value.Name) ||
                !reader.Number(step.Value.Type) || !reader.Bytes(step.Value.Data)) {
                status = ERROR_INVALID_DATA;
                break;
            }
            step.What = static_cast<Step::Kind>(kind);
            sync.steps_.push_back(std::move(step));
        }
    }
    if (status != ERROR_SUCCESS) {
        sync.steps_.clear();
    }
    return sync;
}

}  // namespace pwk::win
