// A property sheet in wizard mode over comctl32's PropertySheetW, and its pages from numbered templates,
// whose notifications reach virtual handlers in the style of fw::Dialog.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include <string>
#include <vector>

#include "fw/window.h"

namespace fw {

class WizardSheet;

class PropertyPage : public Window {
  public:
    explicit PropertyPage(int templateId) : templateId_(templateId) {}

    int TemplateId() const { return templateId_; }

    // What a Next or Back handler returns besides a page's template number.
    static constexpr LRESULT kDefaultPage = 0;  // the next or previous page in the sheet's order
    static constexpr LRESULT kStayOnPage = -1;

  protected:
    // WM_INITDIALOG, when the sheet first shows the page; the return value is the message's.
    virtual BOOL OnInitDialog() { return TRUE; }
    // WM_COMMAND; true when handled.
    virtual bool OnCommand(int, int, HWND) { return false; }
    // Every other message but the sheet's notifications; return true and set `result` when handled.
    virtual bool OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }
    // PSN_SETACTIVE: the page is about to be shown.
    virtual void OnSetActive() {}
    // PSN_WIZNEXT and PSN_WIZBACK: kDefaultPage, kStayOnPage or the template number of the page to show.
    virtual LRESULT OnWizardNext() { return kDefaultPage; }
    virtual LRESULT OnWizardBack() { return kDefaultPage; }
    // PSN_WIZFINISH: true lets the sheet end with the Finish code.
    virtual bool OnWizardFinish() { return true; }
    // PSN_QUERYCANCEL: true lets the sheet end cancelled.
    virtual bool OnQueryCancel() { return true; }

    HWND Sheet() const { return ::GetParent(Handle()); }
    // PSM_SETWIZBUTTONS, posted as the sheet expects it while a page activates: PSWIZB_BACK, _NEXT, _FINISH.
    void SetWizardButtons(DWORD buttons) const;

  private:
    friend class WizardSheet;
    PROPSHEETPAGEW Describe();
    static INT_PTR CALLBACK PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnNotify(const NMHDR& header, bool& handled);

    int templateId_;
    WizardSheet* sheet_ = nullptr;
};

class WizardSheet : public Window {
  public:
    // What DoModal returns when Finish ended the sheet (ID_WIZFINISH).
    static constexpr INT_PTR kFinished = 0x3025;

    explicit WizardSheet(std::wstring caption) : caption_(std::move(caption)) {}
    ~WizardSheet() override;

    // Pages are shown in the order they are added; they must outlive the modal run.
    void AddPage(PropertyPage& page) {
        page.sheet_ = this;
        pages_.push_back(&page);
    }
    // Runs the sheet modally over `parent`: kFinished after Finish, IDCANCEL when it was cancelled or
    // closed, -1 when it could not be created.
    INT_PTR DoModal(HWND parent);

  protected:
    // After the framework's own initialisation, when the first page has been laid out.
    virtual void OnInitialized() {}
    // The sheet window's messages before the framework's; true with `result` set when handled. The close
    // command (SC_CLOSE) always ends the sheet as Cancel does, even with Cancel disabled, so whoever
    // closes the wizard from outside can rely on it ending.
    virtual bool OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

  private:
    friend class PropertyPage;
    static int CALLBACK SheetCallback(HWND hwnd, UINT message, LPARAM lParam);
    static LRESULT CALLBACK SheetSubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR id, DWORD_PTR self);
    void Unlink();

    std::wstring caption_;
    std::vector<PropertyPage*> pages_;
    bool finished_ = false;
};

}  // namespace fw
