#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace pwk {

// The values a batch's removals have read, by folded section and folded key: each one's key as
// stored, its text, and whether a removal still covers it. A start removes its sections and
// writes every value back, so each of tens of thousands of values is put here once and looked
// up once: the rows lie in one block, their texts in one buffer, found through an
// open-addressed index, rather than each in a node of its own with three strings.
class PendingValues {
  public:
    struct Row {
        bool Removed = false;

      private:
        friend class PendingValues;
        std::uint64_t hash = 0;
        std::uint32_t sectionAt = 0, sectionSize = 0;
        std::uint32_t foldedAt = 0, foldedSize = 0;
        std::uint32_t spelledAt = 0, spelledSize = 0;
        std::uint32_t textAt = 0, textSize = 0;
    };

    // The row of a value, or null. `key` is folded here (ASCII letters, as SectionPath::Fold).
    Row* Find(std::string_view foldedSection, std::string_view key);
    // The row of a value, added (empty, not removed) when it is not there. A row stays where it
    // is while others are added.
    Row& Put(std::string_view foldedSection, std::string_view foldedKey);
    void Set(Row& row, std::string_view spelled, std::string_view text);
    void SetText(Row& row, std::string_view text);

    std::string_view Section(const Row& row) const { return Text(row.sectionAt, row.sectionSize); }
    std::string_view Folded(const Row& row) const { return Text(row.foldedAt, row.foldedSize); }
    std::string_view Spelled(const Row& row) const { return Text(row.spelledAt, row.spelledSize); }
    std::string_view Text(const Row& row) const { return Text(row.textAt, row.textSize); }

    // Every row, in the order they were put.
    const std::deque<Row>& Rows() const { return rows_; }
    void Clear();

  private:
    std::string_view Text(std::uint32_t at, std::uint32_t size) const {
        return std::string_view(texts_).substr(at, size);
    }
    // Appends the text and returns where it starts.
    std::uint32_t Keep(std::string_view text);
    std::size_t SlotOf(std::uint64_t hash, std::string_view foldedSection,
                       std::string_view key) const;
    void Grow();

    std::deque<Row> rows_;
    std::string texts_;
    // Row number + 1 per slot, 0 for a free one; a power of two in size, at most half full.
    std::vector<std::uint32_t> slots_;
};

}  // namespace pwk
