#pragma once

#include <string>

namespace pwk::win {

// Texts are UTF-8 inside the add-in and UTF-16 at every Win32 call. Invalid sequences become
// U+FFFD rather than failing: a text shown or stored must never be lost over one bad byte.
std::wstring Wide(const std::string& utf8);
std::string Narrow(const std::wstring& utf16);
std::string Narrow(const wchar_t* utf16);

}  // namespace pwk::win
