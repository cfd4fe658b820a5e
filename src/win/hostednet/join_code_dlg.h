// The join window (template 260): the hosted network's QR code, drawn in whole pixels per module at any
// DPI, with the network's name and key beside it and a button that copies the key.
#pragma once

#include <optional>

#include "core/hostednet/join_code.h"
#include "core/lang/language_texts.h"
#include "core/qr/qr_code.h"
#include "fw/dialog.h"

namespace aerowisp {

class CJoinCodeDlg final : public fw::Dialog {
  public:
    CJoinCodeDlg(const LanguageTexts& texts, JoinCode code);

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    void DrawCode(const DRAWITEMSTRUCT& item) const;
    void CopyKey();

    const LanguageTexts& texts_;
    JoinCode code_;
    std::optional<qr::QrCode> symbol_;
};

}  // namespace aerowisp
