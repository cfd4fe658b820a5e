// Other programs and their windows on the simulated machine.
#include "sim/sim_processes.h"

#include <algorithm>

#include "sim/failure_plan.h"
#include "sim/journal.h"
#include "sim/operations.h"
#include "sim/sim_text.h"

namespace aerowisp {
namespace {

constexpr uint32_t kErrorFileNotFound = 2;
constexpr uint32_t kErrorInvalidWindowHandle = 1400;

// A program name without an extension is looked for as ".exe", as CreateProcess does.
std::u16string WithDefaultExtension(std::u16string path) {
    size_t name = path.find_last_of(u'\\');
    size_t dot = path.find_last_of(u'.');
    if (dot == std::u16string::npos || (name != std::u16string::npos && dot < name))
        path += u".exe";
    return path;
}

std::string WindowArgument(WindowHandle window) {
    return "window=" + std::to_string(window);
}

}  // namespace

SimProcessesAndWindows::SimProcessesAndWindows(Journal& journal, AnsiCodePage* codePage,
                                               FailurePlan* failures)
    : journal_(journal), codePage_(codePage), failures_(failures) {
    AddFile(systemFolder_ + u"\\netsh.exe");
}

std::u16string SimProcessesAndWindows::SystemFolder() {
    journal_.Record("GetSystemDirectoryW", "folder=" + QuoteText(systemFolder_),
                    systemFolder_.empty() ? kErrorFileNotFound : 0);
    return systemFolder_;
}

bool SimProcessesAndWindows::ShellExecuteOpenHidden(const std::u16string& file,
                                                    const std::u16string& parameters) {
    const std::optional<uint32_t> injected = Injected(op::kShellExecuteW);
    const uint32_t result = injected ? *injected : FileExists(file) ? 0 : kErrorFileNotFound;
    journal_.Record(
        op::kShellExecuteW,
        "verb=\"open\" file=" + QuoteText(file) + " parameters=" + QuoteText(parameters) + " show=SW_HIDE",
        result);
    if (result == 0 && shellHandler_)
        shellHandler_(file, parameters);
    return result == 0;
}

bool SimProcessesAndWindows::WinExecHidden(const std::string& ansiCommandLine) {
    std::u16string commandLine;
    if (codePage_) {
        commandLine = codePage_->AnsiToWide(ansiCommandLine);
    } else {
        for (char c : ansiCommandLine)
            commandLine += static_cast<char16_t>(static_cast<unsigned char>(c));
    }
    const std::optional<uint32_t> injected = Injected(op::kWinExec);
    const Program* program = injected ? nullptr : ResolveCommandLine(commandLine);
    journal_.Record(op::kWinExec, "commandLine=" + QuoteBytes(ansiCommandLine) + " show=SW_HIDE",
                    injected  ? *injected
                    : program ? 0
                              : kErrorFileNotFound);
    if (!program)
        return false;
    started_.push_back(program->path);
    if (!program->windowTitle.empty())
        OpenWindow(program->windowTitle);
    return true;
}

std::optional<uint32_t> SimProcessesAndWindows::Injected(std::string_view operation) {
    return failures_ ? failures_->Consume(operation) : std::nullopt;
}

WindowHandle SimProcessesAndWindows::FindWindowByTitle(const std::u16string& title) {
    auto it = std::ranges::find_if(windows_, [&](const Window& window) { return window.title == title; });
    WindowHandle found = it == windows_.end() ? 0 : it->handle;
    journal_.Record("FindWindowW", "class=NULL title=" + QuoteText(title) + " " + WindowArgument(found));
    return found;
}

void SimProcessesAndWindows::SendSysCommandClose(WindowHandle window) {
    Window* target = WindowByHandle(window);
    journal_.Record("SendMessageW",
                    WindowArgument(window) + " message=WM_SYSCOMMAND wParam=SC_CLOSE lParam=0",
                    target ? 0 : kErrorInvalidWindowHandle);
    if (target && target->closesOnSysCommand) {
        std::erase_if(windows_, [&](const Window& w) { return w.handle == window; });
    }
}

std::vector<TopLevelWindow> SimProcessesAndWindows::EnumTopLevelWindows(size_t titleBufferLength) {
    std::vector<TopLevelWindow> result;
    for (const Window& window : windows_) {
        size_t kept = titleBufferLength == 0 ? 0 : std::min(window.title.size(), titleBufferLength - 1);
        result.push_back({window.handle, window.title.substr(0, kept), window.className});
    }
    journal_.Record("EnumWindows", "count=" + std::to_string(result.size()));
    return result;
}

void SimProcessesAndWindows::PostCommand(WindowHandle window, uint32_t commandId) {
    Window* target = WindowByHandle(window);
    journal_.Record(
        "PostMessageW",
        WindowArgument(window) + " message=WM_COMMAND wParam=" + std::to_string(commandId) + " lParam=0",
        target ? 0 : kErrorInvalidWindowHandle);
    if (target)
        target->posted.push_back(commandId);
}

bool SimProcessesAndWindows::DeleteFileAt(const std::u16string& path) {
    std::u16string folded = FoldAsciiCase(path);
    bool existed = std::erase(files_, folded) > 0;
    std::erase_if(programs_, [&](const Program& program) { return FoldAsciiCase(program.path) == folded; });
    journal_.Record("DeleteFileW", "path=" + QuoteText(path), existed ? 0 : kErrorFileNotFound);
    return existed;
}

void SimProcessesAndWindows::TraceDebug(const std::u16string& text) {
    traces_.push_back(text);
    journal_.Record("OutputDebugStringW", "text=" + QuoteText(text));
}

void SimProcessesAndWindows::AddFile(const std::u16string& path) {
    if (!FileExists(path))
        files_.push_back(FoldAsciiCase(path));
}

bool SimProcessesAndWindows::FileExists(const std::u16string& path) const {
    return std::ranges::find(files_, FoldAsciiCase(path)) != files_.end();
}

void SimProcessesAndWindows::AddProgram(const std::u16string& path, const std::u16string& windowTitle) {
    AddFile(path);
    programs_.push_back({path, windowTitle});
}

WindowHandle SimProcessesAndWindows::OpenWindow(const std::u16string& title, bool closesOnSysCommand,
                                                const std::u16string& className) {
    WindowHandle handle = nextWindow_;
    nextWindow_ += 0x10;
    windows_.push_back({handle, title, closesOnSysCommand, className, {}});
    return handle;
}

bool SimProcessesAndWindows::IsWindowOpen(const std::u16string& title) const {
    return std::ranges::any_of(windows_, [&](const Window& window) { return window.title == title; });
}

std::vector<uint32_t> SimProcessesAndWindows::PostedCommands(WindowHandle window) const {
    const Window* target = WindowByHandle(window);
    return target ? target->posted : std::vector<uint32_t>{};
}

const SimProcessesAndWindows::Program* SimProcessesAndWindows::FindProgram(const std::u16string& path) const {
    std::u16string folded = FoldAsciiCase(path);
    if (!FileExists(path))
        return nullptr;
    auto it =
        std::ranges::find_if(programs_, [&](const Program& p) { return FoldAsciiCase(p.path) == folded; });
    return it == programs_.end() ? nullptr : &*it;
}

const SimProcessesAndWindows::Program* SimProcessesAndWindows::ResolveCommandLine(
    const std::u16string& commandLine) const {
    if (!commandLine.empty() && commandLine.front() == u'"') {
        size_t close = commandLine.find(u'"', 1);
        if (close == std::u16string::npos)
            close = commandLine.size();
        return FindProgram(WithDefaultExtension(commandLine.substr(1, close - 1)));
    }
    for (size_t end = commandLine.find(u' ');; end = commandLine.find(u' ', end + 1)) {
        std::u16string candidate = commandLine.substr(0, end);
        if (!candidate.empty()) {
            if (const Program* program = FindProgram(WithDefaultExtension(candidate)))
                return program;
        }
        if (end == std::u16string::npos)
            return nullptr;
    }
}

SimProcessesAndWindows::Window* SimProcessesAndWindows::WindowByHandle(WindowHandle handle) {
    auto it = std::ranges::find_if(windows_, [&](const Window& window) { return window.handle == handle; });
    return it == windows_.end() ? nullptr : &*it;
}

const SimProcessesAndWindows::Window* SimProcessesAndWindows::WindowByHandle(WindowHandle handle) const {
    auto it = std::ranges::find_if(windows_, [&](const Window& window) { return window.handle == handle; });
    return it == windows_.end() ? nullptr : &*it;
}

}  // namespace aerowisp
