// The link status page (template 180): the chosen card's own connection, shown in station mode.
#pragma once

#include "core/hostednet/link_status.h"
#include "widgets/app_pro_page.h"

namespace aerowisp {

class CLinkStatusPage final : public CAppProPage {
  public:
    CLinkStatusPage();

    // Puts the refresh's texts into the value boxes and the quality label, and the quality on the bar.
    void ShowLinkStatus(const LinkStatusFigures& figures);

  protected:
    BOOL OnInitDialog() override;

  private:
};

}  // namespace aerowisp
