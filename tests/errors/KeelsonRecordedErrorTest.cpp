#include "tests/errors/KeelsonFixture.h"

namespace pwk::test {
namespace {

using KeelsonRecordedError = KeelsonFixture;

TEST_F(KeelsonRecordedError, ReadsBackTheRecordedFailure) {
    keelson->RecordError(Failure(457, "duplicate", "PWKCommon", 7));
    std::int32_t number = -1, line = -1, severity = -1, boundary = -1, help = -1;
    keelson->ReadRecordedError(number, line, severity, boundary, help);
    EXPECT_EQ(number, 457);
    EXPECT_EQ(line, 7);
    EXPECT_EQ(severity, 2);
    EXPECT_EQ(help, 0);
}

TEST_F(KeelsonRecordedError, RecordingNothingClears) {
    keelson->RecordError(Failure(457, "duplicate"));
    keelson->RecordError(std::nullopt);
    std::int32_t number = -1, line = -1, severity = -1, boundary = -1, help = -1;
    keelson->ReadRecordedError(number, line, severity, boundary, help);
    EXPECT_EQ(number, 0);
    EXPECT_EQ(line, 0);
}

TEST_F(KeelsonRecordedError, FailureToCreateAnObjectBecomesClassNotAvailable) {
    for (std::int32_t number : {429, static_cast<std::int32_t>(0x80040154u)}) {
        keelson->CheckRecordedError(number);
        EXPECT_EQ(number, static_cast<std::int32_t>(0x80040111u));
    }
    std::int32_t other = 430;
    keelson->CheckRecordedError(other);
    EXPECT_EQ(other, 430);
    std::int32_t none = 0;
    keelson->CheckRecordedError(none);
    EXPECT_EQ(none, 0);
}

}  // namespace
}  // namespace pwk::test
