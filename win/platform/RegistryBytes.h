#pragma once

#include <windows.h>

#include <atomic>
#include <cstddef>

namespace pwk::win {

// The data of a registry value: bytes that do not change once made, shared by every copy of the
// value. A start copies thousands of values from the read cache into the save's image of the
// settings, and a save copies every value of a key it changes; each such copy only counts one
// more user of the same bytes. Copies may be made and dropped on any thread.
class RegistryBytes {
  public:
    RegistryBytes() = default;
    RegistryBytes(const void* data, std::size_t size);
    // `size` bytes, zeroed, that `fill` points to until the value is first copied or moved.
    static RegistryBytes ToFill(std::size_t size, BYTE*& fill);

    RegistryBytes(const RegistryBytes& other) noexcept;
    RegistryBytes(RegistryBytes&& other) noexcept : block_(other.block_) { other.block_ = nullptr; }
    RegistryBytes& operator=(RegistryBytes other) noexcept;
    ~RegistryBytes();

    const BYTE* data() const;
    std::size_t size() const;
    bool empty() const { return size() == 0; }
    const BYTE* begin() const { return data(); }
    const BYTE* end() const { return data() + size(); }

    // The same bytes, whether shared or not.
    friend bool operator==(const RegistryBytes& a, const RegistryBytes& b);

  private:
    // The count of users and the size, followed by the bytes, in one allocation.
    struct Block {
        std::atomic<std::size_t> Users;
        std::size_t Size;
    };

    explicit RegistryBytes(std::size_t size);
    BYTE* Bytes() const { return reinterpret_cast<BYTE*>(block_ + 1); }

    Block* block_ = nullptr;  // none for no bytes
};

}  // namespace pwk::win
