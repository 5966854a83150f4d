#pragma once

// Exact heap accounting for one benchmark program: include this header in the program's one
// source file. Every C++ allocation of the program (add-in, host and library alike) goes
// through the operators below, which keep the size of each block in front of it, so the bytes
// and blocks in use are known exactly at any moment, mapped blocks included.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace heap_counter {

inline std::atomic<std::int64_t> bytesInUse{0};
inline std::atomic<std::int64_t> blocksInUse{0};
inline std::atomic<std::int64_t> allocations{0};

// The header keeps the block's size and how far in front of the pointer the block starts.
inline void* Allocate(std::size_t size, std::size_t alignment) {
    const std::size_t header =
        alignment < alignof(std::max_align_t) ? alignof(std::max_align_t) : alignment;
    void* raw = nullptr;
    if (posix_memalign(&raw, header, size + header) != 0) {
        throw std::bad_alloc();
    }
    auto* block = static_cast<unsigned char*>(raw);
    auto* fields = reinterpret_cast<std::size_t*>(block + header) - 2;
    fields[0] = size;
    fields[1] = header;
    bytesInUse += static_cast<std::int64_t>(size);
    ++blocksInUse;
    ++allocations;
    return block + header;
}

inline void Release(void* pointer) noexcept {
    if (pointer == nullptr) {
        return;
    }
    auto* fields = static_cast<std::size_t*>(pointer) - 2;
    bytesInUse -= static_cast<std::int64_t>(fields[0]);
    --blocksInUse;
    std::free(static_cast<unsigned char*>(pointer) - fields[1]);
}

}  // namespace heap_counter

void* operator new(std::size_t size) {
    return heap_counter::Allocate(size, 0);
}
void* operator new[](std::size_t size) {
    return heap_counter::Allocate(size, 0);
}
void* operator new(std::size_t size, std::align_val_t alignment) {
    return heap_counter::Allocate(size, static_cast<std::size_t>(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
    return heap_counter::Allocate(size, static_cast<std::size_t>(alignment));
}
void operator delete(void* pointer) noexcept {
    heap_counter::Release(pointer);
}
void operator delete[](void* pointer) noexcept {
    heap_counter::Release(pointer);
}
void operator delete(void* pointer, std::size_t) noexcept {
    heap_counter::Release(pointer);
}
void operator delete[](void* pointer, std::size_t) noexcept {
    heap_counter::Release(pointer);
}
void operator delete(void* pointer, std::align_val_t) noexcept {
    heap_counter::Release(pointer);
}
void operator delete[](void* pointer, std::align_val_t) noexcept {
    heap_counter::Release(pointer);
}
void operator delete(void* pointer, std::size_t, std::align_val_t) noexcept {
    heap_counter::Release(pointer);
}
void operator delete[](void* pointer, std::size_t, std::align_val_t) noexcept {
    heap_counter::Release(pointer);
}
