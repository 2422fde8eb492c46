// Latency of the phone view: from a frame's analysis (the pole measured in a monitored frame) to
// the readout of that frame arriving at a viewer's event stream on loopback. Each iteration
// measures the pole, turns its offset from the axis centre into the session's readout, and waits
// until the viewer has read the readout event. Prints
//   RESULT bench phone_latency_ms=<median>
#include "alignmentsession.h"
#include "frameanalysis.h"
#include "medianreporter.h"
#include "phoneview.h"
#include "syntheticsky.h"

#include <QCoreApplication>
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A viewer: the page's event stream read over a plain socket.
class Viewer
{
public:
    Viewer(quint16 port, const QString &token)
    {
        m_socket = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::connect(m_socket, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0)
            std::abort();
        const std::string request
            = "GET /events?token=" + token.toStdString() + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
        if (::send(m_socket, request.data(), request.size(), 0) != ssize_t(request.size()))
            std::abort();
    }
    ~Viewer() { ::close(m_socket); }

    // Reads until the next readout event has arrived whole.
    void awaitReadout()
    {
        for (;;) {
            const size_t event = m_buffer.find("event: readout\n");
            const size_t end = event == std::string::npos ? event : m_buffer.find("\n\n", event);
            if (end != std::string::npos) {
                m_buffer.erase(0, end + 2);
                return;
            }
            char chunk[65536];
            const ssize_t n = ::recv(m_socket, chunk, sizeof chunk, 0);
            if (n <= 0)
                std::abort(); // the server ended the stream
            m_buffer.append(chunk, size_t(n));
        }
    }

private:
    int m_socket = -1;
    std::string m_buffer;
};

void BM_PhoneLatency(benchmark::State &state)
{
    AlignmentSession session;
    PhoneView phone(&session);
    QString error;
    if (!phone.server().start(QStringLiteral("127.0.0.1"), 0, &error))
        state.SkipWithError(qPrintable(error));
    Viewer viewer(phone.server().port(), phone.server().token());
    session.setReadout(AlignmentSession::readoutFor({10, 10}, 40, 2, true));
    viewer.awaitReadout();

    const cv::Mat grey = skyFrame();
    const FrameInputs inputs = monitoringInputs();
    constexpr double arcsecPerPx = 9.4;
    for (auto _ : state) {
        const PoleMeasurement m = measurePole(grey, inputs);
        const AxisErrorArcsec error {(inputs.axisCenter.y() - m.polePos.y()) * arcsecPerPx,
            (m.polePos.x() - inputs.axisCenter.x()) * arcsecPerPx};
        session.setReadout(AlignmentSession::readoutFor(error, inputs.siteLatitude, 3, true));
        viewer.awaitReadout();
    }
}
BENCHMARK(BM_PhoneLatency)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->Iterations(50);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("RESULT bench phone_latency_ms=%.2f\n", reporter.medianMs);
    return reporter.medianMs >= 0 ? 0 : 1;
}
