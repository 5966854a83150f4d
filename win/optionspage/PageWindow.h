#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

namespace pwk {
class OptionsPageModel;
}

namespace pwk::win {

class PageBinding;

// The options page's window: the controls of PageLayout over the page's logic. A change the
// user makes goes to the logic at once (which announces it); what the logic refuses is said in
// the page's status line, and for Add in a message box titled as the page. Nothing that fails
// leaves the dialog procedure.
class PageWindow {
  public:
    explicit PageWindow(std::shared_ptr<PageBinding> binding);
    ~PageWindow();
    PageWindow(const PageWindow&) = delete;
    PageWindow& operator=(const PageWindow&) = delete;

    // Makes the window, a child of `parent` at `position` (the host's page), and shows what the
    // logic holds. False when the system would not make it.
    bool Create(HWND parent, const RECT& position);
    void Destroy();
    HWND Handle() const { return window_; }
    void Move(const RECT& position);

    // Shows the logic's foldersets, switches and last message again (after any change).
    void Refresh();
    // Moves the focus to the page's first control.
    void Focus();
    // Tab and Shift+Tab between the page's controls: true when `message` was one.
    bool TabKey(MSG& message);
    // Tells the user `text` in a message box titled as the page, over the host's dialog.
    void Tell(const std::string& text) const;

  private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Command(WORD id, WORD code);
    void Change(const std::function<bool(OptionsPageModel&)>& edit, bool tellRefusal);
    void FillEdits();
    // Remove is for the selected folderset: none selected, none to remove.
    void UpdateRemove();
    int SelectedRow() const;  // -1 for none
    void FillList();
    std::wstring TextOf(int id) const;
    HWND Item(int id) const { return GetDlgItem(window_, id); }

    std::shared_ptr<PageBinding> binding_;
    HWND window_ = nullptr;
    bool filling_ = false;  // the page itself is setting its controls: no change of the user's
};

}  // namespace pwk::win
