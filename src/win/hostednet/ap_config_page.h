// The AP configuration page (template 181): the hosted network's BSSID, name and key, shown in AP+STA mode.
#pragma once

#include <string>

#include "core/ports/main_view.h"
#include "core/lang/language_file.h"
#include "widgets/app_pro_page.h"

namespace aerowisp {

class CAPConfigPage final : public CAppProPage {
  public:
    // `owner` is the main window, whose language strings the page's messages use; `language` gives the
    // controls their texts.
    CAPConfigPage(MainView& owner, const LanguageFile& language);

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

    MainView& owner_;
    const LanguageFile& language_;
    // Set while the page fills its own boxes, whose change notifications are then not the user's.
    bool filling_ = false;
};

}  // namespace aerowisp
