#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "winharness/thread/Lock.h"
#include "winharness/thread/Thread.h"

namespace pwk::testhost {

// Watches this process's windows for message boxes (dialog class "#32770") while it lives,
// reads each box's caption and text, and answers it: OK where there is one, else No, else
// Cancel, as a user who declines everything would; a dialog with none of them (the error
// dialog) by its default button. A file-open dialog is cancelled, unless a chooser names a file.
// A chooser that presses Help is asked again for the same box, which stays up.
class BoxAnswerer {
  public:
    struct Box {
        std::string Caption;
        std::string Text;
        std::string Button;  // the caption of the button pressed; empty when there was none
    };

    // A box on screen, before it is answered: its buttons' captions in order, the default one.
    struct Shown {
        std::string Caption;
        std::string Text;
        std::vector<std::string> Buttons;
        std::string DefaultButton;
        bool Dialog = false;      // a dialog of the add-in's own buttons, not a system message box
        bool FileDialog = false;  // the system's file-open dialog
    };
    // Picks the caption of the button to press (empty: the default button); for a file dialog
    // the path of the file to open (empty: Cancel). It runs on the watcher's thread while the
    // thread that showed the box is still inside the call that shows it, and the box is
    // pressed only when it returns.
    using Chooser = std::function<std::string(const Shown&)>;

    BoxAnswerer();
    explicit BoxAnswerer(Chooser chooser);
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;
    ~BoxAnswerer();

    std::vector<Box> Answered() const;

  private:
    void Watch();
    static BOOL CALLBACK Visit(HWND window, LPARAM self);
    void Answer(HWND box);
    void PressHelp(HWND box);

    Chooser chooser_;
    std::atomic<bool> stop_{false};
    mutable harness::Lock lock_;
    std::vector<Box> answered_;
    std::vector<HWND> seen_;
    harness::Thread watcher_;
};

}  // namespace pwk::testhost
