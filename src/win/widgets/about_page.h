// The About page (template 186): the wireless card in use and the program's file version and date.
#pragma once

#include <string>

#include "core/lang/language_file.h"
#include "widgets/app_pro_page.h"

namespace aerowisp {

class CAboutPage final : public CAppProPage {
  public:
    explicit CAboutPage(const LanguageFile& language);

    // The card's name (when the page has its main window), then the version and date of the program's
    // file; a text that cannot be read keeps what the page shows.
    void RefreshVersionInfo(const std::u16string& cardDescription);

  protected:
    BOOL OnInitDialog() override;

  private:
    const LanguageFile& language_;
};

}  // namespace aerowisp
