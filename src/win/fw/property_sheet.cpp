// Property sheet plumbing: a page's `this` comes from its PROPSHEETPAGEW at WM_INITDIALOG and is
// unlinked at WM_NCDESTROY; the sheet window is subclassed from the sheet's callback and unlinked
// before it dies. Exceptions never leave a window procedure.
#include "fw/property_sheet.h"

namespace fw {
namespace {

// PropertySheetW's callback carries no context: the sheet being created is passed on through this, set
// only for the creating call on the creating thread.
thread_local WizardSheet* creatingSheet = nullptr;

}  // namespace

void PropertyPage::SetWizardButtons(DWORD buttons) const {
    ::PostMessageW(Sheet(), PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(buttons));
}

PROPSHEETPAGEW PropertyPage::Describe() {
    PROPSHEETPAGEW page{};
    page.dwSize = sizeof(page);
    page.dwFlags = PSP_DEFAULT;  // PSP_HASHELP cleared: no Help button
    page.hInstance = ::GetModuleHandleW(nullptr);
    page.pszTemplate = MAKEINTRESOURCEW(templateId_);
    page.pfnDlgProc = &PageProc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    return page;
}

INT_PTR CALLBACK PropertyPage::PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    PropertyPage* created = nullptr;
    if (message == WM_INITDIALOG)
        created = reinterpret_cast<PropertyPage*>(reinterpret_cast<const PROPSHEETPAGEW*>(lParam)->lParam);
    return RouteDialogMessage(hwnd, message, wParam, lParam, created, &PropertyPage::Dispatch);
}

INT_PTR PropertyPage::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog();
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
        case WM_NOTIFY: {
            bool handled = false;
            const LRESULT result = OnNotify(*reinterpret_cast<const NMHDR*>(lParam), handled);
            if (handled)
                return HandledDialogMessage(Handle(), message, result);
            break;
        }
        default:
            break;
    }
    LRESULT result = 0;
    if (!OnMessage(message, wParam, lParam, result))
        return FALSE;
    return HandledDialogMessage(Handle(), message, result);
}

LRESULT PropertyPage::OnNotify(const NMHDR& header, bool& handled) {
    handled = true;
    switch (header.code) {
        case PSN_SETACTIVE:
            OnSetActive();
            return 0;
        case PSN_WIZNEXT:
            return OnWizardNext();
        case PSN_WIZBACK:
            return OnWizardBack();
        case PSN_WIZFINISH:
            if (!OnWizardFinish())
                return TRUE;
            if (sheet_ != nullptr)
                sheet_->finished_ = true;
            return FALSE;
        case PSN_QUERYCANCEL:
            return OnQueryCancel() ? FALSE : TRUE;
        default:
            handled = false;
            return 0;
    }
}

WizardSheet::~WizardSheet() {
    Unlink();
}

INT_PTR WizardSheet::DoModal(HWND parent) {
    std::vector<HPROPSHEETPAGE> handles;
    for (PropertyPage* page : pages_) {
        PROPSHEETPAGEW description = page->Describe();
        if (HPROPSHEETPAGE handle = ::CreatePropertySheetPageW(&description))
            handles.push_back(handle);
    }
    if (handles.size() != pages_.size()) {
        for (HPROPSHEETPAGE handle : handles)
            ::DestroyPropertySheetPage(handle);
        return -1;
    }
    PROPSHEETHEADERW header{};
    header.dwSize = sizeof(header);
    header.dwFlags = PSH_WIZARD | PSH_USECALLBACK;
    header.hwndParent = parent;
    header.hInstance = ::GetModuleHandleW(nullptr);
    header.pszCaption = caption_.c_str();
    header.nPages = static_cast<UINT>(handles.size());
    header.phpage = handles.data();
    header.pfnCallback = &SheetCallback;
    finished_ = false;
    creatingSheet = this;
    const INT_PTR result = ::PropertySheetW(&header);
    creatingSheet = nullptr;
    Unlink();
    if (result < 0)
        return -1;
    return finished_ ? kFinished : IDCANCEL;
}

int CALLBACK WizardSheet::SheetCallback(HWND hwnd, UINT message, LPARAM) {
    WizardSheet* self = creatingSheet;
    if (message != PSCB_INITIALIZED || self == nullptr || self->Handle() != nullptr)
        return 0;
    self->Attach(hwnd);
    ::SetWindowSubclass(hwnd, &SheetSubclassProc, reinterpret_cast<UINT_PTR>(self),
                        reinterpret_cast<DWORD_PTR>(self));
    ::SetWindowTextW(hwnd, self->caption_.c_str());
    try {
        self->OnInitialized();
    } catch (...) {
    }
    return 0;
}

LRESULT CALLBACK WizardSheet::SheetSubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                                UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<WizardSheet*>(data);
    if (message == WM_NCDESTROY) {
        self->Unlink();
        return ::DefSubclassProc(hwnd, message, wParam, lParam);
    }
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) {
        // The dialog manager drops a close while Cancel is disabled; the button's command is taken
        // whatever its state.
        ::SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(hwnd, IDCANCEL)));
        return 0;
    }
    LRESULT result = 0;
    bool handled = false;
    try {
        handled = self->OnMessage(message, wParam, lParam, result);
    } catch (...) {
        handled = false;
    }
    return handled ? result : ::DefSubclassProc(hwnd, message, wParam, lParam);
}

void WizardSheet::Unlink() {
    if (Handle() == nullptr)
        return;
    ::RemoveWindowSubclass(Handle(), &SheetSubclassProc, reinterpret_cast<UINT_PTR>(this));
    Detach();
}

}  // namespace fw
