// What the main window's controls share: the services, the window, the texts and the run-time state.
#pragma once

#include "core/lang/language_texts.h"
#include "core/ports/main_view.h"
#include "core/ports/model_ports.h"
#include "core/state/main_window_state.h"

namespace aerowisp {

// Built once by the model and handed to each control, which keeps its own further parts beside it.
struct ControlContext {
    const ModelPorts& ports;
    MainView& view;
    const LanguageTexts& texts;
    MainWindowState& state;
};

}  // namespace aerowisp
