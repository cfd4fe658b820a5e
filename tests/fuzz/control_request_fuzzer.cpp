// libFuzzer target: the control pipe's request and reply readers. A request is taken only when it is
// exactly the text of one command; a reply that reads is written back to the same reply; the command
// line's arguments give arguments or an error, never both.
#include "core/control/control_protocol.h"
#include "core/control/ctl_arguments.h"
#include "core/control/ctl_output.h"
#include "fuzz_support.h"

using aerowisp::fuzz::Arguments;
using aerowisp::fuzz::Bytes;
using aerowisp::fuzz::Require;
namespace control = aerowisp::control;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes = Bytes(data, size);
    if (const std::optional<control::Command> command = control::ParseRequest(bytes))
        Require(control::RequestText(*command) == bytes);
    if (const std::optional<control::Reply> reply = control::ParseReply(bytes)) {
        const std::string text = control::ReplyText(*reply);
        Require(control::ParseReply(text) == reply);
        for (control::Command command : {control::Command::kStatus, control::Command::kStations})
            Require(!control::ReplyAsJson(command, *reply, true).empty());
    }
    const control::CtlArgumentsResult parsed = control::ParseCtlArguments(Arguments(bytes));
    Require(parsed.arguments.has_value() != !parsed.error.empty());
    return 0;
}
