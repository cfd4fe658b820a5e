// The control pipe's name and security descriptor.
#include "control/control_pipe.h"

#include <sddl.h>

#include <vector>

namespace aerowisp {
namespace {

constexpr wchar_t kPipePrefix[] = L"\\\\.\\pipe\\Aerowisp.Control.";
// FILE_GENERIC_READ | FILE_WRITE_DATA | FILE_WRITE_EA | FILE_WRITE_ATTRIBUTES: FILE_GENERIC_WRITE less
// FILE_APPEND_DATA, which for a pipe is the right to create another instance of it.
constexpr wchar_t kClientRights[] = L"0x12019b";
constexpr DWORD kBusyPipePollMs = 20;

// Waits for the operation `started` began; cancels it when the time is up or `stop` is set.
PipeIo FinishIo(HANDLE pipe, OVERLAPPED& overlapped, BOOL started, DWORD timeoutMs, HANDLE stop,
                DWORD& bytes) {
    DWORD error = started ? ERROR_SUCCESS : ::GetLastError();
    // A client that connected before the server's wait: nothing to wait for.
    if (error == ERROR_PIPE_CONNECTED)
        return PipeIo::kDone;
    if (!started && error != ERROR_IO_PENDING)
        return error == ERROR_MORE_DATA ? PipeIo::kTooLong : PipeIo::kFailed;
    const HANDLE events[] = {overlapped.hEvent, stop};
    const DWORD waited = ::WaitForMultipleObjects(stop != nullptr ? 2 : 1, events, FALSE, timeoutMs);
    if (waited != WAIT_OBJECT_0) {
        ::CancelIo(pipe);
        ::GetOverlappedResult(pipe, &overlapped, &bytes, TRUE);
        return waited == WAIT_OBJECT_0 + 1 ? PipeIo::kStopped : PipeIo::kTimedOut;
    }
    if (::GetOverlappedResult(pipe, &overlapped, &bytes, FALSE))
        return PipeIo::kDone;
    return ::GetLastError() == ERROR_MORE_DATA ? PipeIo::kTooLong : PipeIo::kFailed;
}

// Starts an operation with `start` (given the OVERLAPPED, on an event of its own) and finishes it.
template <typename Start>
PipeIo RunIo(HANDLE pipe, DWORD timeoutMs, HANDLE stop, DWORD& bytes, Start start) {
    base::KernelHandle event(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!event)
        return PipeIo::kFailed;
    OVERLAPPED overlapped{};
    overlapped.hEvent = event.Get();
    const BOOL started = start(overlapped);
    return FinishIo(pipe, overlapped, started, timeoutMs, stop, bytes);
}

}  // namespace

PipeIo ReadPipeMessage(HANDLE pipe, std::string& message, size_t maxBytes, DWORD timeoutMs, HANDLE stop) {
    message.assign(maxBytes + 1, '\0');
    DWORD bytes = 0;
    const PipeIo result = RunIo(pipe, timeoutMs, stop, bytes, [&](OVERLAPPED& overlapped) {
        return ::ReadFile(pipe, message.data(), static_cast<DWORD>(message.size()), &bytes, &overlapped);
    });
    message.resize(result == PipeIo::kDone ? bytes : 0);
    if (result == PipeIo::kDone && bytes > maxBytes)
        return PipeIo::kTooLong;
    return result;
}

PipeIo WritePipeMessage(HANDLE pipe, std::string_view message, DWORD timeoutMs, HANDLE stop) {
    DWORD bytes = 0;
    const PipeIo result = RunIo(pipe, timeoutMs, stop, bytes, [&](OVERLAPPED& overlapped) {
        return ::WriteFile(pipe, message.data(), static_cast<DWORD>(message.size()), &bytes, &overlapped);
    });
    if (result == PipeIo::kDone && bytes != message.size())
        return PipeIo::kFailed;
    return result;
}

PipeIo AwaitPipeClient(HANDLE pipe, HANDLE stop) {
    DWORD ignored = 0;
    return RunIo(pipe, INFINITE, stop, ignored,
                 [pipe](OVERLAPPED& overlapped) { return ::ConnectNamedPipe(pipe, &overlapped); });
}

std::wstring ControlPipeName(DWORD sessionId) {
    return kPipePrefix + std::to_wstring(sessionId);
}

std::wstring ControlPipeNameForThisSession() {
    DWORD session = 0;
    if (!::ProcessIdToSessionId(::GetCurrentProcessId(), &session))
        session = 0;
    return ControlPipeName(session);
}

ControlPipeConnection ConnectControlPipe(DWORD timeoutMs) {
    const std::wstring name = ControlPipeNameForThisSession();
    ControlPipeConnection connection;
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    for (;;) {
        // No FILE_APPEND_DATA: for a pipe that is the right to make an instance, which no client has.
        connection.pipe = base::KernelHandle(
            ::CreateFileW(name.c_str(), GENERIC_READ | FILE_WRITE_DATA | FILE_WRITE_ATTRIBUTES, 0, nullptr,
                          OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr));
        if (connection.pipe)
            break;
        const DWORD error = ::GetLastError();
        connection.denied = error == ERROR_ACCESS_DENIED;
        if (error != ERROR_PIPE_BUSY || ::GetTickCount64() >= deadline)
            return connection;
        // Between two clients the server is briefly not listening; WaitNamedPipeW returns at once then.
        if (!::WaitNamedPipeW(name.c_str(), timeoutMs))
            ::Sleep(kBusyPipePollMs);
    }
    DWORD mode = PIPE_READMODE_MESSAGE;
    ::SetNamedPipeHandleState(connection.pipe.Get(), &mode, nullptr, nullptr);
    return connection;
}

std::wstring ControlPipeSddl(const std::wstring& userSid) {
    return std::wstring(L"D:P(A;;") + kClientRights + L";;;" + userSid + L")(A;;" + kClientRights +
           L";;;BA)S:(ML;;NW;;;ME)";
}

std::wstring CurrentUserSid() {
    base::KernelHandle token;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, token.Receive()))
        return {};
    DWORD size = 0;
    ::GetTokenInformation(token.Get(), TokenUser, nullptr, 0, &size);
    if (size == 0)
        return {};
    std::vector<BYTE> buffer(size);
    if (!::GetTokenInformation(token.Get(), TokenUser, buffer.data(), size, &size))
        return {};
    const auto* user = reinterpret_cast<const TOKEN_USER*>(buffer.data());
    base::LocalMemory<wchar_t> text;
    if (!::ConvertSidToStringSidW(user->User.Sid, text.Receive()))
        return {};
    return text.Get();
}

base::LocalMemory<void> ControlPipeSecurityDescriptor() {
    const std::wstring sid = CurrentUserSid();
    base::LocalMemory<void> descriptor;
    if (sid.empty())
        return descriptor;
    PSECURITY_DESCRIPTOR made = nullptr;
    if (::ConvertStringSecurityDescriptorToSecurityDescriptorW(ControlPipeSddl(sid).c_str(), SDDL_REVISION_1,
                                                               &made, nullptr))
        descriptor.Reset(made);
    return descriptor;
}

}  // namespace aerowisp
