#include "win/platform/RegistryBytes.h"

#include <cstring>
#include <new>
#include <utility>

namespace pwk::win {

RegistryBytes::RegistryBytes(std::size_t size) {
    if (size != 0) {
        block_ = new (::operator new(sizeof(Block) + size)) Block{{1}, size};
    }
}

RegistryBytes::RegistryBytes(const void* data, std::size_t size) : RegistryBytes(size) {
    if (size != 0) {
        std::memcpy(Bytes(), data, size);
    }
}

RegistryBytes RegistryBytes::ToFill(std::size_t size, BYTE*& fill) {
    RegistryBytes bytes(size);
    fill = bytes.block_ != nullptr ? bytes.Bytes() : nullptr;
    if (size != 0) {
        std::memset(fill, 0, size);
    }
    return bytes;
}

RegistryBytes::RegistryBytes(const RegistryBytes& other) noexcept : block_(other.block_) {
    if (block_ != nullptr) {
        block_->Users.fetch_add(1, std::memory_order_relaxed);
    }
}

RegistryBytes& RegistryBytes::operator=(RegistryBytes other) noexcept {
    std::swap(block_, other.block_);
    return *this;
}

RegistryBytes::~RegistryBytes() {
    if (block_ != nullptr && block_->Users.fetch_sub(1, std::memory_order_acq_rel) == 1) {
        block_->~Block();
        ::operator delete(block_);
    }
}

const BYTE* RegistryBytes::data() const {
    return block_ != nullptr ? Bytes() : nullptr;
}

std::size_t RegistryBytes::size() const {
    return block_ != nullptr ? block_->Size : 0;
}

bool operator==(const RegistryBytes& a, const RegistryBytes& b) {
    return a.block_ == b.block_ ||
           (a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size()) == 0);
}

}  // namespace pwk::win
