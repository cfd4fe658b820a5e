// The running program's end of the control pipe: a thread of its own that takes one request at a time,
// reads it strictly and has the main window carry it out on the window's thread.
#pragma once

#include <windows.h>

#include <memory>

#include "core/control/control_protocol.h"
#include "base/handle.h"

namespace aerowisp {

// One parsed request on its way to the window and its reply on the way back. The pipe thread and the
// window share it, so a window that answers late never writes into a request the thread gave up on.
struct ControlJob {
    control::Command command = control::Command::kStatus;
    control::Reply reply;
    base::KernelHandle done;
};

class ControlPipeServer {
  public:
    // Each request that parsed reaches `window` as `message` with a job for TakeControlJob in lParam.
    ControlPipeServer(HWND window, UINT message);
    // Stops the thread and waits for it: a command the window still runs is not answered.
    ~ControlPipeServer();
    ControlPipeServer(const ControlPipeServer&) = delete;
    ControlPipeServer& operator=(const ControlPipeServer&) = delete;

    // False when the pipe could not be made (another process holds the name) or the thread not started;
    // the program then runs without its command line.
    bool Start();

    // The window's side: the job a request message carries, which the window answers with Finish.
    static std::shared_ptr<ControlJob> TakeControlJob(LPARAM lParam);
    static void Finish(ControlJob& job, control::Reply reply);

  private:
    static DWORD WINAPI ThreadMain(void* self);
    void Serve();
    void ServeClient();
    control::Reply Carry(control::Command command);

    HWND window_;
    UINT message_;
    base::KernelHandle stop_;
    base::KernelHandle pipe_;
    base::KernelHandle thread_;
};

}  // namespace aerowisp
