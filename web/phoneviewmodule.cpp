// phoneviewmodule.cpp - libvelto-phoneview.so: the phone view's web server (phoneviewservice.h).
#include "phoneviewhub.h"
#include "phoneviewservice.h"

#include <atomic>
#include <httplib.h>
#include <thread>

namespace {

// Room for every viewer's stream and a few page loads and refusals beside them.
constexpr size_t workerThreads = PhoneViewHub::maxViewers + 4;

class HttpPhoneView : public PhoneViewService
{
public:
    HttpPhoneView(const char *token, const char *page) : m_hub(token, page)
    {
        m_http.new_task_queue = [] { return new httplib::ThreadPool(workerThreads); };
        m_hub.serveOn(m_http);
    }
    ~HttpPhoneView() override { stop(); }

    int listen(const std::string &address, int port) override
    {
        const int bound
            = port == 0 ? m_http.bind_to_any_port(address) : (m_http.bind_to_port(address, port) ? port : -1);
        if (bound <= 0)
            return -1;
        m_thread = std::thread([this] {
            m_http.listen_after_bind();
            m_listenEnded = true;
        });
        return bound;
    }

    void stop() override
    {
        if (!m_thread.joinable())
            return;
        m_hub.close();
        // The server only stops once it runs: a stop that came before would leave it listening.
        while (!m_http.is_running() && !m_listenEnded)
            std::this_thread::yield();
        m_http.stop();
        m_thread.join();
    }

    void publishReadout(const std::string &json) override { m_hub.publishReadout(json); }
    void publishView(const std::string &jpegBase64) override { m_hub.publishView(jpegBase64); }

    std::vector<std::string> viewers() const override
    {
        std::vector<std::string> addresses;
        for (const PhoneViewHub::Viewer &viewer : m_hub.viewers())
            addresses.push_back(viewer.address);
        return addresses;
    }

private:
    PhoneViewHub m_hub;
    httplib::Server m_http;
    std::thread m_thread;
    std::atomic<bool> m_listenEnded {false};
};

} // namespace

extern "C" __attribute__((visibility("default"))) PhoneViewService *veltoPhoneViewCreate(
    const char *token, const char *page)
{
    return new HttpPhoneView(token, page);
}
