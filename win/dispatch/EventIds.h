#pragma once

#include <guiddef.h>
#include <oaidl.h>

namespace pwk::win {

// The host's published event interfaces and the member numbers of the events the add-in
// handles (docs/windows.md, "Host interfaces and events", says where each comes from).
namespace EventIds {
// {0006304E-0000-0000-C000-000000000046}
inline constexpr GUID Application = {
    0x0006304E, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr DISPID ItemSend = 0xF002;
inline constexpr DISPID OptionsPagesAdd = 0xF005;

// {00063078-0000-0000-C000-000000000046}
inline constexpr GUID Explorers = {
    0x00063078, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr DISPID NewExplorer = 0xF001;

// {00063079-0000-0000-C000-000000000046}
inline constexpr GUID Inspectors = {
    0x00063079, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr DISPID NewInspector = 0xF001;

// {0006304F-0000-0000-C000-000000000046}
inline constexpr GUID Explorer = {
    0x0006304F, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr DISPID FolderSwitch = 0xF002;
inline constexpr DISPID SelectionChange = 0xF007;
inline constexpr DISPID Close = 0xF008;  // the explorer's and the inspector's

// {0006307D-0000-0000-C000-000000000046}
inline constexpr GUID Inspector = {
    0x0006307D, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// {00063077-0000-0000-C000-000000000046}
inline constexpr GUID Items = {
    0x00063077, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr DISPID ItemAdd = 0xF001;

// {0006303A-0000-0000-C000-000000000046}
inline constexpr GUID Item = {
    0x0006303A, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr DISPID Write = 0xF002;

// {000C0351-0000-0000-C000-000000000046}
inline constexpr GUID CommandBarButton = {
    0x000C0351, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr DISPID Click = 1;
}  // namespace EventIds

}  // namespace pwk::win
