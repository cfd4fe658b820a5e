// The AP configuration page (template 181): the hosted network's BSSID, name and key, shown in AP+STA mode.
#pragma once

#include <string>

#include "widgets/app_pro_page.h"

namespace aerowisp {

class CAPConfigPage final : public CAppProPage {
  public:
    CAPConfigPage();

    // SSID box := ssid; key and confirmation boxes := key. Apply keeps its state: only typing enables it.
    void FillApConfigPage(const std::u16string& ssid, const std::u16string& key);
    // The BSSID label alone; the boxes keep what the user is typing.
    void SetBssid(const std::u16string& bssid);

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;

  private:
    void OnApply();
    void OnJoinCode();

    // Set while the page fills its own boxes, whose change notifications are then not the user's.
    bool filling_ = false;
};

}  // namespace aerowisp
