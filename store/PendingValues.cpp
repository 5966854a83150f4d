#include "store/PendingValues.h"

#include <algorithm>
#include <limits>

#include "src/util/Failure.h"
#include "src/util/Fnv1a.h"
#include "src/util/LinearProbe.h"
#include "store/SectionPath.h"

namespace pwk {

namespace {

// The key is folded as it is hashed, so that a look-up by a key as spelled makes no copy.
std::uint64_t HashOf(std::string_view foldedSection, std::string_view key) {
    Fnv1a hash;
    hash.Add(foldedSection).Add(0);
    for (const char c : key) {
        hash.Add(static_cast<unsigned char>(SectionPath::FoldChar(c)));
    }
    return hash.Value();
}

bool SameFolded(std::string_view folded, std::string_view key) {
    return folded.size() == key.size() &&
           std::equal(folded.begin(), folded.end(), key.begin(),
                      [](char f, char k) { return f == SectionPath::FoldChar(k); });
}

}  // namespace

PendingValues::Row* PendingValues::Find(std::string_view foldedSection, std::string_view key) {
    if (slots_.empty()) {
        return nullptr;
    }
    const std::uint32_t at = slots_[SlotOf(HashOf(foldedSection, key), foldedSection, key)];
    return at == 0 ? nullptr : &rows_[at - 1];
}

PendingValues::Row& PendingValues::Put(std::string_view foldedSection, std::string_view foldedKey) {
    if (2 * (rows_.size() + 1) > slots_.size()) {
        Grow();
    }
    const std::uint64_t hash = HashOf(foldedSection, foldedKey);
    std::uint32_t& slot = slots_[SlotOf(hash, foldedSection, foldedKey)];
    if (slot != 0) {
        return rows_[slot - 1];
    }
    Row row;
    row.hash = hash;
    // The rows of a section are read one after another: its name is kept once for them all.
    if (!rows_.empty() && Section(rows_.back()) == foldedSection) {
        row.sectionAt = rows_.back().sectionAt;
    } else {
        row.sectionAt = Keep(foldedSection);
    }
    row.sectionSize = static_cast<std::uint32_t>(foldedSection.size());
    row.foldedAt = Keep(foldedKey);
    row.foldedSize = static_cast<std::uint32_t>(foldedKey.size());
    rows_.push_back(row);
    slot = static_cast<std::uint32_t>(rows_.size());
    return rows_.back();
}

void PendingValues::Set(Row& row, std::string_view spelled, std::string_view text) {
    row.spelledAt = Keep(spelled);
    row.spelledSize = static_cast<std::uint32_t>(spelled.size());
    SetText(row, text);
}

void PendingValues::SetText(Row& row, std::string_view text) {
    row.textAt = Keep(text);
    row.textSize = static_cast<std::uint32_t>(text.size());
}

void PendingValues::Clear() {
    rows_.clear();
    texts_.clear();
    slots_.clear();
}

std::uint32_t PendingValues::Keep(std::string_view text) {
    constexpr std::size_t kMost = std::numeric_limits<std::uint32_t>::max();
    if (text.size() > kMost - texts_.size()) {
        throw Failure(FailureNumber::OutOfMemory,
                      "Out of memory: the settings batch holds more text than it can index");
    }
    const auto at = static_cast<std::uint32_t>(texts_.size());
    texts_.append(text);
    return at;
}

std::size_t PendingValues::SlotOf(std::uint64_t hash, std::string_view foldedSection,
                                  std::string_view key) const {
    return LinearProbe(static_cast<std::size_t>(hash), slots_.size(), [&](std::size_t i) {
        if (slots_[i] == 0) {
            return true;
        }
        const Row& row = rows_[slots_[i] - 1];
        return row.hash == hash && Section(row) == foldedSection && SameFolded(Folded(row), key);
    });
}

void PendingValues::Grow() {
    slots_.assign(std::max<std::size_t>(64, 2 * slots_.size()), 0);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const Row& row = rows_[i];
        slots_[LinearProbe(static_cast<std::size_t>(row.hash), slots_.size(), [&](std::size_t s) {
            return slots_[s] == 0;
        })] = static_cast<std::uint32_t>(i + 1);
    }
}

}  // namespace pwk
