#include "win/platform/DialogTemplate.h"

namespace pwk::win {

DialogTemplate::DialogTemplate(DWORD style, WORD items, short width, short height,
                               const std::wstring& title, WORD pointSize,
                               const std::wstring& font) {
    Dword(style | DS_SETFONT);
    Dword(0);  // extended style
    Word(items);
    Word(0);  // x
    Word(0);  // y
    Word(static_cast<WORD>(width));
    Word(static_cast<WORD>(height));
    Word(0);  // no menu
    Word(0);  // the standard dialog class
    Text(title);
    Word(pointSize);
    Text(font);
}

void DialogTemplate::ItemHead(DWORD style, short x, short y, short cx, short cy, WORD id) {
    while (words_.size() % 2 != 0) {
        Word(0);
    }
    Dword(style | WS_CHILD | WS_VISIBLE);
    Dword(0);
    Word(static_cast<WORD>(x));
    Word(static_cast<WORD>(y));
    Word(static_cast<WORD>(cx));
    Word(static_cast<WORD>(cy));
    Word(id);
}

void DialogTemplate::Item(DWORD style, short x, short y, short cx, short cy, WORD id,
                          WORD classAtom, const std::wstring& text) {
    ItemHead(style, x, y, cx, cy, id);
    Word(0xFFFF);
    Word(classAtom);
    Text(text);
    Word(0);  // no creation data
}

void DialogTemplate::Item(DWORD style, short x, short y, short cx, short cy, WORD id,
                          const std::wstring& className, const std::wstring& text) {
    ItemHead(style, x, y, cx, cy, id);
    Text(className);
    Text(text);
    Word(0);
}

void DialogTemplate::Text(const std::wstring& text) {
    words_.insert(words_.end(), text.begin(), text.end());
    Word(0);
}

}  // namespace pwk::win
