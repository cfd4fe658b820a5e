// The AP configuration page (template 181): the hosted network's BSSID, name and key, shown in AP+STA mode.
#pragma once

#include <string>

#include "core/lang/language_file.h"
#include "widgets/app_pro_page.h"

namespace aerowisp {

class CAPConfigPage final : public CAppProPage {
  public:
    explicit CAPConfigPage(const LanguageFile& language);

    // SSID box := ssid; key and confirmation boxes := key.
    void FillApConfigPage(const std::u16string& ssid, const std::u16string& key);
    // Starts the page's one-shot timer on its own window, killing a running one first.
    void RestartPageTimer(UINT_PTR timerId, UINT periodMs);

  protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    void OnPageTimer();

    const LanguageFile& language_;
    UINT_PTR pageTimer_ = 0;
};

}  // namespace aerowisp
