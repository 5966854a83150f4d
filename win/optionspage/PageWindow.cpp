#include "win/optionspage/PageWindow.h"

#include <commctrl.h>

#include <utility>
#include <vector>

#include "src/options/PageTexts.h"
#include "win/combase/ComBoundary.h"
#include "win/combase/WideText.h"
#include "win/optionspage/PageBinding.h"
#include "win/optionspage/PageLayout.h"

namespace pwk::win {

namespace {

void SetText(HWND control, const std::string& text) {
    SetWindowTextW(control, Widen(text).c_str());
}

// The list's columns, sized in the page's dialog units.
void AddColumns(HWND dialog, HWND list) {
    int index = 0;
    for (const PageLayout::Column& column : PageLayout::Columns) {
        RECT width{0, 0, column.Width, 0};
        MapDialogRect(dialog, &width);
        LVCOLUMNW entry{};
        entry.mask = LVCF_TEXT | LVCF_WIDTH;
        entry.cx = width.right;
        entry.pszText = const_cast<wchar_t*>(column.Title);
        SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index++),
                     reinterpret_cast<LPARAM>(&entry));
    }
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
}

}  // namespace

PageWindow::PageWindow(std::shared_ptr<PageBinding> binding) : binding_(std::move(binding)) {}

PageWindow::~PageWindow() {
    Destroy();
}

bool PageWindow::Create(HWND parent, const RECT& position) {
    if (window_ != nullptr) {
        return true;
    }
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_LISTVIEW_CLASSES;
    InitCommonControlsEx(&controls);
    const DialogTemplate page = PageLayout::Template();
    window_ = CreateDialogIndirectParamW(nullptr, page.Get(), parent, DialogProc,
                                         reinterpret_cast<LPARAM>(this));
    if (window_ == nullptr) {
        return false;
    }
    AddColumns(window_, Item(PageLayout::List));
    FillEdits();
    Refresh();
    Move(position);
    ShowWindow(window_, SW_SHOW);
    return true;
}

void PageWindow::Destroy() {
    if (window_ != nullptr) {
        DestroyWindow(std::exchange(window_, nullptr));
    }
}

void PageWindow::Move(const RECT& position) {
    if (window_ != nullptr) {
        MoveWindow(window_, position.left, position.top, position.right - position.left,
                   position.bottom - position.top, TRUE);
    }
}

void PageWindow::Focus() {
    if (window_ != nullptr) {
        SetFocus(GetNextDlgTabItem(window_, nullptr, FALSE));
    }
}

bool PageWindow::TabKey(MSG& message) {
    return window_ != nullptr && IsDialogMessageW(window_, &message) != FALSE;
}

void PageWindow::Tell(const std::string& text) const {
    HWND owner = window_ != nullptr ? GetAncestor(window_, GA_ROOT) : nullptr;
    MessageBoxW(owner, Widen(text).c_str(), Widen(PageTexts::Caption).c_str(),
                MB_OK | MB_ICONEXCLAMATION);
}

void PageWindow::Refresh() {
    if (window_ == nullptr) {
        return;
    }
    filling_ = true;
    const OptionsPageModel* model = binding_->Model();
    FillList();
    std::vector<OptionsPageModel::Switch> switches;
    if (model != nullptr) {
        switches = model->Switches();
    }
    for (int i = 0; i < PageLayout::SwitchCount; ++i) {
        HWND box = Item(PageLayout::FirstSwitch + i);
        const bool known = static_cast<std::size_t>(i) < switches.size();
        if (known) {
            SetWindowTextW(box, PageLayout::SwitchLabel(switches[i].Name).c_str());
        }
        SendMessageW(box, BM_SETCHECK, known && switches[i].On ? BST_CHECKED : BST_UNCHECKED, 0);
        EnableWindow(box, known);
    }
    for (const int id : {PageLayout::AttachDir, PageLayout::Add, PageLayout::LogLevel,
                         PageLayout::LogPath, PageLayout::LogFilename}) {
        EnableWindow(Item(id), model != nullptr);
    }
    UpdateRemove();
    SetText(Item(PageLayout::Status),
            model != nullptr ? binding_->Message() : PageTexts::NoSettings);
    filling_ = false;
}

void PageWindow::UpdateRemove() {
    EnableWindow(Item(PageLayout::Remove), SelectedRow() >= 0);
}

int PageWindow::SelectedRow() const {
    return static_cast<int>(SendMessageW(Item(PageLayout::List), LVM_GETNEXTITEM,
                                         static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void PageWindow::FillList() {
    const HWND list = Item(PageLayout::List);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    if (binding_->Model() == nullptr) {
        return;
    }
    int row = 0;
    for (const OptionsPageModel::Row& each : binding_->Model()->Rows()) {
        const std::wstring parts[] = {Widen(each.Contacts), Widen(each.Journal), Widen(each.Emails),
                                      Widen(each.AttachDir)};
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<wchar_t*>(parts[0].c_str());
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        for (int column = 1; column < 4; ++column) {
            item.iSubItem = column;
            item.pszText = const_cast<wchar_t*>(parts[column].c_str());
            SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row),
                         reinterpret_cast<LPARAM>(&item));
        }
        ++row;
    }
}

void PageWindow::FillEdits() {
    const OptionsPageModel* model = binding_->Model();
    if (model == nullptr) {
        return;
    }
    filling_ = true;
    SetText(Item(PageLayout::LogLevel), std::to_string(model->LogLevel()));
    SetText(Item(PageLayout::LogPath), model->LogPath());
    SetText(Item(PageLayout::LogFilename), model->LogFilename());
    filling_ = false;
}

std::wstring PageWindow::TextOf(int id) const {
    const HWND control = Item(id);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

void PageWindow::Change(const std::function<bool(OptionsPageModel&)>& edit, bool tellRefusal) {
    if (!binding_->Edit(edit) && tellRefusal && !binding_->Message().empty()) {
        Tell(binding_->Message());
    }
}

void PageWindow::Command(WORD id, WORD code) {
    if (filling_) {
        return;
    }
    if (id == PageLayout::Add && code == BN_CLICKED) {
        const std::string attachDir = Narrow(TextOf(PageLayout::AttachDir));
        Change([&](OptionsPageModel& model) { return model.AddPicked(attachDir); }, true);
    } else if (id == PageLayout::Remove && code == BN_CLICKED) {
        // The button is off while no line is selected.
        if (const int selected = SelectedRow(); selected >= 0) {
            Change(
                [&](OptionsPageModel& model) {
                    return model.Remove(static_cast<std::size_t>(selected) + 1);
                },
                true);
        }
    } else if (id >= PageLayout::FirstSwitch &&
               id < PageLayout::FirstSwitch + PageLayout::SwitchCount && code == BN_CLICKED) {
        const bool on = SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
        const std::size_t index = id - PageLayout::FirstSwitch;
        Change(
            [&](OptionsPageModel& model) {
                const auto switches = model.Switches();
                return index < switches.size() && model.SetSwitch(switches[index].Name, on);
            },
            false);
    } else if (id == PageLayout::LogLevel && code == EN_CHANGE) {
        const std::string level = Narrow(TextOf(id));
        Change([&](OptionsPageModel& model) { return model.SetLogLevel(level); }, false);
    } else if ((id == PageLayout::LogPath || id == PageLayout::LogFilename) && code == EN_CHANGE) {
        const std::string path = Narrow(TextOf(PageLayout::LogPath));
        const std::string filename = Narrow(TextOf(PageLayout::LogFilename));
        Change([&](OptionsPageModel& model) { return model.SetLogLocation(path, filename); },
               false);
    }
}

INT_PTR CALLBACK PageWindow::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        return FALSE;
    }
    auto* page = reinterpret_cast<PageWindow*>(GetWindowLongPtrW(window, DWLP_USER));
    if (page == nullptr || page->window_ != window) {
        return FALSE;
    }
    // A failure here is the page's own: it is not passed to the host's message loop.
    if (message == WM_COMMAND) {
        Guarded([&] { page->Command(LOWORD(wParam), HIWORD(wParam)); });
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == PageLayout::List && header->code == LVN_ITEMCHANGED &&
            !page->filling_) {
            page->UpdateRemove();
        }
        return TRUE;
    }
    return FALSE;
}

}  // namespace pwk::win
