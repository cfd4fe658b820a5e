// The main window: dialog 102, run modally for the whole life of the program.
#pragma once

#include "fw/dialog.h"

namespace aerowisp {

class PlatformServices;

class CHotlynxDlg : public fw::Dialog {
public:
    explicit CHotlynxDlg(PlatformServices& platform);

protected:
    BOOL OnInitDialog() override;

private:
    PlatformServices& platform_;
};

}  // namespace aerowisp
