#include "platform-support/PathMapping.h"

#include <gtest/gtest.h>

namespace pwk {
namespace {

TEST(MapHostPath, DriveBecomesAFolderUnderTheRoot) {
    EXPECT_EQ(MapHostPath("/r", "C:\\Logs\\PWK.log"), "/r/C/Logs/PWK.log");
    EXPECT_EQ(MapHostPath("/r/", "d:\\x"), "/r/D/x");
    EXPECT_EQ(MapHostPath("/r", "C:"), "/r/C");
    EXPECT_EQ(MapHostPath("/r", "C:Logs"), "/r/C/Logs");
}

TEST(MapHostPath, ServerPathsRootedAndRelativePaths) {
    EXPECT_EQ(MapHostPath("/r", "\\\\server\\share\\x.log"), "/r/UNC/server/share/x.log");
    EXPECT_EQ(MapHostPath("/r", "\\Logs\\x"), "/r/C/Logs/x");
    EXPECT_EQ(MapHostPath("/r", "Logs\\x"), "/r/Logs/x");
    EXPECT_EQ(MapHostPath("/r", ""), "/r");
}

TEST(MapHostPath, KeepsTrailingSeparatorAndCollapsesRepeats) {
    EXPECT_EQ(MapHostPath("/r", "C:\\Logs\\"), "/r/C/Logs/");
    EXPECT_EQ(MapHostPath("/r", "C:\\Logs\\\\PWK"), "/r/C/Logs/PWK");
    EXPECT_EQ(MapHostPath("/r", "C:/Logs/PWK"), "/r/C/Logs/PWK");
    EXPECT_EQ(MapHostPath("/r", "C:\\"), "/r/C/");
}

TEST(MapHostPath, DotDotNeverLeavesTheDriveFolder) {
    EXPECT_EQ(MapHostPath("/r", "C:\\Logs\\..\\x"), "/r/C/x");
    EXPECT_EQ(MapHostPath("/r", "C:\\..\\..\\etc\\passwd"), "/r/C/etc/passwd");
    EXPECT_EQ(MapHostPath("/r", "..\\..\\x"), "/r/x");
    EXPECT_EQ(MapHostPath("/r", "C:\\.\\a\\.\\b"), "/r/C/a/b");
}

TEST(MapHostPath, FileSystemRootAsRoot) {
    EXPECT_EQ(MapHostPath("/", "C:\\x"), "/C/x");
    EXPECT_EQ(MapHostPath("/", ""), "/");
}

}  // namespace
}  // namespace pwk
