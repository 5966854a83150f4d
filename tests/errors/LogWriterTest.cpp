#include "keelson/LogWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/FileText.h"
#include "tests/support/TempFolder.h"

namespace pwk::test {
namespace {

namespace fs = std::filesystem;

void Line(keelson::LogWriter& log, const std::string& text) {
    log.Append(text);
    log.EndLine();
}

// True while this process has a descriptor on `path` (or on the file that had that name).
bool HeldOpen(const std::string& path) {
    for (const auto& entry : fs::directory_iterator("/proc/self/fd")) {
        std::error_code gone;  // the iterator's own descriptor is closed by the time it is read
        if (fs::read_symlink(entry.path(), gone).string().starts_with(path)) {
            return true;
        }
    }
    return false;
}

class LogWriterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(log.Open(path, error)) << error;
    }

    TempFolder folder;
    const std::string path = folder / "Logs/PWK";
    keelson::LogWriter log;
};

// The upgrade reset deletes the log while the add-in runs; an editor may save a file over it.
// Nothing holds the file between flushes, and each flush writes to the file the path names then:
// the lines buffered before a deletion and those after it start a new file, and after a
// replacement every line follows what the replacing file holds.
TEST_F(LogWriterTest, DeletedOrReplacedWhileOpenEveryLaterLineIsInTheNewFile) {
    Line(log, "in the first file");
    log.Flush();
    EXPECT_NE(FileText(path).find("in the first file\n"), std::string::npos);
    EXPECT_FALSE(HeldOpen(path));

    Line(log, "buffered before the deletion");
    ASSERT_TRUE(fs::remove(path));
    Line(log, "after the deletion");
    log.Flush();
    EXPECT_EQ(FileText(path), "buffered before the deletion\nafter the deletion\n");

    std::ofstream(folder / "Logs/PWK.new") << "another program's file\n";
    fs::rename(folder / "Logs/PWK.new", path);
    // Enough trace to fill the buffer several times: most of it is written without an explicit
    // flush, the rest when the writer closes.
    constexpr int kLines = 10000;
    std::string expected = "another program's file\n";
    for (int i = 1; i <= kLines; ++i) {
        const std::string text = "> Module.Procedure " + std::to_string(i);
        Line(log, text);
        expected += text + "\n";
    }
    EXPECT_NE(FileText(path).find("> Module.Procedure 1\n"), std::string::npos);
    EXPECT_FALSE(HeldOpen(path));
    log.Close();
    EXPECT_EQ(FileText(path), expected);
}

// A moment when the file cannot be written (here a folder stands at its path) loses nothing: the
// lines wait for the next flush that can write them.
TEST_F(LogWriterTest, LinesThatCannotBeWrittenWaitForTheNextFlush) {
    ASSERT_TRUE(fs::remove(path));
    fs::create_directory(path);
    Line(log, "while blocked");
    log.Flush();
    fs::remove(path);
    Line(log, "unblocked");
    log.Flush();
    EXPECT_EQ(FileText(path), "while blocked\nunblocked\n");
}

// A log that stays unwritable does not hold its lines without end: past a limit they are
// dropped, and the log goes on once it can be written again.
TEST_F(LogWriterTest, AFileUnwritableForLongDropsWhatWaitsAndGoesOn) {
    ASSERT_TRUE(fs::remove(path));
    fs::create_directory(path);
    const std::string text(1000, 'x');
    for (int i = 0; i < 2000; ++i) {  // about 2 MB
        Line(log, text);
    }
    fs::remove(path);
    Line(log, "unblocked");
    log.Flush();
    const std::string written = FileText(path);
    EXPECT_LT(written.size(), std::size_t{1100000});
    EXPECT_TRUE(written.ends_with("unblocked\n"));
}

}  // namespace
}  // namespace pwk::test
