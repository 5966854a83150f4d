#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pwk::win {

// Texts are UTF-8 inside the add-in and UTF-16 at the Windows boundary. Plain ASCII, most of
// what crosses (member names, identifiers, addresses), is copied a character at a time without
// asking the system.
std::wstring Widen(std::string_view text);
std::string Narrow(const wchar_t* text, std::size_t length);
std::string Narrow(const std::wstring& text);

// The same conversion into a buffer the caller owns (a BSTR): the number of UTF-16 characters
// `text` becomes, then the text written into exactly that many.
std::size_t WidenedLength(std::string_view text);
void WidenInto(std::string_view text, wchar_t* out, std::size_t length);

}  // namespace pwk::win
