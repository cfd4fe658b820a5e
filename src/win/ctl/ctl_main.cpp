// AerowispCtl.exe: the console's way to the running Aerowisp. It parses its command line, passes one
// request over the control pipe and prints the reply for a person or, with --json, for a script.
#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "control/control_pipe.h"
#include "core/control/control_protocol.h"
#include "core/control/ctl_arguments.h"
#include "core/control/ctl_output.h"
#include "core/qr/qr_code.h"
#include "core/qr/qr_png.h"
#include "core/text/utf16_text.h"
#include "base/handle.h"
#include "fw/wide_text.h"
#include "native/program_folder.h"

namespace aerowisp {
namespace {

using control::Command;
using control::CtlArguments;
using control::ExitCode;
using control::Reply;

constexpr wchar_t kProgramFile[] = L"Aerowisp.exe";
// How long a start with --launch waits for the new program's pipe: the consent prompt, and the program's
// wait of 8 s when the machine has only just started.
constexpr DWORD kLaunchWaitMs = 120000;
constexpr DWORD kLaunchPollMs = 250;
constexpr char kNotRunning[] = "Aerowisp is not running.";
constexpr char kNotRunningStart[] = "Aerowisp is not running. Add --launch to start it.";
constexpr char kGarbledReply[] = "Aerowisp's answer could not be read.";
constexpr char kNoAnswer[] = "Aerowisp did not answer.";
constexpr char kAccessDenied[] = "Aerowisp refused the connection: it runs for another user.";
constexpr char kLaunchFailed[] = "Aerowisp could not be started.";
constexpr char kLaunchEnded[] = "Aerowisp was started but ended before it could be reached.";
constexpr char kPngFailed[] = "The picture could not be written to ";
constexpr char kQrTooLong[] = "The network name and key are too long for a QR code.";
constexpr qr::ErrorCorrection kPngLevel = qr::ErrorCorrection::kMedium;

// UTF-16 to a console, UTF-8 to a file or a pipe.
void Print(DWORD which, const std::string& utf8) {
    const HANDLE out = ::GetStdHandle(which);
    if (out == nullptr || out == INVALID_HANDLE_VALUE)
        return;
    DWORD mode = 0;
    DWORD written = 0;
    if (::GetConsoleMode(out, &mode)) {
        std::wstring text = fw::ToWide(Utf8ToUtf16(utf8).value_or(u""));
        std::wstring console;
        for (wchar_t c : text) {
            if (c == L'\n')
                console += L'\r';
            console += c;
        }
        ::WriteConsoleW(out, console.data(), static_cast<DWORD>(console.size()), &written, nullptr);
    } else {
        ::WriteFile(out, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
    }
}

int Problem(const CtlArguments& arguments, ExitCode code, const std::string& message) {
    if (arguments.json) {
        Print(STD_OUTPUT_HANDLE, control::ProblemAsJson(arguments.command, code, message));
    } else {
        Print(STD_ERROR_HANDLE, message + "\n");
    }
    return static_cast<int>(code);
}

// The pipe, with the program allowed to bring its window to the front for `show`.
ControlPipeConnection Connect() {
    ControlPipeConnection connection = ConnectControlPipe(kControlIoTimeoutMs);
    ULONG server = 0;
    if (connection.pipe && ::GetNamedPipeServerProcessId(connection.pipe.Get(), &server))
        ::AllowSetForegroundWindow(server);
    return connection;
}

// Starts Aerowisp.exe from this program's folder (Windows asks for administrator rights) and waits for its
// pipe; an empty text when it can be reached, otherwise why not.
std::string Launch(ControlPipeConnection& connection) {
    const std::u16string folder = ProgramFolder();
    if (folder.empty())
        return kLaunchFailed;
    const std::wstring file = fw::ToWide(folder) + kProgramFile;
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.lpFile = file.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (!::ShellExecuteExW(&info))
        return kLaunchFailed;
    const base::KernelHandle process(info.hProcess);
    const ULONGLONG deadline = ::GetTickCount64() + kLaunchWaitMs;
    while (::GetTickCount64() < deadline) {
        connection = Connect();
        if (connection.pipe || connection.denied)
            return {};
        if (process && ::WaitForSingleObject(process.Get(), 0) == WAIT_OBJECT_0) {
            // A second copy ends at once, leaving the first to serve.
            connection = Connect();
            return connection.pipe ? std::string() : kLaunchEnded;
        }
        ::Sleep(kLaunchPollMs);
    }
    return kNoAnswer;
}

std::optional<Reply> Exchange(HANDLE pipe, Command command) {
    if (WritePipeMessage(pipe, control::RequestText(command), kControlIoTimeoutMs, nullptr) != PipeIo::kDone)
        return std::nullopt;
    std::string text;
    if (ReadPipeMessage(pipe, text, control::kMaxReplyBytes, kControlCommandTimeoutMs + kControlIoTimeoutMs,
                        nullptr) != PipeIo::kDone)
        return std::nullopt;
    return control::ParseReply(text);
}

// The join text as a PNG file; the reply says where it went, or why not.
void WritePng(const CtlArguments& arguments, Reply& reply) {
    const std::optional<std::string_view> payload = reply.Field("payload");
    if (!payload)
        return;
    const std::optional<qr::QrCode> symbol = qr::EncodeUtf8(*payload, kPngLevel);
    if (!symbol) {
        reply.outcome = control::Outcome::kFailed;
        reply.message = kQrTooLong;
        return;
    }
    const std::vector<uint8_t> png = qr::EncodePng(*symbol);
    const std::wstring path = fw::ToWide(arguments.pngFile);
    const base::KernelHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!file || !::WriteFile(file.Get(), png.data(), static_cast<DWORD>(png.size()), &written, nullptr) ||
        written != png.size()) {
        reply.outcome = control::Outcome::kFailed;
        reply.message = kPngFailed + Utf16ToUtf8(arguments.pngFile);
        return;
    }
    reply.Add("file", Utf16ToUtf8(arguments.pngFile));
}

int Run(const std::vector<std::u16string>& words) {
    const control::CtlArgumentsResult parsed = control::ParseCtlArguments(words);
    if (!parsed.arguments) {
        CtlArguments bare;
        bare.json = std::find(words.begin(), words.end(), u"--json") != words.end();
        return Problem(bare, ExitCode::kBadUsage, parsed.error + "; see AerowispCtl --help");
    }
    const CtlArguments& arguments = *parsed.arguments;
    if (arguments.help) {
        Print(STD_OUTPUT_HANDLE, control::CtlHelp(arguments.command));
        return static_cast<int>(ExitCode::kDone);
    }
    const Command command = *arguments.command;
    ControlPipeConnection connection = Connect();
    if (!connection.pipe && !connection.denied) {
        if (!arguments.launch)
            return Problem(arguments, ExitCode::kNotRunning,
                           command == Command::kStart ? kNotRunningStart : kNotRunning);
        if (const std::string why = Launch(connection); !why.empty())
            return Problem(arguments, ExitCode::kRefused, why);
    }
    if (connection.denied)
        return Problem(arguments, ExitCode::kRefused, kAccessDenied);
    std::optional<Reply> reply = Exchange(connection.pipe.Get(), command);
    if (!reply)
        return Problem(arguments, ExitCode::kRefused, kGarbledReply);
    if (command == Command::kQr && !arguments.pngFile.empty() && reply->outcome == control::Outcome::kDone)
        WritePng(arguments, *reply);
    if (arguments.json) {
        Print(STD_OUTPUT_HANDLE, control::ReplyAsJson(command, *reply, arguments.showKey));
    } else {
        Print(reply->outcome == control::Outcome::kDone ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE,
              control::ReplyAsText(*reply, arguments.showKey));
    }
    return static_cast<int>(control::ExitCodeFor(reply->outcome));
}

}  // namespace
}  // namespace aerowisp

int wmain(int argc, wchar_t** argv) {
    try {
        std::vector<std::u16string> words;
        for (int i = 1; i < argc; ++i)
            words.push_back(fw::FromWide(argv[i]));
        return aerowisp::Run(words);
    } catch (const std::exception&) {
        return static_cast<int>(aerowisp::control::ExitCode::kRefused);
    }
}
