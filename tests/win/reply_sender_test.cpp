// The DHCP server's reply thread: every reply handed over goes out once, in order, past a full queue too.
#include <gtest/gtest.h>

#include <cstring>
#include <thread>
#include <vector>

#include "dhcp/win/reply_sender.h"

namespace aerowisp::dhcp {
namespace {

TEST(ReplySender, SendsEveryReplyOnceInOrder) {
    struct Case {
        const char* name;
        uint32_t count;
        bool firstSendHeld;  // the first send waits 100 ms, so the queue fills up behind it
        bool leftToDestructor;
    };
    const Case cases[] = {
        {"a single reply, flushed", 1, false, false},
        {"more than the queue holds, flushed", 3 * ReplySender::kMaxQueued + 1, true, false},
        {"replies left to the destructor", 100, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        base::KernelHandle release(::CreateEventW(nullptr, TRUE, !c.firstSendHeld, nullptr));
        std::thread releaser([&] {
            ::Sleep(100);
            ::SetEvent(release.Get());
        });
        std::vector<uint32_t> sent;
        {
            ReplySender sender([&](const ReplySender::Datagram& datagram) {
                ::WaitForSingleObject(release.Get(), INFINITE);
                uint32_t number = 0;
                std::memcpy(&number, datagram.bytes.data(), sizeof number);
                sent.push_back(number);
            });
            for (uint32_t number = 0; number < c.count; ++number) {
                std::vector<uint8_t> bytes(sizeof number);
                std::memcpy(bytes.data(), &number, sizeof number);
                sender.Send(INVALID_SOCKET, sockaddr_in{}, std::move(bytes));
            }
            if (!c.leftToDestructor) {
                sender.Flush();
                EXPECT_EQ(sent.size(), c.count);
            }
        }
        releaser.join();
        ASSERT_EQ(sent.size(), c.count);
        for (uint32_t number = 0; number < c.count; ++number)
            ASSERT_EQ(sent[number], number);
    }
}

}  // namespace
}  // namespace aerowisp::dhcp
