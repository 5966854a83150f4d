#include "win/platform/RegistryCacheCodec.h"

#include <cstdint>
#include <cstring>

#include "src/util/Fnv1a.h"

namespace pwk::win {

namespace {

constexpr char kHeader[] = "Parleywick registry read cache 2\n";
constexpr std::size_t kHeaderSize = sizeof(kHeader) - 1;

// FNV-1a's steps over eight bytes at a time, each followed by a shift that brings the high bits
// down, the last bytes and the length taken last: a file of a megabyte is checked at every start,
// and a multiply per byte took a millisecond. Every step can be undone, so a file with any one
// eight-byte word changed never matches.
std::uint64_t Checksum(const char* data, std::size_t size) {
    std::uint64_t hash = Fnv1a::kOffset;
    const auto step = [&](std::uint64_t word) {
        hash = (hash ^ word) * Fnv1a::kPrime;
        hash ^= hash >> 29;
    };
    std::size_t at = 0;
    for (; at + sizeof(std::uint64_t) <= size; at += sizeof(std::uint64_t)) {
        std::uint64_t word = 0;
        std::memcpy(&word, data + at, sizeof word);
        step(word);
    }
    std::uint64_t last = 0;
    std::memcpy(&last, data + at, size - at);
    step(last);
    step(size);
    return hash;
}

class Writer {
  public:
    explicit Writer(std::string& out) : out_(out) {}
    void Number(std::uint64_t value) { Bytes(&value, sizeof(value)); }
    void Count(std::size_t value) { Number(value); }
    void Text(const std::wstring& text) {
        Count(text.size());
        Bytes(text.data(), text.size() * sizeof(wchar_t));
    }
    void Bytes(const void* data, std::size_t size) {
        out_.append(static_cast<const char*>(data), size);
    }

  private:
    std::string& out_;
};

// Reads what Writer wrote; any read past the end fails the whole decoding.
class Reader {
  public:
    Reader(const char* data, std::size_t size) : data_(data), left_(size) {}
    bool Number(std::uint64_t& value) { return Bytes(&value, sizeof(value)); }
    bool Count(std::size_t& value) {
        std::uint64_t number = 0;
        // No count can exceed the bytes left: a damaged count fails here, before any allocation.
        if (!Number(number) || number > left_) {
            return false;
        }
        value = static_cast<std::size_t>(number);
        return true;
    }
    bool Text(std::wstring& text) {
        std::size_t length = 0;
        if (!Count(length) || length > left_ / sizeof(wchar_t)) {
            return false;
        }
        text.resize(length);
        return Bytes(text.data(), length * sizeof(wchar_t));
    }
    bool Data(RegistryBytes& data) {
        std::size_t size = 0;
        if (!Count(size)) {
            return false;
        }
        data = RegistryBytes(data_, size);  // Count checked that they are there
        data_ += size;
        left_ -= size;
        return true;
    }
    bool Bytes(void* out, std::size_t size) {
        if (size > left_) {
            return false;
        }
        std::memcpy(out, data_, size);
        data_ += size;
        left_ -= size;
        return true;
    }
    bool AtEnd() const { return left_ == 0; }

  private:
    const char* data_;
    std::size_t left_;
};

bool ReadContents(Reader& in, RegistryKeyContents& contents) {
    std::uint64_t subkeys = 0;
    std::uint64_t values = 0;
    std::size_t listed = 0;
    if (!in.Number(contents.State.Written) || !in.Number(subkeys) || !in.Number(values) ||
        !in.Number(contents.ReadAt) || !in.Count(listed)) {
        return false;
    }
    contents.State.Subkeys = static_cast<DWORD>(subkeys);
    contents.State.Values = static_cast<DWORD>(values);
    contents.Values.resize(listed);
    for (RegistryKey::RawValue& value : contents.Values) {
        std::uint64_t type = 0;
        if (!in.Text(value.Name) || !in.Number(type) || !in.Data(value.Data)) {
            return false;
        }
        value.Type = static_cast<DWORD>(type);
    }
    std::size_t names = 0;
    if (!in.Count(names)) {
        return false;
    }
    contents.Subkeys.resize(names);
    for (std::wstring& name : contents.Subkeys) {
        if (!in.Text(name)) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string EncodeRegistryCache(const RegistryKeyContents::ByPath& entries) {
    std::string bytes(kHeader, kHeaderSize);
    Writer out(bytes);
    out.Count(entries.size());
    for (const auto& [path, contents] : entries) {
        out.Text(path);
        out.Number(contents.State.Written);
        out.Number(contents.State.Subkeys);
        out.Number(contents.State.Values);
        out.Number(contents.ReadAt);
        out.Count(contents.Values.size());
        for (const RegistryKey::RawValue& value : contents.Values) {
            out.Text(value.Name);
            out.Number(value.Type);
            out.Count(value.Data.size());
            out.Bytes(value.Data.data(), value.Data.size());
        }
        out.Count(contents.Subkeys.size());
        for (const std::wstring& name : contents.Subkeys) {
            out.Text(name);
        }
    }
    out.Number(Checksum(bytes.data(), bytes.size()));
    return bytes;
}

std::optional<RegistryKeyContents::ByPath> DecodeRegistryCache(const std::string& bytes) {
    constexpr std::size_t kChecksumSize = sizeof(std::uint64_t);
    if (bytes.size() < kHeaderSize + kChecksumSize || bytes.compare(0, kHeaderSize, kHeader) != 0) {
        return std::nullopt;
    }
    const std::size_t body = bytes.size() - kChecksumSize;
    std::uint64_t checksum = 0;
    std::memcpy(&checksum, bytes.data() + body, kChecksumSize);
    if (checksum != Checksum(bytes.data(), body)) {
        return std::nullopt;
    }
    Reader in(bytes.data() + kHeaderSize, body - kHeaderSize);
    std::size_t count = 0;
    if (!in.Count(count)) {
        return std::nullopt;
    }
    RegistryKeyContents::ByPath entries;
    for (std::size_t i = 0; i < count; ++i) {
        std::wstring path;
        RegistryKeyContents contents;
        if (!in.Text(path) || !ReadContents(in, contents)) {
            return std::nullopt;
        }
        entries.insert_or_assign(std::move(path), std::move(contents));
    }
    if (!in.AtEnd()) {
        return std::nullopt;
    }
    return entries;
}

}  // namespace pwk::win
