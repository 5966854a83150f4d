#include <windows.h>

#include "tests/win/support/Check.h"
#include "winharness/simrun/ImportTable.h"

using pwk::simrun::ImportTable;

namespace {

DWORD WINAPI FrozenTicks() {
    return 4242;
}

const void* Real(const char* function) {
    return reinterpret_cast<const void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), function));
}

// Each call reads the import table afresh (inlined, the compiler may keep the entry it read
// for the next call).
__attribute__((noinline)) DWORD Ticks() {
    return GetTickCount();
}

}  // namespace

// This program's own calls of a system function go where its import table says, and back
// again; a function it does not import changes nothing.
TEST_CASE("a replaced import takes this program's calls of the function, and gives them back") {
    const ImportTable own(GetModuleHandleW(nullptr));
    CHECK(own.Replace("GetTickCount", reinterpret_cast<const void*>(&FrozenTicks)) >= 1);
    CHECK_EQ(Ticks(), 4242UL);
    CHECK_EQ(Ticks(), 4242UL);
    CHECK(own.Replace("GetTickCount", Real("GetTickCount")) >= 1);
    CHECK(Ticks() != 4242UL || Ticks() != 4242UL);

    CHECK_EQ(own.Replace("NoSuchFunctionAnywhere", reinterpret_cast<const void*>(&FrozenTicks)), 0);
}
