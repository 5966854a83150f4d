#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <string>

#include "sim/WholeFile.h"
#include "tests/support/TempFolder.h"

namespace pwk::sim {
namespace {

std::string RefusalOf(const WholeFile& reader, const std::filesystem::path& path) {
    try {
        reader.Read(path);
    } catch (const WholeFile::Refused& refused) {
        return refused.what();
    }
    return "";
}

TEST(WholeFile, ReadsAPlainFileUpToItsLimitAndRefusesOneByteMore) {
    pwk::test::TempFolder folder;
    const std::filesystem::path path = folder / "box.json";
    std::ofstream(path, std::ios::binary) << std::string(10, 'x');
    EXPECT_EQ(WholeFile("mailbox file", 10).Read(path), std::string(10, 'x'));

    std::ofstream(path, std::ios::binary | std::ios::app) << "y";
    EXPECT_EQ(RefusalOf(WholeFile("mailbox file", 10), path),
              path.string() + ": larger than 0 MB, the most a mailbox file may be");
    std::filesystem::resize_file(path, 3 * 1024 * 1024 + 1);
    EXPECT_EQ(RefusalOf(WholeFile("scenario file", 3 * 1024 * 1024), path),
              path.string() + ": larger than 3 MB, the most a scenario file may be");
}

TEST(WholeFile, RefusesWhatIsNotAPlainFileWithoutWaitingOnIt) {
    pwk::test::TempFolder folder;
    const WholeFile reader("mailbox file", 1024);
    EXPECT_EQ(RefusalOf(reader, "/dev/zero"),
              "/dev/zero: not a plain file (a device, a pipe or a socket), so not a mailbox file");
    // Opening a pipe with no writer would wait for ever.
    const std::string pipe = folder / "pipe";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_NE(RefusalOf(reader, pipe).find("not a plain file"), std::string::npos);
    EXPECT_EQ(RefusalOf(reader, folder.Path()), folder.Path() + ": a folder, not a mailbox file");
    EXPECT_EQ(RefusalOf(reader, folder / "missing.json"),
              folder / "missing.json: the file cannot be read");
}

}  // namespace
}  // namespace pwk::sim
