#include "store/SqliteSettingsStore.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>

#include "src/util/Failure.h"
#include "tests/support/TempFolder.h"

namespace pwk {
namespace {

using ::testing::HasSubstr;

constexpr const char* App = "Parleywick";

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Runs `body` in a child process and returns how it ended (waitpid status).
int RunInChild(const std::function<void()>& body) {
    const pid_t child = fork();
    if (child == 0) {
        try {
            body();
        } catch (...) {
            _exit(3);
        }
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return status;
}

// Runs SQL on the file directly, as another program would.
void RawSql(const std::string& path, const char* sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

class SqliteSettingsStoreTest : public ::testing::Test {
  protected:
    // Every operation on the store at `path` fails with a clear failure that names the file
    // and leaves its bytes alone.
    void ExpectUnusable(std::int32_t number) {
        const std::string before = ReadBytes(path);
        SqliteSettingsStore store(path);
        const std::function<void()> operations[] = {
            [&] { store.GetSetting(App, "Logging", "LogPath"); },
            [&] { store.SaveSetting(App, "Logging", "LogPath", "x"); },
            [&] { store.DeleteSection(App, "Logging"); },
            [&] { store.DeleteApplication(App); },
            [&] { store.Batch([] {}); },
        };
        for (const auto& operation : operations) {
            try {
                operation();
                ADD_FAILURE() << "no failure";
            } catch (const Failure& failure) {
                EXPECT_EQ(failure.Number, number) << failure.Description;
                EXPECT_THAT(failure.Description, HasSubstr("\"" + path + "\""));
            }
        }
        EXPECT_EQ(ReadBytes(path), before);
    }

    test::TempFolder folder;
    std::string path = folder / "settings.db";
};

TEST_F(SqliteSettingsStoreTest, SettingsSurviveReopening) {
    SqliteSettingsStore(path).SaveSetting(App, "Version", "Major", "2");
    SqliteSettingsStore reopened(path);
    EXPECT_EQ(reopened.GetSetting(App, "version", "major"), "2");
}

TEST_F(SqliteSettingsStoreTest, ReadingAStoreThatDoesNotExistCreatesNothing) {
    SqliteSettingsStore store(folder / "new/settings.db");
    EXPECT_EQ(store.GetSetting(App, "Logging", "LogPath", "d"), "d");
    EXPECT_THROW(store.DeleteSection(App, "Logging"), Failure);
    EXPECT_THROW(store.DeleteApplication(App), Failure);
    EXPECT_FALSE(std::filesystem::exists(folder / "new"));
}

// The folder's files and their bytes: a store opened for reading leaves every one as it was,
// and leaves no journal or shared-memory file behind.
std::map<std::string, std::string> FolderBytes(const std::filesystem::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        files[entry.path().filename().string()] = ReadBytes(entry.path().string());
    }
    return files;
}

TEST_F(SqliteSettingsStoreTest, AStoreOpenedForReadingChangesNoByteWhateverTheFileIs) {
    using Access = SqliteSettingsStore::Access;
    // An empty file reads as an empty store and stays empty (no schema is written into it).
    WriteBytes(path, "");
    {
        SqliteSettingsStore store(path, Access::ReadingOnly);
        EXPECT_EQ(store.GetSetting(App, "Logging", "LogLevel", "d"), "d");
        EXPECT_TRUE(store.Dump(App).empty());
        try {
            store.SaveSetting(App, "Logging", "LogLevel", "3");
            ADD_FAILURE() << "a store opened for reading took a write";
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.Number, FailureNumber::PermissionDenied);
            EXPECT_THAT(failure.Description,
                        HasSubstr("\"" + path + "\" is open for reading only"));
        }
        EXPECT_THROW(store.Batch([] {}), Failure);
        EXPECT_THROW(store.DeleteApplication(App), Failure);
    }
    EXPECT_EQ(FolderBytes(folder.Path()),
              (std::map<std::string, std::string>{{"settings.db", ""}}));

    // A store written before write-ahead logging keeps its rollback journal: reading it does
    // not switch its mode, which is kept in the file's header, and makes no file beside it.
    std::filesystem::remove(path);
    SqliteSettingsStore(path).SaveSetting(App, "Logging", "LogLevel", "3");
    RawSql(path, "PRAGMA journal_mode = DELETE");
    const auto ExpectReadOnly = [&] {
        SqliteSettingsStore store(path, Access::ReadingOnly);
        EXPECT_EQ(store.GetSetting(App, "Logging", "LogLevel"), "3");
        store.Snapshot([&] { EXPECT_EQ(store.Dump(App).size(), 1u); });
    };
    const auto before = FolderBytes(folder.Path());
    ExpectReadOnly();
    EXPECT_EQ(FolderBytes(folder.Path()), before);

    // The add-in's own store, in write-ahead logging: the file's bytes stay (SQLite's readers
    // share the log's index in a file beside it, which the next writer removes).
    SqliteSettingsStore(path).SaveSetting(App, "Logging", "LogLevel", "3");
    const std::string walBefore = ReadBytes(path);
    ExpectReadOnly();
    EXPECT_EQ(ReadBytes(path), walBefore);
}

TEST_F(SqliteSettingsStoreTest, TheFirstWriteCreatesTheFolderAndTheFile) {
    const std::string nested = folder / "a/b/settings.db";
    SqliteSettingsStore(nested).SaveSetting(App, "S", "k", "v");
    EXPECT_TRUE(std::filesystem::is_regular_file(nested));
}

TEST_F(SqliteSettingsStoreTest, ACrashInTheMiddleOfABatchLeavesTheOldSettings) {
    {
        SqliteSettingsStore store(path);
        store.Batch([&] {
            for (int i = 0; i < 1000; ++i) {
                store.SaveSetting(App, "Tracked Foldersets\\" + std::to_string(i), "Dir", "old");
            }
        });
    }
    const auto before = SqliteSettingsStore(path).Dump();

    // Enough rewritten data to spill out of SQLite's page cache into the file itself, so
    // that recovery has to undo pages that really reached the disk.
    const int status = RunInChild([&] {
        SqliteSettingsStore store(path);
        store.Batch([&] {
            store.DeleteApplication(App);
            for (int i = 0; i < 20000; ++i) {
                store.SaveSetting(App, "Tracked Foldersets\\" + std::to_string(i), "Dir",
                                  std::string(200, 'n'));
            }
            _exit(0);  // dies before the batch commits
        });
    });
    ASSERT_TRUE(WIFEXITED(status));

    EXPECT_EQ(SqliteSettingsStore(path).Dump(), before);
}

TEST_F(SqliteSettingsStoreTest, AProcessKilledRightAfterABatchKeepsTheNewSettings) {
    SqliteSettingsStore(path).SaveSetting(App, "Version", "Major", "1");
    const int status = RunInChild([&] {
        SqliteSettingsStore store(path);
        store.Batch([&] {
            store.DeleteApplication(App);
            store.SaveSetting(App, "Version", "Major", "2");
            store.SaveSetting(App, "Version", "Minor", "1");
        });
        raise(SIGKILL);
    });
    ASSERT_TRUE(WIFSIGNALED(status));

    SqliteSettingsStore store(path);
    EXPECT_EQ(store.GetSetting(App, "Version", "Major"), "2");
    EXPECT_EQ(store.GetSetting(App, "Version", "Minor"), "1");
}

TEST_F(SqliteSettingsStoreTest, AFileOfGarbageIsReportedAndLeftAlone) {
    std::string garbage;
    for (int i = 0; i < 8192; ++i) {
        garbage += static_cast<char>((i * 7919) % 251);
    }
    WriteBytes(path, garbage);
    ExpectUnusable(FailureNumber::PathFileAccessError);
}

TEST_F(SqliteSettingsStoreTest, AnotherProgramsDatabaseIsReportedAndLeftAlone) {
    RawSql(path, "CREATE TABLE photos(name TEXT); INSERT INTO photos VALUES ('cat');");
    ExpectUnusable(FailureNumber::PathFileAccessError);
}

TEST_F(SqliteSettingsStoreTest, ANewerLayoutIsReportedAndLeftAlone) {
    SqliteSettingsStore(path).SaveSetting(App, "S", "k", "v");
    RawSql(path, "PRAGMA user_version = 2");
    ExpectUnusable(FailureNumber::PathFileAccessError);
}

TEST_F(SqliteSettingsStoreTest, ADamagedLayoutIsReportedAndLeftAlone) {
    SqliteSettingsStore(path).SaveSetting(App, "S", "k", "v");
    RawSql(path, "DROP TABLE sections");
    ExpectUnusable(FailureNumber::PathFileAccessError);
}

TEST_F(SqliteSettingsStoreTest, AFolderWhereTheFileShouldBeIsReported) {
    std::filesystem::create_directory(path);
    SqliteSettingsStore store(path);
    try {
        store.SaveSetting(App, "S", "k", "v");
        FAIL() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_THAT(failure.Description, HasSubstr(path));
    }
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST_F(SqliteSettingsStoreTest, AnUnreadableFileIsReportedAndLeftAlone) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "file permissions do not bind the superuser";
    }
    SqliteSettingsStore(path).SaveSetting(App, "S", "k", "v");
    chmod(path.c_str(), 0);
    ExpectUnusable(FailureNumber::PermissionDenied);
}

TEST_F(SqliteSettingsStoreTest, AFileLockedByAnotherProgramIsReportedAndLeftAlone) {
    SqliteSettingsStore(path).SaveSetting(App, "S", "k", "v");
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);

    SqliteSettingsStore store(path);
    try {
        store.SaveSetting(App, "S", "k", "new");
        ADD_FAILURE() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.Number, FailureNumber::PermissionDenied);
        EXPECT_THAT(failure.Description, HasSubstr("locked"));
    }
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_EQ(store.GetSetting(App, "S", "k"), "v");
}

}  // namespace
}  // namespace pwk
