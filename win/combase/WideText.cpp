#include "win/combase/WideText.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace pwk::win {
namespace {

// Eight bytes at a time: the texts that cross are mostly long identifiers.
bool IsAscii(std::string_view text) {
    std::size_t at = 0;
    for (; at + sizeof(std::uint64_t) <= text.size(); at += sizeof(std::uint64_t)) {
        std::uint64_t block = 0;
        std::memcpy(&block, text.data() + at, sizeof block);
        if ((block & 0x8080808080808080ULL) != 0) {
            return false;
        }
    }
    return std::all_of(text.begin() + static_cast<std::ptrdiff_t>(at), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool IsAscii(const wchar_t* text, std::size_t length) {
    static_assert(sizeof(wchar_t) == 2, "UTF-16 units");
    std::size_t at = 0;
    for (; at + 4 <= length; at += 4) {
        std::uint64_t block = 0;
        std::memcpy(&block, text + at, sizeof block);
        if ((block & 0xFF80FF80FF80FF80ULL) != 0) {
            return false;
        }
    }
    return std::all_of(text + at, text + length, [](wchar_t c) { return c < 0x80; });
}

}  // namespace

std::size_t WidenedLength(std::string_view text) {
    if (IsAscii(text)) {
        return text.size();
    }
    return static_cast<std::size_t>(
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0));
}

void WidenInto(std::string_view text, wchar_t* out, std::size_t length) {
    if (IsAscii(text)) {
        std::copy(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(length), out);
        return;
    }
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out,
                        static_cast<int>(length));
}

std::wstring Widen(std::string_view text) {
    std::wstring wide(WidenedLength(text), L'\0');
    WidenInto(text, wide.data(), wide.size());
    return wide;
}

std::string Narrow(const wchar_t* text, std::size_t length) {
    if (text == nullptr || length == 0) {
        return {};
    }
    if (IsAscii(text, length)) {
        std::string narrow(length, '\0');
        std::transform(text, text + length, narrow.begin(),
                       [](wchar_t c) { return static_cast<char>(c); });
        return narrow;
    }
    const int size = static_cast<int>(length);
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, size, narrow.data(), bytes, nullptr, nullptr);
    return narrow;
}

std::string Narrow(const std::wstring& text) {
    return Narrow(text.data(), text.size());
}

}  // namespace pwk::win
