#pragma once

#include <string>

namespace pwk {

// The component's numbered texts.
namespace StringId {
inline constexpr int AppTitle = 101;
inline constexpr int StartupFailed = 200;
inline constexpr int StartupDescription = 201;
inline constexpr int StartupSource = 202;
inline constexpr int StartupLine = 203;
inline constexpr int StartupErrorCode = 204;
inline constexpr int DefaultLogFilename = 205;
inline constexpr int DuplicateContactFolder = 300;
inline constexpr int ContactFolderNotFound = 301;
inline constexpr int PropertiesPageFailed = 1600;
inline constexpr int RemoveButtonPrefix = 2000;
inline constexpr int RemoveButtonMiddle = 2001;
inline constexpr int RemoveButtonSuffix = 2002;
inline constexpr int RemoveButtonSuggestion = 2003;
}  // namespace StringId

// Loads a numbered text; an unknown number gives the empty text, as the platform's loader does.
std::string LoadResString(int id);

}  // namespace pwk
