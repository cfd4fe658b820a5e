// The control pipe's server thread.
#include "control/control_pipe_server.h"

#include <string>

#include "control/control_pipe.h"

namespace aerowisp {
namespace {

using control::Outcome;
using control::Reply;

// The replies the pipe thread gives itself; the window's own come in the user's language.
constexpr char kNotUnderstood[] = "The request was not understood; nothing was done.";
constexpr char kNoAnswer[] = "Aerowisp did not answer in time.";
// Reads of what a client sends after its request before the pipe is cut anyway.
constexpr int kMaxDrainedReads = 1024;
// A pipe that cannot wait for a client now (out of handles, say) is tried again after this pause.
constexpr DWORD kConnectRetryMs = 1000;
constexpr char kNotDelivered[] = "The request could not be passed to Aerowisp's window.";

Reply Problem(Outcome outcome, const char* message) {
    Reply reply;
    reply.outcome = outcome;
    reply.message = message;
    return reply;
}

}  // namespace

ControlPipeServer::ControlPipeServer(HWND window, UINT message) : window_(window), message_(message) {}

ControlPipeServer::~ControlPipeServer() {
    if (thread_) {
        ::SetEvent(stop_.Get());
        ::WaitForSingleObject(thread_.Get(), INFINITE);
    }
}

// The pipe is made here, on the window's thread, so a name that is taken is known at once. One instance
// only, and the first: a process that made the name before this one is never served.
bool ControlPipeServer::Start() {
    stop_ = base::KernelHandle(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    const base::LocalMemory<void> descriptor = ControlPipeSecurityDescriptor();
    if (!stop_ || !descriptor)
        return false;
    SECURITY_ATTRIBUTES attributes{sizeof(attributes), descriptor.Get(), FALSE};
    pipe_ = base::KernelHandle(
        ::CreateNamedPipeW(ControlPipeNameForThisSession().c_str(),
                           PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE,
                           PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS,
                           1, static_cast<DWORD>(control::kMaxReplyBytes),
                           static_cast<DWORD>(control::kMaxRequestBytes), 0, &attributes));
    if (!pipe_)
        return false;
    thread_ =
        base::KernelHandle(::CreateThread(nullptr, 0, &ControlPipeServer::ThreadMain, this, 0, nullptr));
    return static_cast<bool>(thread_);
}

DWORD WINAPI ControlPipeServer::ThreadMain(void* self) {
    static_cast<ControlPipeServer*>(self)->Serve();
    return 0;
}

void ControlPipeServer::Serve() {
    for (;;) {
        const PipeIo connected = AwaitPipeClient(pipe_.Get(), stop_.Get());
        if (connected == PipeIo::kDone)
            ServeClient();
        else if (connected == PipeIo::kFailed)
            ::WaitForSingleObject(stop_.Get(), kConnectRetryMs);
        // A reply written as the program ends stays in the pipe for the client: only a disconnect
        // would throw it away. A wait that cannot be made ends the thread too.
        if (connected == PipeIo::kTimedOut || ::WaitForSingleObject(stop_.Get(), 0) == WAIT_OBJECT_0)
            return;
        ::DisconnectNamedPipe(pipe_.Get());
    }
}

// One request, its reply, and the client's close (so the reply is read before the pipe is cut).
void ControlPipeServer::ServeClient() {
    std::string request;
    const PipeIo read =
        ReadPipeMessage(pipe_.Get(), request, control::kMaxRequestBytes, kControlIoTimeoutMs, stop_.Get());
    if (read == PipeIo::kStopped || read == PipeIo::kTimedOut || read == PipeIo::kFailed)
        return;
    const std::optional<control::Command> command =
        read == PipeIo::kDone ? control::ParseRequest(request) : std::nullopt;
    const Reply reply = command ? Carry(*command) : Problem(Outcome::kBadRequest, kNotUnderstood);
    if (WritePipeMessage(pipe_.Get(), control::ReplyText(reply), kControlIoTimeoutMs, stop_.Get()) !=
        PipeIo::kDone)
        return;
    // Whatever else the client sends (the rest of a request too long to read) is read and dropped until
    // it closes its end, within the same bounds as one read.
    const ULONGLONG deadline = ::GetTickCount64() + kControlIoTimeoutMs;
    std::string rest;
    for (int reads = 0; reads < kMaxDrainedReads; ++reads) {
        const ULONGLONG now = ::GetTickCount64();
        if (now >= deadline)
            break;
        const PipeIo drained = ReadPipeMessage(pipe_.Get(), rest, control::kMaxRequestBytes,
                                               static_cast<DWORD>(deadline - now), stop_.Get());
        if (drained != PipeIo::kDone && drained != PipeIo::kTooLong)
            break;
    }
}

Reply ControlPipeServer::Carry(control::Command command) {
    auto job = std::make_shared<ControlJob>();
    job->command = command;
    job->done = base::KernelHandle(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!job->done)
        return Problem(Outcome::kFailed, kNotDelivered);
    auto carried = std::make_unique<std::shared_ptr<ControlJob>>(job);
    if (!::PostMessageW(window_, message_, 0, reinterpret_cast<LPARAM>(carried.get())))
        return Problem(Outcome::kFailed, kNotDelivered);
    carried.release();  // the window owns it now
    const HANDLE events[] = {job->done.Get(), stop_.Get()};
    if (::WaitForMultipleObjects(2, events, FALSE, kControlCommandTimeoutMs) != WAIT_OBJECT_0)
        return Problem(Outcome::kFailed, kNoAnswer);
    return job->reply;
}

std::shared_ptr<ControlJob> ControlPipeServer::TakeControlJob(LPARAM lParam) {
    const std::unique_ptr<std::shared_ptr<ControlJob>> carried(
        reinterpret_cast<std::shared_ptr<ControlJob>*>(lParam));
    return carried ? *carried : nullptr;
}

void ControlPipeServer::Finish(ControlJob& job, control::Reply reply) {
    job.reply = std::move(reply);
    ::SetEvent(job.done.Get());
}

}  // namespace aerowisp
