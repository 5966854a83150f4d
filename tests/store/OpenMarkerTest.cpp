// The running add-in's mark on its settings file, as the settings tool sees it from outside.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "store/SqliteSettingsStore.h"
#include "tests/support/TempFolder.h"

namespace pwk {
namespace {

class OpenMarkerTest : public ::testing::Test {
  protected:
    test::TempFolder folder;
    std::string file = folder / "sub/settings.db";
};

TEST_F(OpenMarkerTest, HeldWhileTheAddinRunsAndFreeWhenItLetsGo) {
    SqliteSettingsStore addin(file);
    SqliteSettingsStore tool(file, SqliteSettingsStore::Access::ReadingOnly);
    EXPECT_FALSE(tool.MarkedOpen());  // never marked: no marker file at all
    addin.MarkOpen(true);
    addin.MarkOpen(true);  // taken once, however often asked
    EXPECT_TRUE(tool.MarkedOpen());
    EXPECT_TRUE(addin.MarkedOpen());  // its own mark counts too
    addin.MarkOpen(false);
    EXPECT_FALSE(tool.MarkedOpen());
    {
        SqliteSettingsStore another(file);
        another.MarkOpen(true);
        EXPECT_TRUE(tool.MarkedOpen());
    }
    EXPECT_FALSE(tool.MarkedOpen()) << "a store that ends lets its mark go";
}

TEST_F(OpenMarkerTest, AProcessThatDiesWithoutLettingGoLeavesNoMark) {
    int ready[2];
    int proceed[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(proceed), 0);
    const pid_t child = fork();
    if (child == 0) {
        SqliteSettingsStore addin(file);
        addin.MarkOpen(true);
        char byte = 1;
        (void)!write(ready[1], &byte, 1);
        (void)!read(proceed[0], &byte, 1);
        _exit(9);  // a crash: no destructor, no MarkOpen(false)
    }
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    SqliteSettingsStore tool(file, SqliteSettingsStore::Access::ReadingOnly);
    EXPECT_TRUE(tool.MarkedOpen());
    ASSERT_EQ(write(proceed[1], &byte, 1), 1);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_FALSE(tool.MarkedOpen());
    for (const int end : {ready[0], ready[1], proceed[0], proceed[1]}) {
        close(end);
    }
}

}  // namespace
}  // namespace pwk
