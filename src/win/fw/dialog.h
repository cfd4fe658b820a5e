// A dialog from a numbered template, modal or modeless, whose messages reach virtual handlers.
#pragma once

#include "fw/window.h"

namespace fw {

class Dialog : public Window {
  public:
    explicit Dialog(int templateId) : templateId_(templateId) {}
    ~Dialog() override;

    int TemplateId() const { return templateId_; }

    // Runs the dialog modally; returns the EndDialog result, or -1 when the dialog could not be created.
    INT_PTR DoModal(HWND parent);
    // Creates the dialog modeless; false when the template could not be loaded.
    bool Create(HWND parent);
    void EndDialog(INT_PTR result);
    // Destroys a modeless dialog.
    void Destroy();

  protected:
    // WM_INITDIALOG; the return value is the message's (TRUE: let the system set the focus).
    virtual BOOL OnInitDialog() { return TRUE; }
    // WM_COMMAND; true when handled. The default ends a modal dialog on IDOK and IDCANCEL.
    virtual bool OnCommand(int id, int notifyCode, HWND control);
    // Every other message; return true and set `result` when handled.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  private:
    // Modal dialogs open centred over their owner, or over the work area when it has none.
    void CenterOnOwner();
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    int templateId_;
    bool modal_ = false;
};

}  // namespace fw
