// The control pipe's server against a client in the same process: the descriptor the pipe carries, and
// requests that do not parse answered without ever reaching the window.
#include <windows.h>

#include <aclapi.h>
#include <sddl.h>

#include <gtest/gtest.h>

#include <string>

#include "control/control_pipe.h"
#include "control/control_pipe_server.h"
#include "core/control/control_protocol.h"
#include "base/handle.h"

namespace aerowisp {
namespace {

constexpr UINT kRequestMessage = WM_APP + 1;

struct PipeFixture : ::testing::Test {
    void SetUp() override {
        window = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        ASSERT_NE(window, nullptr);
        server = std::make_unique<ControlPipeServer>(window, kRequestMessage);
        ASSERT_TRUE(server->Start());
    }
    void TearDown() override {
        server.reset();
        ::DestroyWindow(window);
    }
    static base::KernelHandle Connect() { return ConnectControlPipe(kControlIoTimeoutMs).pipe; }
    // Sends `request` and answers what reaches the window with `answer` until the reply comes.
    std::optional<control::Reply> Exchange(const std::string& request, int& delivered) {
        const base::KernelHandle pipe = Connect();
        EXPECT_TRUE(pipe);
        EXPECT_EQ(WritePipeMessage(pipe.Get(), request, kControlIoTimeoutMs, nullptr), PipeIo::kDone)
            << request;
        base::KernelHandle event(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
        std::string reply(control::kMaxReplyBytes, '\0');
        OVERLAPPED overlapped{};
        overlapped.hEvent = event.Get();
        ::ReadFile(pipe.Get(), reply.data(), static_cast<DWORD>(reply.size()), nullptr, &overlapped);
        const ULONGLONG deadline = ::GetTickCount64() + kControlIoTimeoutMs;
        while (::WaitForSingleObject(event.Get(), 10) == WAIT_TIMEOUT && ::GetTickCount64() < deadline) {
            MSG message;
            while (::PeekMessageW(&message, window, kRequestMessage, kRequestMessage, PM_REMOVE)) {
                ++delivered;
                const std::shared_ptr<ControlJob> job = ControlPipeServer::TakeControlJob(message.lParam);
                control::Reply answer;
                answer.message = std::string(control::CommandName(job->command));
                ControlPipeServer::Finish(*job, answer);
            }
        }
        DWORD bytes = 0;
        if (!::GetOverlappedResult(pipe.Get(), &overlapped, &bytes, FALSE)) {
            ::CancelIo(pipe.Get());
            return std::nullopt;
        }
        reply.resize(bytes);
        return control::ParseReply(reply);
    }

    HWND window = nullptr;
    std::unique_ptr<ControlPipeServer> server;
};

TEST_F(PipeFixture, AdmitsOnlyTheUserAndAdministrators) {
    const base::KernelHandle pipe = Connect();
    ASSERT_TRUE(pipe);
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    PACL dacl = nullptr;
    ASSERT_EQ(::GetSecurityInfo(pipe.Get(), SE_KERNEL_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                                &dacl, nullptr, &descriptor),
              static_cast<DWORD>(ERROR_SUCCESS));
    const base::LocalMemory<void> owned(descriptor);
    base::LocalMemory<wchar_t> text;
    ASSERT_TRUE(::ConvertSecurityDescriptorToStringSecurityDescriptorW(
        descriptor, SDDL_REVISION_1, DACL_SECURITY_INFORMATION, text.Receive(), nullptr));
    const std::wstring sddl = text.Get();
    const std::wstring user = CurrentUserSid();
    ASSERT_FALSE(user.empty());
    // Protected, and exactly two entries: the user's and the Administrators', without the right to
    // make another instance of the pipe.
    EXPECT_EQ(sddl, L"D:P(A;;0x12019b;;;" + user + L")(A;;0x12019b;;;BA)")
        << std::string(sddl.begin(), sddl.end());
    EXPECT_EQ(dacl->AceCount, 2);
}

TEST_F(PipeFixture, ARequestThatDoesNotParseNeverReachesTheWindow) {
    const std::string malformed[] = {
        "aerowisp-control/1 reboot\n",
        "aerowisp-control/1 start",
        "aerowisp-control/1 start\n" + std::string(200, 'x'),
        std::string("\0\xff\n", 3),
    };
    for (const std::string& request : malformed) {
        int delivered = 0;
        const std::optional<control::Reply> reply = Exchange(request, delivered);
        ASSERT_TRUE(reply) << request;
        EXPECT_EQ(reply->outcome, control::Outcome::kBadRequest);
        EXPECT_EQ(delivered, 0);
    }
    int delivered = 0;
    const std::optional<control::Reply> reply =
        Exchange(control::RequestText(control::Command::kRadioOn), delivered);
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->message, "radio on");
    EXPECT_EQ(delivered, 1);
}

}  // namespace
}  // namespace aerowisp
