#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace pwk::win {

// A dialog's template in memory (DLGTEMPLATE and its items), laid out as the system reads it:
// WORD-aligned texts, each item DWORD-aligned. Positions and sizes are dialog units of the
// template's font, so the component needs no resource script for its dialogs.
class DialogTemplate {
  public:
    // The system's predefined classes, by their atoms.
    static constexpr WORD Button = 0x0080;
    static constexpr WORD Edit = 0x0081;
    static constexpr WORD Static = 0x0082;

    // The dialog itself (DS_SETFONT is the caller's: the font is always given), with `items`
    // items to follow.
    DialogTemplate(DWORD style, WORD items, short width, short height, const std::wstring& title,
                   WORD pointSize, const std::wstring& font);

    // An item of a predefined class; it is a visible child.
    void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD classAtom,
              const std::wstring& text);
    // An item of a registered class, named (the common controls').
    void Item(DWORD style, short x, short y, short cx, short cy, WORD id,
              const std::wstring& className, const std::wstring& text);

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

  private:
    void ItemHead(DWORD style, short x, short y, short cx, short cy, WORD id);
    void Word(WORD w) { words_.push_back(w); }
    void Dword(DWORD d) {
        Word(LOWORD(d));
        Word(HIWORD(d));
    }
    void Text(const std::wstring& text);

    std::vector<WORD> words_;
};

}  // namespace pwk::win
