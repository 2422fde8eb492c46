// phoneviewhub.cpp - the phone view's access check, page and event streams (see phoneviewhub.h).
#include "phoneviewhub.h"

#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <memory>

namespace {

std::string event(const char *name, const std::string &data)
{
    return std::string("event: ") + name + "\ndata: " + data + "\n\n";
}

// Nothing the page shows may be kept by a cache, nor its address (with the token) sent on.
constexpr int sendBufferBytes = 64 * 1024;

const httplib::Headers privateHeaders {{"Cache-Control", "no-store"}, {"Referrer-Policy", "no-referrer"},
    {"X-Content-Type-Options", "nosniff"},
    {"Content-Security-Policy",
        "default-src 'none'; script-src 'unsafe-inline'; style-src 'unsafe-inline'; img-src data:; "
        "connect-src 'self'"}};

} // namespace

// What one stream has sent so far.
struct PhoneViewHub::Pending
{
    std::uint64_t readoutSerial = 0, viewSerial = 0;
    std::string text; // the events to write now
};

PhoneViewHub::PhoneViewHub(std::string token, std::string page)
    : m_token(std::move(token)), m_page(std::move(page))
{ }

bool PhoneViewHub::allows(const std::string &given) const
{
    // The length is no secret (every token has the same); the characters are compared in full.
    if (given.size() != m_token.size() || m_token.empty())
        return false;
    unsigned char difference = 0;
    for (size_t i = 0; i < given.size(); ++i)
        difference |= static_cast<unsigned char>(given[i] ^ m_token[i]);
    return difference == 0;
}

void PhoneViewHub::serveOn(httplib::Server &server)
{
    server.set_default_headers(privateHeaders);
    server.set_payload_max_length(maxRequestBodyBytes);
    server.set_read_timeout(2, 0);
    server.set_write_timeout(writeTimeoutSeconds, 0);
    // One request per connection: an idle keep-alive connection would hold a worker thread.
    server.set_keep_alive_max_count(1);
    // A small send buffer (accepted connections inherit it from the listening socket): a viewer
    // that is gone stops taking data within seconds, and the write timeout then drops it, instead
    // of megabytes of pictures queueing for it first.
    server.set_socket_options([](socket_t socket) {
        httplib::default_socket_options(socket);
        const int bytes = sendBufferBytes;
        setsockopt(socket, SOL_SOCKET, SO_SNDBUF, &bytes, sizeof bytes);
    });
    server.set_pre_routing_handler([this](const httplib::Request &request, httplib::Response &response) {
        if (allows(request.get_param_value("token")))
            return httplib::Server::HandlerResponse::Unhandled;
        response.status = 403;
        response.set_content(
            "Forbidden: open the address the program shows, with its token.\n", "text/plain");
        return httplib::Server::HandlerResponse::Handled;
    });
    server.Get("/", [this](const httplib::Request &, httplib::Response &response) {
        response.set_content(m_page, "text/html; charset=utf-8");
    });
    server.Get("/events", [this](const httplib::Request &request, httplib::Response &response) {
        std::uint64_t id = 0;
        if (!admit(request.remote_addr, &id)) {
            response.status = 503;
            response.set_content("Too many viewers.\n", "text/plain");
            return;
        }
        auto pending = std::make_shared<Pending>();
        // The releaser runs once the response is gone, whether the stream ended or never began.
        auto left = std::make_shared<std::atomic<bool>>(false);
        response.set_header("X-Accel-Buffering", "no");
        response.set_chunked_content_provider(
            "text/event-stream",
            [this, pending](size_t, httplib::DataSink &sink) {
                if (!nextEvents(pending.get()))
                    return false;
                return sink.write(pending->text.data(), pending->text.size());
            },
            [this, id, left](bool) {
                if (!left->exchange(true))
                    leave(id);
            });
    });
}

bool PhoneViewHub::admit(const std::string &address, std::uint64_t *id)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_closed || int(m_viewers.size()) >= maxViewers)
        return false;
    *id = m_nextViewerId++;
    m_viewers.push_back({*id, address});
    return true;
}

void PhoneViewHub::leave(std::uint64_t id)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_viewers.erase(
        std::remove_if(m_viewers.begin(), m_viewers.end(), [id](const Viewer &v) { return v.id == id; }),
        m_viewers.end());
}

// Waits for what is new since the stream's last events, at most a heartbeat; false once closed.
bool PhoneViewHub::nextEvents(Pending *pending)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    const auto fresh = [&] {
        return m_closed || m_readoutSerial != pending->readoutSerial || m_viewSerial != pending->viewSerial;
    };
    m_changed.wait_for(lock, heartbeat, fresh);
    if (m_closed)
        return false;
    pending->text.clear();
    if (m_readoutSerial != pending->readoutSerial)
        pending->text += m_readout;
    if (m_viewSerial != pending->viewSerial)
        pending->text += m_view;
    pending->readoutSerial = m_readoutSerial;
    pending->viewSerial = m_viewSerial;
    if (pending->text.empty())
        pending->text = ":\n\n"; // a comment: keeps the connection honest
    return true;
}

void PhoneViewHub::publishReadout(const std::string &json)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_readout = event("readout", json);
        ++m_readoutSerial;
    }
    m_changed.notify_all();
}

void PhoneViewHub::publishView(const std::string &jpegBase64)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_view = event("view", jpegBase64);
        ++m_viewSerial;
    }
    m_changed.notify_all();
}

void PhoneViewHub::close()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_closed = true;
    }
    m_changed.notify_all();
}

std::vector<PhoneViewHub::Viewer> PhoneViewHub::viewers() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_viewers;
}
