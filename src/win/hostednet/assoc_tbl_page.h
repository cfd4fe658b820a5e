// The association list page (template 182): the stations associated with the hosted network.
#pragma once

#include "core/lang/language_file.h"
#include "widgets/app_pro_page.h"

namespace aerowisp {

class CAssocTblPage final : public CAppProPage {
  public:
    explicit CAssocTblPage(const LanguageFile& language);

    // Starts the refresh timer on the page's own window, killing a running one first.
    void RestartRefreshTimer(UINT_PTR timerId, UINT periodMs);
    // Kills the refresh timer and deletes every row.
    void ClearList();

  protected:
    BOOL OnInitDialog() override;

  private:
    const LanguageFile& language_;
    UINT_PTR refreshTimer_ = 0;
};

}  // namespace aerowisp
