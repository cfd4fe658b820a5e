// Replies sent from a thread of their own, in the order they were handed over.
#include "dhcp/win/reply_sender.h"

namespace aerowisp::dhcp {

namespace {

// Holds an exclusive slim lock for a scope; the condition variables' waits release and take it again.
class Exclusive {
  public:
    explicit Exclusive(SRWLOCK& lock) : m_lock(lock) { ::AcquireSRWLockExclusive(&m_lock); }
    ~Exclusive() { ::ReleaseSRWLockExclusive(&m_lock); }
    Exclusive(const Exclusive&) = delete;
    Exclusive& operator=(const Exclusive&) = delete;

  private:
    SRWLOCK& m_lock;
};

}  // namespace

ReplySender::ReplySender(Transmit transmit) : m_transmit(std::move(transmit)) {
    m_thread.Reset(::CreateThread(nullptr, 0, ThreadMain, this, 0, nullptr));
}

ReplySender::~ReplySender() {
    if (!m_thread)
        return;
    {
        Exclusive hold(m_lock);
        m_stopping = true;
    }
    ::WakeAllConditionVariable(&m_queued);
    ::WaitForSingleObject(m_thread.Get(), INFINITE);
}

void ReplySender::Send(SOCKET socket, const sockaddr_in& to, std::vector<uint8_t> bytes) {
    Datagram datagram{socket, to, std::move(bytes)};
    if (!m_thread) {
        m_transmit(datagram);
        return;
    }
    {
        Exclusive hold(m_lock);
        while (m_queue.size() >= kMaxQueued)
            ::SleepConditionVariableSRW(&m_sent, &m_lock, INFINITE, 0);
        m_queue.push_back(std::move(datagram));
    }
    ::WakeConditionVariable(&m_queued);
}

void ReplySender::Flush() {
    if (!m_thread)
        return;
    Exclusive hold(m_lock);
    while (!m_queue.empty() || m_inFlight > 0)
        ::SleepConditionVariableSRW(&m_sent, &m_lock, INFINITE, 0);
}

DWORD WINAPI ReplySender::ThreadMain(void* self) {
    static_cast<ReplySender*>(self)->SendQueued();
    return 0;
}

void ReplySender::SendTo(const Datagram& datagram) {
    ::sendto(datagram.socket, reinterpret_cast<const char*>(datagram.bytes.data()),
             static_cast<int>(datagram.bytes.size()), 0, reinterpret_cast<const sockaddr*>(&datagram.to),
             sizeof datagram.to);
}

// Everything queued is taken at once and sent outside the lock, so the server is never held up by a send.
void ReplySender::SendQueued() {
    std::deque<Datagram> batch;
    for (;;) {
        {
            Exclusive hold(m_lock);
            m_inFlight = 0;
            ::WakeAllConditionVariable(&m_sent);
            while (m_queue.empty() && !m_stopping)
                ::SleepConditionVariableSRW(&m_queued, &m_lock, INFINITE, 0);
            if (m_queue.empty())
                return;
            batch.swap(m_queue);
            m_inFlight = batch.size();
        }
        for (const Datagram& datagram : batch)
            m_transmit(datagram);
        batch.clear();
    }
}

}  // namespace aerowisp::dhcp
