// The control pipe that AerowispCtl.exe and the running program share: its name, its security and how
// long either side waits on the other.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "base/handle.h"

namespace aerowisp {

// How long a read, a write or a connection waits for the other side.
inline constexpr DWORD kControlIoTimeoutMs = 5000;
// How long the program's window may take over one command: a start with connection sharing takes a
// while on a slow machine.
inline constexpr DWORD kControlCommandTimeoutMs = 120000;

// One pipe per logon session, as one program runs per desktop: "\\.\pipe\Aerowisp.Control.<session>".
std::wstring ControlPipeName(DWORD sessionId);
// The name for the session this process runs in.
std::wstring ControlPipeNameForThisSession();

// The descriptor's text: read and write (but not a new instance of the pipe) for `userSid` and the
// Administrators, nothing for anyone else, inherited from nowhere; medium integrity, so the console of a
// user who is not elevated reaches the elevated program.
std::wstring ControlPipeSddl(const std::wstring& userSid);
// The SID of the user this process runs as, in its S-1-... form; empty when the token cannot be read.
std::wstring CurrentUserSid();
// ControlPipeSddl for the current user, converted; null when it could not be made.
base::LocalMemory<void> ControlPipeSecurityDescriptor();

// The client's end, in message mode and opened for overlapped I/O; a pipe busy with another client is
// waited for up to `timeoutMs`. No pipe when no program serves it, or (with `denied`) when it refused
// this user.
struct ControlPipeConnection {
    base::KernelHandle pipe;
    bool denied = false;
};
ControlPipeConnection ConnectControlPipe(DWORD timeoutMs);

// Overlapped I/O on a pipe opened with FILE_FLAG_OVERLAPPED, bounded in time; `stop` (may be null) ends
// a wait early. An operation that does not end in time is cancelled before these return.
enum class PipeIo { kDone, kTooLong, kTimedOut, kStopped, kFailed };
// One whole message; kTooLong when it holds more than `maxBytes` (the rest is left unread).
PipeIo ReadPipeMessage(HANDLE pipe, std::string& message, size_t maxBytes, DWORD timeoutMs, HANDLE stop);
PipeIo WritePipeMessage(HANDLE pipe, std::string_view message, DWORD timeoutMs, HANDLE stop);
// The server's wait for a client on its end of the pipe, until one connects or `stop` is set.
PipeIo AwaitPipeClient(HANDLE pipe, HANDLE stop);

}  // namespace aerowisp
