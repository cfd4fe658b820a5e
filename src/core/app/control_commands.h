// The command line's requests carried out on the main window's thread, through the very operations of
// the window's buttons and the tray's commands, with what they would show turned into the reply.
#pragma once

#include <string>

#include "core/lang/language_texts.h"
#include "core/app/main_window_model.h"
#include "core/control/control_protocol.h"

namespace aerowisp {

// Set by RunControlCommand while a request runs. The window's message boxes then go into `messages`
// instead of on screen, and a dialog that would ask the user is answered as cancelled.
struct ControlCapture {
    bool active = false;
    std::u16string messages;
    bool dialogDeclined = false;

    void NoteMessage(const std::u16string& text) {
        if (!messages.empty())
            messages += u"\n";
        messages += text;
    }
};

// Runs `command` as the button or tray command would, with the same checks first, and says what came
// of it.
control::Reply RunControlCommand(MainWindowModel& model, ControlCapture& capture, control::Command command);
// The answer to a request that comes while a sharing switch is under way: it may be asked again after.
control::Reply BusyControlReply(const LanguageTexts& texts);

}  // namespace aerowisp
