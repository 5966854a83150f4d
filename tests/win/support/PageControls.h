#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "winharness/testhost/TestOptionsDialog.h"

namespace pwk::wintest {

// The options page's controls as a test reads and presses them, by window messages.

// The page's control of class `windowClass` whose text is `text` (any text for nullptr).
inline HWND Control(HWND page, const wchar_t* windowClass, const wchar_t* text) {
    return FindWindowExW(page, nullptr, windowClass, text);
}

inline int Rows(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

inline std::wstring Cell(HWND list, int row, int column) {
    wchar_t text[256] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 256;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}

inline std::wstring ColumnTitle(HWND list, int column) {
    wchar_t text[64] = {};
    LVCOLUMNW entry{};
    entry.mask = LVCF_TEXT;
    entry.pszText = text;
    entry.cchTextMax = 64;
    SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(column),
                 reinterpret_cast<LPARAM>(&entry));
    return text;
}

inline bool Checked(HWND box) {
    return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// A click on a button or check box, and what it sets off in the page.
inline void Click(HWND button) {
    SendMessageW(button, BM_CLICK, 0, 0);
    testhost::TestOptionsDialog::Pump();
}

}  // namespace pwk::wintest
