// The ICS page (template 185): the computer's adapters, and the connection shared with the hosted network.
#pragma once

#include "core/ics/ics_state.h"
#include "core/lang/language_file.h"
#include "widgets/app_pro_page.h"

namespace aerowisp {

class CICSPage final : public CAppProPage {
  public:
    explicit CICSPage(const LanguageFile& language);

    // Rebuilds the list from the adapter table, selects the row of the chosen connection (the last that
    // matches, else the first) and shows that row's network name. An empty table leaves the list empty
    // and the name as it was.
    void FillConnectionList(const AdapterTable& table, const std::u16string& chosenConnection);

  protected:
    BOOL OnInitDialog() override;

  private:
    const LanguageFile& language_;
};

}  // namespace aerowisp
