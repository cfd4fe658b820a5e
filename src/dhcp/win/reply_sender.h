// The replies' own thread: the server hands each reply over and goes on to receive the next request.
#pragma once

#include <winsock2.h>
#include <windows.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

#include "base/handle.h"

namespace aerowisp::dhcp {

// Under Wine every Winsock call is a round trip to the wineserver, and a receive and a send cost about the
// same: sent from a second thread, the replies' round trips overlap the requests' ones. The queue is
// bounded; a full queue makes the caller wait, and without a thread the caller sends itself.
class ReplySender {
  public:
    static constexpr size_t kMaxQueued = 1024;

    struct Datagram {
        SOCKET socket;
        sockaddr_in to;
        std::vector<uint8_t> bytes;
    };
    using Transmit = std::function<void(const Datagram&)>;

    // `transmit` puts one datagram on the wire: sendto, or a recording stand-in in tests.
    explicit ReplySender(Transmit transmit = SendTo);
    // Sends what is queued, then ends the thread.
    ~ReplySender();
    ReplySender(const ReplySender&) = delete;
    ReplySender& operator=(const ReplySender&) = delete;

    void Send(SOCKET socket, const sockaddr_in& to, std::vector<uint8_t> bytes);
    // Returns once every reply handed over so far has been sent: a socket is closed only after this.
    void Flush();

    static void SendTo(const Datagram& datagram);

  private:
    static DWORD WINAPI ThreadMain(void* self);
    void SendQueued();

    Transmit m_transmit;
    SRWLOCK m_lock = SRWLOCK_INIT;
    CONDITION_VARIABLE m_queued = CONDITION_VARIABLE_INIT;
    CONDITION_VARIABLE m_sent = CONDITION_VARIABLE_INIT;
    std::deque<Datagram> m_queue;
    size_t m_inFlight = 0;
    bool m_stopping = false;
    base::KernelHandle m_thread;
};

}  // namespace aerowisp::dhcp
