// A registry value's shared bytes: copies share them, outlive each other and compare by content.
#include <string>
#include <utility>
#include <vector>

#include "tests/win/support/Check.h"
#include "win/platform/RegistryBytes.h"
#include "winharness/thread/Thread.h"

using pwk::win::RegistryBytes;

namespace {

std::string TextOf(const RegistryBytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

RegistryBytes Of(const std::string& text) {
    return RegistryBytes(text.data(), text.size());
}

}  // namespace

TEST_CASE("copies share the bytes and each keeps them as long as it lives") {
    std::vector<RegistryBytes> copies;
    {
        const RegistryBytes first = Of("00AB12");
        copies.assign(3, first);
        CHECK(copies[0].data() == first.data());
    }
    copies.erase(copies.begin());
    CHECK_EQ(TextOf(copies[0]), "00AB12");
    RegistryBytes moved = std::move(copies[0]);
    CHECK(copies[0].empty());
    CHECK(copies[0].data() == nullptr);
    copies.clear();
    CHECK_EQ(TextOf(moved), "00AB12");
    moved = moved;  // NOLINT: assigned to itself, still whole
    CHECK_EQ(TextOf(moved), "00AB12");
    moved = Of("x");
    CHECK_EQ(TextOf(moved), "x");
}

TEST_CASE("bytes compare by content, shared or not, and none equals none") {
    CHECK(Of("abc") == Of("abc"));
    CHECK(!(Of("abc") == Of("abd")));
    CHECK(!(Of("abc") == Of("ab")));
    CHECK(RegistryBytes() == Of(""));
    CHECK(!(RegistryBytes() == Of("a")));
    BYTE* fill = nullptr;
    const RegistryBytes filled = RegistryBytes::ToFill(4, fill);
    CHECK(TextOf(filled) == std::string(4, '\0'));
    fill[1] = 'z';
    const RegistryBytes copy = filled;
    CHECK(copy == Of(std::string("\0z\0\0", 4)));
}

TEST_CASE("copies made and dropped on two threads at once leave the bytes whole") {
    const RegistryBytes shared = Of(std::string(300, 'q'));
    const auto churn = [&] {
        for (int i = 0; i < 200000; ++i) {
            RegistryBytes copy = shared;
            RegistryBytes other = copy;
        }
    };
    {
        pwk::harness::Thread a(churn);
        pwk::harness::Thread b(churn);
    }
    CHECK_EQ(TextOf(shared), std::string(300, 'q'));
}
