// The ICS page (template 185): the computer's adapters, and the connection shared with the hosted network.
#pragma once

#include "core/ics/connection_list.h"
#include "widgets/app_pro_page.h"

namespace aerowisp {

class CICSPage final : public CAppProPage {
  public:
    CICSPage();

    // Rebuilds the list, selects the fill's row and shows its network name as the public network. Without
    // rows the list is emptied and the rest kept.
    void FillConnectionList(const ConnectionListFill& fill);

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    ConnectionListRow RowAt(int index) const;
    void OnApply();
    void OnClickConnectionList(int index);
};

}  // namespace aerowisp
