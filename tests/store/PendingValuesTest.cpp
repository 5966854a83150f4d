#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/PendingValues.h"

namespace pwk {
namespace {

// Thousands of sections' values put as a start's removals read them: each is found again under
// its key in any letter case, only in its own section (a name that runs across the boundary of
// section and key is another value), and a row taken early stays valid and keeps what was set
// on it however much the table grew around it.
TEST(PendingValuesTest, ValuesAreFoundInTheirOwnSectionInAnyCaseWhileTheTableGrows) {
    PendingValues values;
    PendingValues::Row& first = values.Put("foldersets\\1", "entryid");
    values.Set(first, "EntryID", "00AB");
    first.Removed = true;
    for (int i = 2; i <= 5000; ++i) {
        const std::string section = "foldersets\\" + std::to_string(i);
        values.Set(values.Put(section, "entryid"), "EntryID", std::to_string(i));
        values.Set(values.Put(section, "name"), "Name", "Folder " + std::to_string(i));
    }
    values.Set(values.Put("ab", "c"), "c", "one");
    values.Set(values.Put("a", "bc"), "bc", "other");

    EXPECT_EQ(values.Find("foldersets\\1", "ENTRYID"), &first);
    EXPECT_TRUE(first.Removed);
    EXPECT_EQ(values.Spelled(first), "EntryID");
    EXPECT_EQ(values.Text(first), "00AB");
    EXPECT_EQ(values.Text(*values.Find("foldersets\\4321", "Name")), "Folder 4321");
    EXPECT_EQ(values.Text(*values.Find("ab", "C")), "one");
    EXPECT_EQ(values.Text(*values.Find("a", "bc")), "other");
    EXPECT_EQ(values.Find("foldersets\\1", "name"), nullptr);
    EXPECT_EQ(values.Find("foldersets\\5001", "entryid"), nullptr);
    EXPECT_EQ(values.Find("Foldersets\\2", "entryid"), nullptr);  // sections come folded

    // Putting a value again finds its row; a new text keeps the key's spelling.
    EXPECT_EQ(&values.Put("foldersets\\1", "entryid"), &first);
    values.SetText(first, "00CD");
    EXPECT_EQ(values.Spelled(first), "EntryID");
    EXPECT_EQ(values.Text(first), "00CD");
    ASSERT_EQ(values.Rows().size(), std::size_t{1 + 2 * 4999 + 2});
    EXPECT_EQ(values.Section(values.Rows().back()), "a");
    EXPECT_EQ(values.Folded(values.Rows().back()), "bc");

    values.Clear();
    EXPECT_TRUE(values.Rows().empty());
    EXPECT_EQ(values.Find("ab", "c"), nullptr);
}

}  // namespace
}  // namespace pwk
