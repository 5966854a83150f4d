#include "win/platform/WinFileUtility.h"

#include <windows.h>
// After windows.h, which they need.
#include <commdlg.h>
#include <shlobj.h>

#include "win/combase/Unique.h"
#include "win/combase/WideText.h"

namespace pwk::win {

std::string WinFileUtility::DefaultFolder() {
    TaskMemory<wchar_t> folder;
    if (FAILED(SHGetKnownFolderPath(FOLDERID_Documents, 0, nullptr, folder.Out()))) {
        return {};
    }
    return Narrow(folder.Get(), wcslen(folder.Get()));
}

std::optional<std::string> WinFileUtility::ChooseFile(const std::string& title) {
    wchar_t path[MAX_PATH * 4] = L"";
    const std::wstring caption = Widen(title);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = GetActiveWindow();
    dialog.lpstrFilter = L"All Files (*.*)\0*.*\0";
    dialog.lpstrFile = path;
    dialog.nMaxFile = static_cast<DWORD>(std::size(path));
    dialog.lpstrTitle = caption.empty() ? nullptr : caption.c_str();
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&dialog)) {
        return std::nullopt;
    }
    return Narrow(path, wcslen(path));
}

}  // namespace pwk::win
