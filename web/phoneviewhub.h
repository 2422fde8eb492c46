// phoneviewhub.h - what the phone view's web server answers, apart from the server's thread: the
// access check, the page, and the stream of server-sent events each viewer keeps open.
//
// Every request needs `?token=` with the token of this start, compared in constant time; any other
// request is refused with 403 before anything else is looked at, and opens no stream. At most
// maxViewers streams are open at once (another is refused with 503). A stream carries the latest
// readout (event "readout", JSON) and the latest pole view (event "view", a JPEG in base64), each
// as soon as it is published, and a comment line each second otherwise: a viewer whose connection
// takes no data for writeTimeoutSeconds (once its small send buffer is full) is dropped.
//
// Handlers run on the server's worker threads; publishReadout and publishView are called from any
// thread.
#ifndef PHONEVIEWHUB_H
#define PHONEVIEWHUB_H

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace httplib {
class Server;
}

class PhoneViewHub
{
public:
    static constexpr int maxViewers = 8;
    static constexpr int writeTimeoutSeconds = 5;
    static constexpr size_t maxRequestBodyBytes = 1024; // the page sends no bodies; a longer one is refused
    static constexpr std::chrono::milliseconds heartbeat {1000};

    struct Viewer
    {
        std::uint64_t id = 0;
        std::string address; // the remote IP address
    };

    // `token`: the access token of this start; `page`: the HTML page served at "/".
    PhoneViewHub(std::string token, std::string page);

    // Registers the page, the event stream and the access check on `server`, with its limits.
    void serveOn(httplib::Server &server);

    // Hands the next readout (JSON on one line) or pole view (a JPEG in base64) to every open stream.
    void publishReadout(const std::string &json);
    void publishView(const std::string &jpegBase64);

    // Ends every open stream at its next wake-up and refuses new ones; for stopping the server.
    void close();

    std::vector<Viewer> viewers() const;

    // True when `given` is the token; the time taken does not depend on where they differ.
    bool allows(const std::string &given) const;

private:
    struct Pending;
    bool admit(const std::string &address, std::uint64_t *id);
    void leave(std::uint64_t id);
    bool nextEvents(Pending *pending);

    const std::string m_token;
    const std::string m_page;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::uint64_t m_readoutSerial = 0, m_viewSerial = 0; // counts publications
    std::string m_readout, m_view;                       // the latest, as event text
    bool m_closed = false;
    std::uint64_t m_nextViewerId = 1;
    std::vector<Viewer> m_viewers;
};

#endif // PHONEVIEWHUB_H
