#pragma once

#include <oaidl.h>
#include <oleidl.h>

#include <string>

#include "win/combase/ComPtr.h"
#include "winharness/testhost/TestPageSite.h"

namespace pwk::testhost {

// The host's options dialog holding one add-in's page, as the host's Tools > Options does: a
// real top-level window with the page's tab caption, the page sited and activated in place in
// it at the size the page asks for (IOleObject::GetExtent), and OK, Cancel and Apply, which
// call the page's Apply through the host's PropertyPage. Closing it closes the page (Close,
// no client site) and lets go of it.
class TestOptionsDialog {
  public:
    TestOptionsDialog(win::ComPtr<IDispatch> page, const std::string& caption);
    ~TestOptionsDialog();
    TestOptionsDialog(const TestOptionsDialog&) = delete;
    TestOptionsDialog& operator=(const TestOptionsDialog&) = delete;

    HWND Window() const { return window_; }
    // The page's own window, once it is active in place (null before).
    HWND PageWindow() const;
    const TestPageSite& Site() const { return *site_.Get(); }

    // The dialog's Apply button: the page's Apply if it says it is dirty. OK is Apply, then
    // Close; Cancel only closes.
    HRESULT Apply();
    bool Dirty() const;
    void Close();

    // A key pressed while the focus is in the page, as the dialog's message loop routes it: to
    // the active page's TranslateAccelerator first. S_OK when someone took it.
    HRESULT Key(WPARAM key);
    // Runs the messages waiting for this thread's windows.
    static void Pump();

  private:
    win::ComPtr<IDispatch> page_;
    win::ComPtr<TestPageSite> site_;
    HWND window_ = nullptr;
};

}  // namespace pwk::testhost
