#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace pwk::sim {
class SimFolder;
class SimHost;
class SimItemState;
class SimObject;
class SimControlState;
class SimWindowState;
}  // namespace pwk::sim

namespace pwk::scenario {

class Transcript;

// Tells what changed in the host during a command: windows opened and closed, items that
// appeared in, left or changed in a folder (links and attachments included), items shown,
// controls added, changed or removed, host commands run, and failures that reached the host.
// It compares the host with a picture taken after the previous command; the picture holds
// only weak references, so it never counts as holding anything of the host.
class HostWatch {
  public:
    // Forgets everything and takes the host as it is now (a freshly loaded mailbox).
    void Baseline(sim::SimHost& host);
    // Reports the changes since the last picture and takes a new one.
    void Report(sim::SimHost& host, Transcript& transcript);
    // "explorer #2": windows are numbered by the watch in the order it first saw them.
    std::string Label(const sim::SimObject& window);
    // Only numbers the windows at each picture, in the same order, and reports nothing.
    void LabelsOnly(bool on) { labelsOnly_ = on; }

  private:
    struct ItemView {
        std::weak_ptr<sim::SimItemState> Item;
        std::string Folder;
        std::string Summary;
        std::size_t Order = 0;  // folders in the mailbox's order, each folder's items in its order
    };
    struct ControlView {
        std::weak_ptr<sim::SimControlState> Control;
        std::weak_ptr<sim::SimWindowState> Window;
        std::string Place;  // "Standard bar of explorer #1"
        std::string Summary;
        std::string Caption;
        std::size_t Order = 0;  // windows in list order, each window's controls in bar order
    };
    struct WindowView {
        std::weak_ptr<sim::SimWindowState> Window;
        std::string Label;
        std::string Shows;
        const void* Item = nullptr;  // an inspector's item
        std::size_t Order = 0;       // explorers then inspectors, each in list order
    };
    struct Picture {
        std::map<const void*, ItemView> Items;
        std::map<const void*, ControlView> Controls;
        std::map<const void*, WindowView> Windows;
        std::size_t Displayed = 0;
        std::size_t Commands = 0;
    };

    Picture Take(sim::SimHost& host);
    void LabelWindows(sim::SimHost& host);
    void TakeFolder(const std::shared_ptr<sim::SimFolder>& folder, Picture& picture);
    void TakeWindow(const std::shared_ptr<sim::SimWindowState>& window, const std::string& shows,
                    const void* item, Picture& picture);
    // Returns the items that new inspectors show.
    std::vector<const void*> ReportWindows(const Picture& now, Transcript& transcript) const;
    void ReportControls(const Picture& now, Transcript& transcript) const;
    // Windows or controls in their order on screen, items in the mailbox's order (the map's
    // order is by address, which differs between runs and between programs).
    template <class View>
    static std::vector<std::pair<const void*, const View*>> InOrder(
        const std::map<const void*, View>& views);
    void ReportItems(const Picture& now, Transcript& transcript) const;
    void ReportHostRecords(sim::SimHost& host, const std::vector<const void*>& newlyShown,
                           Transcript& transcript) const;

    Picture last_;
    std::map<const void*, std::weak_ptr<sim::SimObject>> labelOwners_;
    std::map<const void*, std::string> labels_;
    int explorers_ = 0;
    int inspectors_ = 0;
    bool labelsOnly_ = false;
};

}  // namespace pwk::scenario
