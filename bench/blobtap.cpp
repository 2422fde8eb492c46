#include "blobtap.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int kPollMs = 100; // how often a relay looks whether the tap is being closed

sockaddr_in loopback(unsigned short port)
{
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

bool writeAll(int socket, const char *data, ssize_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(socket, data, size_t(size));
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

} // namespace

BlobTap::BlobTap(unsigned short serverPort) : m_serverPort(serverPort)
{
    m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = loopback(0);
    socklen_t length = sizeof address;
    ::bind(m_listener, reinterpret_cast<sockaddr *>(&address), sizeof address);
    ::listen(m_listener, 4);
    ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &length);
    m_port = ntohs(address.sin_port);
    m_acceptor = std::thread([this] { accept(); });
}

BlobTap::~BlobTap()
{
    m_stopping = true;
    ::shutdown(m_listener, SHUT_RDWR); // wakes accept()
    m_acceptor.join();
    ::close(m_listener);
    for (std::thread &relay : m_relays)
        relay.join();
}

std::optional<BlobTap::Clock::time_point> BlobTap::lastArrivalBefore(Clock::time_point t) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::optional<Clock::time_point> last;
    for (const Clock::time_point arrival : m_arrivals)
        if (arrival <= t)
            last = arrival;
    return last;
}

void BlobTap::noteArrival(std::string *tail, const char *data, size_t size)
{
    static const std::string blobEnd = "</setBLOBVector>";
    tail->append(data, size);
    if (tail->find(blobEnd) != std::string::npos) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_arrivals.push_back(Clock::now());
        tail->clear();
    } else if (tail->size() >= blobEnd.size()) {
        tail->erase(0, tail->size() - (blobEnd.size() - 1));
    }
}

void BlobTap::accept()
{
    for (;;) {
        const int client = ::accept(m_listener, nullptr, nullptr);
        if (client < 0 || m_stopping) {
            if (client >= 0)
                ::close(client);
            return;
        }
        m_relays.emplace_back([this, client] { relay(client); });
    }
}

void BlobTap::relay(int client)
{
    const int server = ::socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in address = loopback(m_serverPort);
    if (::connect(server, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        ::close(server);
        ::close(client);
        return;
    }
    std::string tail; // the server's last bytes, where a BLOB's end tag may have begun
    std::vector<char> buffer(1 << 16);
    bool open = true;
    while (open && !m_stopping) {
        pollfd sockets[2] = {{client, POLLIN, 0}, {server, POLLIN, 0}};
        if (::poll(sockets, 2, kPollMs) <= 0)
            continue;
        for (int i = 0; i < 2 && open; ++i) {
            if (!(sockets[i].revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            const ssize_t size = ::read(sockets[i].fd, buffer.data(), buffer.size());
            const bool fromServer = sockets[i].fd == server;
            open = size > 0 && writeAll(fromServer ? client : server, buffer.data(), size);
            if (open && fromServer)
                noteArrival(&tail, buffer.data(), size_t(size));
        }
    }
    ::close(server);
    ::close(client);
}
