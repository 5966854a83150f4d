#pragma once

#include <guiddef.h>

namespace pwk::win {

// The component's class and its names in the registry.
inline constexpr const wchar_t* ConnectProgID = L"Wickline.Connect";
inline constexpr const wchar_t* ConnectClassName = L"Wickline.Connect";
inline constexpr const wchar_t* TypeLibraryDescription = L"Parleywick Add-In";
// The host's add-in entry, under the current user.
inline constexpr const wchar_t* AddinKey =
    L"Software\\Microsoft\\Office\\Outlook\\Addins\\Wickline.Connect";
inline constexpr const wchar_t* AddinFriendlyName = L"Parleywick ";
inline constexpr const wchar_t* AddinDescription =
    L"Enterprise-wide tracking of phone and email communication with contacts and customers.";
inline constexpr unsigned long AddinLoadBehavior = 3;  // loaded, and at every start of the host

// {642BA7B0-F1A1-4176-A6DE-DC32BF523047}
inline constexpr CLSID CLSID_Connect = {
    0x642BA7B0, 0xF1A1, 0x4176, {0xA6, 0xDE, 0xDC, 0x32, 0xBF, 0x52, 0x30, 0x47}};
inline constexpr const wchar_t* ConnectClsidText = L"{642BA7B0-F1A1-4176-A6DE-DC32BF523047}";
// The type library's identity: {2E2DA2B0-8353-45FE-A1B3-C9C92841AED0}, version 2.1.
inline constexpr GUID LIBID_Parleywick = {
    0x2E2DA2B0, 0x8353, 0x45FE, {0xA1, 0xB3, 0xC9, 0xC9, 0x28, 0x41, 0xAE, 0xD0}};
inline constexpr const wchar_t* TypeLibraryIdText = L"{2E2DA2B0-8353-45FE-A1B3-C9C92841AED0}";

}  // namespace pwk::win
