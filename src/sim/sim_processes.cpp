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
constexpr uint32_t kErrorTimeout = 1460;
constexpr uint32_t kWaitTimeout = 258;
constexpr uint32_t kStillActive = 259;

std::string WindowArgument(WindowHandle window) {
    return "window=" + std::to_string(window);
}

std::string ProcessArgument(uint32_t process) {
    return "process=" + std::to_string(process);
}

std::u16string FileNameOf(const std::u16string& path) {
    const size_t slash = path.find_last_of(u'\\');
    return FoldAsciiCase(slash == std::u16string::npos ? path : path.substr(slash + 1));
}

// The time left until `endTick`, none when it has come.
uint32_t Remaining(uint32_t endTick, uint32_t now) {
    const auto left = static_cast<int32_t>(endTick - now);
    return left > 0 ? static_cast<uint32_t>(left) : 0;
}

}  // namespace

// A program started and not awaited; reads its exit code through the machine.
class SimRunningProcess final : public RunningProcess {
  public:
    SimRunningProcess(SimProcessesAndWindows& machine, uint32_t process)
        : machine_(machine), process_(process) {}

    std::optional<uint32_t> ExitCode() override {
        const std::optional<uint32_t> code = machine_.ReadExitCode(process_);
        return code && *code != kStillActive ? code : std::nullopt;
    }

  private:
    SimProcessesAndWindows& machine_;
    uint32_t process_;
};

SimProcessesAndWindows::SimProcessesAndWindows(Journal& journal, FailurePlan* failures)
    : journal_(journal), failures_(failures) {
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

ProcessRun SimProcessesAndWindows::RunHiddenAndWait(const std::u16string& program,
                                                    const std::u16string& parameters, uint32_t timeoutMs) {
    EndDuePrograms();
    const std::optional<uint32_t> injected = Injected(op::kCreateProcessW);
    const uint32_t result = injected ? *injected : FileExists(program) ? 0 : kErrorFileNotFound;
    const uint32_t id = static_cast<uint32_t>(processes_.size()) + 1;
    journal_.Record(op::kCreateProcessW,
                    "application=" + QuoteText(program) +
                        " commandLine=" + QuoteText(u"\"" + program + u"\" " + parameters) +
                        " flags=CREATE_NO_WINDOW show=SW_HIDE" +
                        (result == 0 ? " " + ProcessArgument(id) : ""),
                    result);
    if (result != 0)
        return {};
    SimProgramRun run;
    const std::u16string name = FileNameOf(program);
    for (const auto& [fileName, declared] : programRuns_) {
        if (fileName == name)
            run = declared;
    }
    run.exitCode = Injected(op::kExitProcess).value_or(run.exitCode);
    processes_.push_back(
        {id, program, parameters, true, clock_ ? Now() + run.durationMs : Now(), false, run.exitCode});

    const uint32_t left = Remaining(processes_.back().endTick, Now());
    const std::string waitArguments = ProcessArgument(id) + " timeout=" + std::to_string(timeoutMs);
    if (const std::optional<uint32_t> failed = Injected(op::kWaitForSingleObject)) {
        journal_.Record(op::kWaitForSingleObject, waitArguments, *failed);
        return {};
    }
    const bool ends = left <= timeoutMs;
    if (passTime_)
        passTime_(ends ? left : timeoutMs);
    // A real clock may lag its sleep by a tick: the program has waited its whole run.
    if (ends && Remaining(processes_[id - 1].endTick, Now()) > 0)
        processes_[id - 1].endTick = Now();
    EndDuePrograms();
    journal_.Record(op::kWaitForSingleObject, waitArguments, ends ? 0 : kWaitTimeout);
    if (!ends)
        return {ProcessRun::Outcome::kTimedOut, 0};
    const std::optional<uint32_t> code = ReadExitCode(id);
    if (!code)
        return {};
    return {ProcessRun::Outcome::kExited, *code};
}

std::unique_ptr<RunningProcess> SimProcessesAndWindows::StartHidden(const std::u16string& program) {
    EndDuePrograms();
    const std::optional<uint32_t> injected = Injected(op::kCreateProcessW);
    const Program* found = injected ? nullptr : FindProgram(program);
    const uint32_t id = static_cast<uint32_t>(processes_.size()) + 1;
    journal_.Record(op::kCreateProcessW,
                    "application=" + QuoteText(program) +
                        " commandLine=" + QuoteText(u"\"" + program + u"\"") +
                        " flags=CREATE_NO_WINDOW show=SW_HIDE" + (found ? " " + ProcessArgument(id) : ""),
                    injected ? *injected
                    : found  ? 0
                             : kErrorFileNotFound);
    if (!found)
        return nullptr;
    started_.push_back(found->path);
    processes_.push_back({id, found->path, {}, false, 0, false, 0});
    if (!found->windowTitle.empty())
        OpenWindow(found->windowTitle, true, found->path);
    return std::make_unique<SimRunningProcess>(*this, id);
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
    if (target && target->closesOnSysCommand)
        CloseWindow(window);
}

bool SimProcessesAndWindows::SendSysCommandCloseWithin(WindowHandle window, uint32_t timeoutMs) {
    const std::string arguments =
        WindowArgument(window) +
        " message=WM_SYSCOMMAND wParam=SC_CLOSE flags=SMTO_ABORTIFHUNG timeout=" + std::to_string(timeoutMs);
    if (const std::optional<uint32_t> failed = Injected(op::kSendMessageTimeoutW)) {
        journal_.Record(op::kSendMessageTimeoutW, arguments, *failed);
        return false;
    }
    Window* target = WindowByHandle(window);
    const uint32_t result = !target ? kErrorInvalidWindowHandle : target->hung ? kErrorTimeout : 0;
    journal_.Record(op::kSendMessageTimeoutW, arguments, result);
    if (result != 0)
        return false;
    if (target->closesOnSysCommand)
        CloseWindow(window);
    return true;
}

std::u16string SimProcessesAndWindows::WindowProgramPath(WindowHandle window) {
    const Window* target = WindowByHandle(window);
    const std::optional<uint32_t> injected = Injected(op::kQueryFullProcessImageNameW);
    const std::u16string path = target && !injected ? target->programPath : u"";
    journal_.Record(op::kQueryFullProcessImageNameW, WindowArgument(window) + " path=" + QuoteText(path),
                    injected ? *injected
                    : target ? 0
                             : kErrorInvalidWindowHandle);
    return path;
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
                                                const std::u16string& programPath, bool hung,
                                                const std::u16string& className) {
    WindowHandle handle = nextWindow_;
    nextWindow_ += 0x10;
    windows_.push_back({handle, title, closesOnSysCommand, className, {}, programPath, hung});
    return handle;
}

void SimProcessesAndWindows::SetProgramRun(const std::u16string& fileName, SimProgramRun run) {
    programRuns_.emplace_back(FoldAsciiCase(fileName), run);
}

bool SimProcessesAndWindows::EndProgram(const std::u16string& path, uint32_t exitCode) {
    const std::u16string folded = FoldAsciiCase(path);
    auto running = std::ranges::find_if(
        processes_, [&](const Process& p) { return !p.ended && FoldAsciiCase(p.path) == folded; });
    if (running == processes_.end())
        return false;
    running->ended = true;
    running->exitCode = exitCode;
    std::erase_if(windows_, [&](const Window& w) { return FoldAsciiCase(w.programPath) == folded; });
    return true;
}

uint32_t SimProcessesAndWindows::Now() const {
    return clock_ ? clock_->GetTickCount() : 0;
}

void SimProcessesAndWindows::EndDuePrograms() {
    std::vector<Process*> due;
    for (Process& process : processes_) {
        if (process.endsOnItsOwn && !process.ended && Remaining(process.endTick, Now()) == 0)
            due.push_back(&process);
    }
    std::ranges::stable_sort(due, [&](const Process* a, const Process* b) {
        return static_cast<int32_t>(a->endTick - b->endTick) < 0;
    });
    for (Process* process : due) {
        process->ended = true;
        if (process->exitCode == 0 && shellHandler_)
            shellHandler_(process->path, process->parameters);
    }
}

void SimProcessesAndWindows::CloseWindow(WindowHandle handle) {
    const Window* window = WindowByHandle(handle);
    if (!window)
        return;
    const std::u16string folded = FoldAsciiCase(window->programPath);
    for (Process& process : processes_) {
        if (!process.endsOnItsOwn && !process.ended && FoldAsciiCase(process.path) == folded)
            process.ended = true;
    }
    std::erase_if(windows_, [&](const Window& w) { return w.handle == handle; });
}

SimProcessesAndWindows::Process* SimProcessesAndWindows::ProcessById(uint32_t id) {
    return id >= 1 && id <= processes_.size() ? &processes_[id - 1] : nullptr;
}

std::optional<uint32_t> SimProcessesAndWindows::ReadExitCode(uint32_t process) {
    EndDuePrograms();
    const std::string arguments = ProcessArgument(process);
    if (const std::optional<uint32_t> failed = Injected(op::kGetExitCodeProcess)) {
        journal_.Record(op::kGetExitCodeProcess, arguments, *failed);
        return std::nullopt;
    }
    const Process* target = ProcessById(process);
    const uint32_t code = target && target->ended ? target->exitCode : kStillActive;
    journal_.Record(op::kGetExitCodeProcess, arguments + " exitCode=" + std::to_string(code));
    return code;
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

SimProcessesAndWindows::Window* SimProcessesAndWindows::WindowByHandle(WindowHandle handle) {
    auto it = std::ranges::find_if(windows_, [&](const Window& window) { return window.handle == handle; });
    return it == windows_.end() ? nullptr : &*it;
}

const SimProcessesAndWindows::Window* SimProcessesAndWindows::WindowByHandle(WindowHandle handle) const {
    auto it = std::ranges::find_if(windows_, [&](const Window& window) { return window.handle == handle; });
    return it == windows_.end() ? nullptr : &*it;
}

}  // namespace aerowisp
