#pragma once

#include <windows.h>

#include <string>

#include "win/platform/DialogTemplate.h"

namespace pwk::win {

// Where the options page's controls stand: a dialog template of plain controls in dialog units
// of 8-point MS Sans Serif, on the host's page of 252 x 218 units. The page's window is made
// of it as a child dialog (DS_CONTROL), so that the system gives it the font, the units and
// the Tab order of its controls.
class PageLayout {
  public:
    static constexpr short Width = 252;
    static constexpr short Height = 218;

    // The controls the page reads and changes, by their identifiers.
    enum Control : WORD {
        List = 1001,
        AttachDir = 1002,
        Add = 1003,
        Remove = 1004,
        FirstSwitch = 1010,  // one check box per switch, in the logic's order
        LogLevel = 1020,
        LogPath = 1021,
        LogFilename = 1022,
        Status = 1030,
    };
    static constexpr int SwitchCount = 5;

    // The page's size in pixels on this screen: its dialog units in the base units of its font,
    // as the system reckons them for a dialog.
    static SIZE PixelSize();
    // The template, which the page's window is created from.
    static DialogTemplate Template();
    // The check box's text for the switch `name`; the name itself for one it does not know.
    static std::wstring SwitchLabel(const std::string& name);
    // The list's columns: their titles and widths in dialog units.
    struct Column {
        const wchar_t* Title;
        short Width;
    };
    static constexpr Column Columns[] = {
        {L"Contacts", 64}, {L"Journal", 56}, {L"E-mails", 56}, {L"Attachments", 56}};
};

}  // namespace pwk::win
