// The ICS page (template 185): the computer's adapters, and the connection shared with the hosted network.
#pragma once

#include "core/lang/language_file.h"
#include "widgets/app_pro_page.h"

namespace aerowisp {

class CICSPage final : public CAppProPage {
  public:
    explicit CICSPage(const LanguageFile& language);

    // Rebuilds the list from the adapter table and selects the chosen connection's row.
    void FillConnectionList();

  protected:
    BOOL OnInitDialog() override;

  private:
    const LanguageFile& language_;
};

}  // namespace aerowisp
