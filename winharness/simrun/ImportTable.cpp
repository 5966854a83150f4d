#include "winharness/simrun/ImportTable.h"

#include <cstring>

namespace pwk::simrun {

namespace {

template <typename T>
T* At(BYTE* base, DWORD offset) {
    return reinterpret_cast<T*>(base + offset);
}

void Write(ULONG_PTR* slot, const void* value) {
    DWORD protection = 0;
    VirtualProtect(slot, sizeof(*slot), PAGE_READWRITE, &protection);
    *slot = reinterpret_cast<ULONG_PTR>(value);
    VirtualProtect(slot, sizeof(*slot), protection, &protection);
}

}  // namespace

int ImportTable::Replace(const char* function, const void* replacement) const {
    auto* base = reinterpret_cast<BYTE*>(module_);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* headers = At<const IMAGE_NT_HEADERS>(base, static_cast<DWORD>(dos->e_lfanew));
    const IMAGE_DATA_DIRECTORY& imports =
        headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.VirtualAddress == 0) {
        return 0;
    }
    int replaced = 0;
    for (auto* library = At<IMAGE_IMPORT_DESCRIPTOR>(base, imports.VirtualAddress);
         library->Name != 0; ++library) {
        // The names stay in the lookup table; the address table beside it holds the targets.
        const DWORD lookup =
            library->OriginalFirstThunk != 0 ? library->OriginalFirstThunk : library->FirstThunk;
        auto* name = At<IMAGE_THUNK_DATA>(base, lookup);
        auto* slot = At<IMAGE_THUNK_DATA>(base, library->FirstThunk);
        for (; name->u1.AddressOfData != 0; ++name, ++slot) {
            if (IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal)) {
                continue;
            }
            const auto* byName =
                At<const IMAGE_IMPORT_BY_NAME>(base, static_cast<DWORD>(name->u1.AddressOfData));
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) != 0) {
                continue;
            }
            Write(&slot->u1.Function, replacement);
            ++replaced;
        }
    }
    return replaced;
}

}  // namespace pwk::simrun
