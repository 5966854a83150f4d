#include "win/platform/WinFileUtility.h"

#include <windows.h>
// After windows.h, which they need.
#include <commdlg.h>
#include <shlobj.h>

#include "src/util/Failure.h"
#include "win/combase/WideText.h"

namespace pwk::win {

std::shared_ptr<WinFileUtility> WinFileUtility::Create() {
    // The library stays loaded for the process, as a statically imported one would.
    HMODULE library = LoadLibraryW(L"comdlg32.dll");
    const FARPROC found =
        library != nullptr ? GetProcAddress(library, "GetOpenFileNameW") : nullptr;
    if (found == nullptr) {
        Raise(FailureNumber::CannotCreateObject, FileUtilityProgID);
    }
    return std::make_shared<WinFileUtility>(
        reinterpret_cast<OpenDialog>(reinterpret_cast<void*>(found)));
}

std::string WinFileUtility::DefaultFolder() {
    // The CSIDL call, not the known-folder one of Windows Vista: both name the same folder.
    wchar_t folder[MAX_PATH] = L"";
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, folder))) {
        return {};
    }
    return Narrow(folder, wcslen(folder));
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
    if (!openDialog_(&dialog)) {
        return std::nullopt;
    }
    return Narrow(path, wcslen(path));
}

}  // namespace pwk::win
