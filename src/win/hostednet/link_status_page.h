// The link status page (template 180): the chosen card's own connection, shown in station mode.
#pragma once

#include "core/hostednet/link_status.h"
#include "core/lang/language_file.h"
#include "widgets/app_pro_page.h"

namespace aerowisp {

class CLinkStatusPage final : public CAppProPage {
  public:
    explicit CLinkStatusPage(const LanguageFile& language);

    // Puts the refresh's texts into the value boxes and the quality label, and the quality on the bar.
    void ShowLinkStatus(const LinkStatusFigures& figures);

  protected:
    BOOL OnInitDialog() override;

  private:
    const LanguageFile& language_;
};

}  // namespace aerowisp
