#pragma once

#include <string>

namespace pwk::win {

// Texts are UTF-8 inside the add-in and UTF-16 at the Windows boundary.
std::wstring Widen(const std::string& text);
std::string Narrow(const wchar_t* text, std::size_t length);
std::string Narrow(const std::wstring& text);

}  // namespace pwk::win
