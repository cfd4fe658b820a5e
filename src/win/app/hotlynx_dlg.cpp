// The main window's initialisation and message handling.
#include "app/hotlynx_dlg.h"

#include "app/platform_services.h"
#include "app/string_resources.h"
#include "res/resource.h"

namespace aerowisp {

CHotlynxDlg::CHotlynxDlg(PlatformServices& platform) : fw::Dialog(IDD_AEROWISP_DIALOG), platform_(platform) {}

BOOL CHotlynxDlg::OnInitDialog() {
    SetText(LoadResourceString(IDS_APP_TITLE));
    platform_.NoteEvent("MainWindowInitialised");
    return TRUE;
}

}  // namespace aerowisp
