// The association list page (template 182): the stations associated with the hosted network.
#pragma once

#include <vector>

#include "core/hostednet/association_list.h"
#include "widgets/app_pro_page.h"

namespace aerowisp {

class CAssocTblPage final : public CAppProPage {
  public:
    CAssocTblPage();

    // Replaces every row with `rows`.
    void ShowRows(const std::vector<AssociationRow>& rows);
    // Kills the refresh timer and deletes every row.
    void ClearList();

  protected:
    BOOL OnInitDialog() override;

  private:
};

}  // namespace aerowisp
