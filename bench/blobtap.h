// blobtap.h - a pass-through between an INDI client and its server on this machine that notes the
// moment each BLOB message has been handed on whole to the client's socket: the frame's arrival
// at the client, taken from outside it, before libindi has read a byte of it.
//
//   BlobTap tap(serverPort);          // listens on tap.port()
//   ... the client connects to localhost:tap.port() ...
//   tap.lastArrivalBefore(t)          // the newest arrival not after t
#ifndef BENCH_BLOBTAP_H
#define BENCH_BLOBTAP_H

#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

class BlobTap
{
public:
    using Clock = std::chrono::steady_clock;

    explicit BlobTap(unsigned short serverPort);
    ~BlobTap();
    BlobTap(const BlobTap &) = delete;
    BlobTap &operator=(const BlobTap &) = delete;

    unsigned short port() const { return m_port; }
    std::optional<Clock::time_point> lastArrivalBefore(Clock::time_point t) const;

private:
    // Looks for a BLOB's end in what the server sent, `tail` holding the end of what it sent before.
    void noteArrival(std::string *tail, const char *data, size_t size);
    void accept();
    void relay(int client);

    const unsigned short m_serverPort;
    int m_listener = -1;
    unsigned short m_port = 0;
    std::atomic<bool> m_stopping {false};
    std::thread m_acceptor;
    std::vector<std::thread> m_relays; // one per connection, joined at the end
    mutable std::mutex m_mutex;
    std::vector<Clock::time_point> m_arrivals;
};

#endif // BENCH_BLOBTAP_H
