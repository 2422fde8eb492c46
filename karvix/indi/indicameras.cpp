// indicameras.cpp - listing the cameras of an INDI server (source.h, listIndiCameras), the module's
// entry point karvixIndiListCameras (indimodule.h).
#include "indimodule.h"

#include "libindilog.h"

#include <baseclient.h>
#include <basedevice.h>
#include <indiproperty.h>
#include <indipropertynumber.h>
#include <indipropertytext.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <limits>
#include <map>
#include <mutex>

namespace karvix {
namespace {

// The server sends every device's properties at once after the client asks; when it has been
// quiet this long, it has said all.
constexpr auto kQuiet = std::chrono::milliseconds(300);

class Lister : public INDI::BaseClient
{
public:
    struct Device
    {
        bool camera = false;
        double pixelSizeUm = std::numeric_limits<double>::quiet_NaN();
    };

    // Waits until the server has been quiet for kQuiet, or until the deadline.
    void waitQuiet(std::chrono::steady_clock::time_point deadline)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        while (std::chrono::steady_clock::now() < deadline) {
            const auto quietUntil = m_lastHeard + kQuiet;
            if (std::chrono::steady_clock::now() >= quietUntil)
                return;
            m_heard.wait_until(lock, std::min(quietUntil, deadline));
        }
    }

    std::map<std::string, Device> devices()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_devices;
    }

protected:
    void newProperty(INDI::Property property) override { heard(property); }
    void updateProperty(INDI::Property property) override { heard(property); }

private:
    void heard(const INDI::Property &property)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_lastHeard = std::chrono::steady_clock::now();
        Device &device = m_devices[property.getDeviceName()];
        const std::string name = property.getName();
        if (name == "DRIVER_INFO") {
            INDI::PropertyText info(property);
            if (const auto *interface = info.findWidgetByName("DRIVER_INTERFACE"))
                device.camera
                    = (std::strtoul(interface->getText(), nullptr, 10) & INDI::BaseDevice::CCD_INTERFACE)
                    != 0;
        } else if (name == "CCD_INFO") {
            INDI::PropertyNumber info(property);
            if (const auto *size = info.findWidgetByName("CCD_PIXEL_SIZE"); size && size->getValue() > 0)
                device.pixelSizeUm = size->getValue();
        }
        m_heard.notify_all();
    }

    std::mutex m_mutex;
    std::condition_variable m_heard;
    std::chrono::steady_clock::time_point m_lastHeard = std::chrono::steady_clock::now();
    std::map<std::string, Device> m_devices;
};

} // namespace
} // namespace karvix

void karvixIndiListCameras(const std::string *host, int port, int timeoutMs, std::string *problem,
    std::vector<karvix::IndiCamera> *cameras, karvix::indi::IndiLink::ProblemLog log)
{
    karvix::indi::routeLibindiOutput(log);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    karvix::Lister lister;
    lister.setServer(host->c_str(), unsigned(port));
    lister.setConnectionTimeout(uint32_t(timeoutMs / 1000), uint32_t(timeoutMs % 1000) * 1000);
    if (!lister.connectServer()) {
        if (problem)
            *problem = "INDI server " + *host + ":" + std::to_string(port) + " not reachable";
        return;
    }
    lister.waitQuiet(deadline);
    for (const auto &[name, device] : lister.devices())
        if (device.camera)
            cameras->push_back({name, device.pixelSizeUm});
    lister.disconnectServer();
    if (problem)
        problem->clear();
}
