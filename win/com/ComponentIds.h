#pragma once

#include <guiddef.h>

#include <array>

namespace pwk::win {

// The component's class and its names in the registry.
inline constexpr const wchar_t* ConnectProgID = L"Wickline.Connect";
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
// The component's automatable classes besides Connect, creatable by ProgID: the settings, the
// folderset collection and the folderset.
// {DA3FEB39-7F81-430A-9F3C-378013702524}
inline constexpr CLSID CLSID_RegSettings = {
    0xDA3FEB39, 0x7F81, 0x430A, {0x9F, 0x3C, 0x37, 0x80, 0x13, 0x70, 0x25, 0x24}};
// {966A6BD4-09F3-444F-9634-FB55E95E9FD3}
inline constexpr CLSID CLSID_TrackedFoldersets = {
    0x966A6BD4, 0x09F3, 0x444F, {0x96, 0x34, 0xFB, 0x55, 0xE9, 0x5E, 0x9F, 0xD3}};
// {A72F92CF-5AA0-4634-81F9-E4487D3520FE}
inline constexpr CLSID CLSID_TrackedFolderset = {
    0xA72F92CF, 0x5AA0, 0x4634, {0x81, 0xF9, 0xE4, 0x48, 0x7D, 0x35, 0x20, 0xFE}};

// The add-in's page of the host's options dialog, which the add-in creates by this ProgID
// whenever the dialog opens.
// {EEBC601D-2F4C-4E39-8F49-9586793DC35C}
inline constexpr CLSID CLSID_OptionsPage = {
    0xEEBC601D, 0x2F4C, 0x4E39, {0x8F, 0x49, 0x95, 0x86, 0x79, 0x3D, 0xC3, 0x5C}};

// The error library's class: it ships in this file but stands apart from the add-in, as a
// library of its own would, under its own ProgID; start-up creates it through COM by that
// ProgID, so a broken registration of it is reported as a missing error library.
// {0EBF22B9-9DBE-449A-A407-3DB289F45AE8}
inline constexpr CLSID CLSID_ErrorObject = {
    0x0EBF22B9, 0x9DBE, 0x449A, {0xA4, 0x07, 0x3D, 0xB2, 0x89, 0xF4, 0x5A, 0xE8}};

// One class as the registry names it: ProgID (also the class's name) and CLSID.
struct ComponentClass {
    const wchar_t* ProgID;
    const wchar_t* ClsidText;
    const CLSID* Clsid;
};
inline constexpr ComponentClass ConnectClass{ConnectProgID, ConnectClsidText, &CLSID_Connect};
inline constexpr ComponentClass RegSettingsClass{
    L"Wickline.RegSettings", L"{DA3FEB39-7F81-430A-9F3C-378013702524}", &CLSID_RegSettings};
inline constexpr ComponentClass TrackedFoldersetsClass{L"Wickline.TrackedFoldersets",
                                                       L"{966A6BD4-09F3-444F-9634-FB55E95E9FD3}",
                                                       &CLSID_TrackedFoldersets};
inline constexpr ComponentClass TrackedFoldersetClass{L"Wickline.TrackedFolderset",
                                                      L"{A72F92CF-5AA0-4634-81F9-E4487D3520FE}",
                                                      &CLSID_TrackedFolderset};
inline constexpr ComponentClass ErrorObjectClass{
    L"Keelson6.ErrorObject", L"{0EBF22B9-9DBE-449A-A407-3DB289F45AE8}", &CLSID_ErrorObject};
inline constexpr ComponentClass OptionsPageClass{
    L"WicklineProps.PWKProps", L"{EEBC601D-2F4C-4E39-8F49-9586793DC35C}", &CLSID_OptionsPage};
// Every class the component registers.
inline constexpr std::array<ComponentClass, 6> ComponentClasses = {
    ConnectClass,          RegSettingsClass, TrackedFoldersetsClass,
    TrackedFoldersetClass, ErrorObjectClass, OptionsPageClass};

// The type library's identity: {2E2DA2B0-8353-45FE-A1B3-C9C92841AED0}, version 2.1.
inline constexpr GUID LIBID_Parleywick = {
    0x2E2DA2B0, 0x8353, 0x45FE, {0xA1, 0xB3, 0xC9, 0xC9, 0x28, 0x41, 0xAE, 0xD0}};
inline constexpr const wchar_t* TypeLibraryIdText = L"{2E2DA2B0-8353-45FE-A1B3-C9C92841AED0}";

}  // namespace pwk::win
