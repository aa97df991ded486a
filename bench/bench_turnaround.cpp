// The application's turnaround in a picture upload: from the moment the
// device's acknowledgement is on the line to the moment the next record is,
// measured by a device that answers at once. This is the time the device
// waits for the application after each record, on top of the wire time.
//
// The device is played on a thread of its own, at the end of a TCP
// connection on loopback or of a pseudo-terminal that the driver opens as its
// serial port; the application is the driver and the sender thread, wired as
// the loader window wires them. The picture is the 160 x 90
// photograph-like logo (1359 records). The pseudo-terminal's own delay (the
// kernel's terminal layer, both ways) is part of what it measures.
//
// Counters: the median, mean, 90th percentile and largest turnaround of the
// records of all iterations, in microseconds.
#include "BenchPictures.h"
#include "BenchUpload.h"
#include "link/ComDriverMorlix.h"
#include "transfer/PictureLimits.h"

#include <atomic>
#include <benchmark/benchmark.h>
#include <chrono>
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <mutex>
#include <numeric>
#include <poll.h>
#include <pty.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

constexpr int Patience = 60 * 1000;
using Clock = std::chrono::steady_clock;

// The device's end of the line: ".1" CR for the transfer-mode write and for
// every record, the time of each answer and of the record that follows it.
class InstantDevice
{
public:
    enum TLine { lnTcp, lnPseudoTerminal };

    explicit InstantDevice(TLine line)
    {
        if (line == lnPseudoTerminal)
            OpenTerminal();
        else
            Listen();
        if (m_fd >= 0 || m_listener >= 0)
            m_thread = std::thread([this] { Run(); });
    }
    ~InstantDevice()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        for (int fd : {m_fd, m_listener})
            if (fd >= 0)
                ::close(fd);
    }

    bool Ready() const { return m_thread.joinable(); }
    // The terminal's path, for the driver's serial port.
    QString Path() const { return m_path; }
    // The port on 127.0.0.1, for the driver's TCP link.
    int Port() const { return m_port; }
    // Turnarounds in microseconds, taken when the device is idle.
    std::vector<double> Take()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        std::vector<double> taken;
        std::swap(taken, m_turnarounds);
        return taken;
    }

private:
    void OpenTerminal()
    {
        char name[256] = {};
        int slave = -1;
        if (openpty(&m_fd, &slave, name, nullptr, nullptr) != 0)
            return;
        ::close(slave);
        m_path = QString::fromLocal8Bit(name);
    }
    void Listen()
    {
        m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (::bind(m_listener, reinterpret_cast<sockaddr *>(&address), length) != 0 || ::listen(m_listener, 1) != 0
            || ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &length) != 0) {
            ::close(m_listener);
            m_listener = -1;
            return;
        }
        m_port = ntohs(address.sin_port);
    }
    // The TCP connection, once the driver has made it.
    bool Accepted()
    {
        if (m_fd >= 0)
            return true;
        pollfd watch{m_listener, POLLIN, 0};
        if (poll(&watch, 1, 20) <= 0)
            return false;
        m_fd = ::accept(m_listener, nullptr, nullptr);
        const int on = 1;
        ::setsockopt(m_fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        return m_fd >= 0;
    }
    void Run()
    {
        QByteArray pending;
        std::optional<Clock::time_point> answered;
        while (!m_stop) {
            if (!Accepted())
                continue;
            pollfd watch{m_fd, POLLIN, 0};
            if (poll(&watch, 1, 20) <= 0)
                continue;
            char buffer[4096];
            const ssize_t count = ::read(m_fd, buffer, sizeof buffer);
            if (count <= 0)
                continue;
            pending.append(buffer, count);
            // The transfer-mode write ends without a line end.
            if (pending.contains("6PM")) {
                pending.clear();
                Answer(answered);
                continue;
            }
            for (qsizetype end = pending.indexOf("\r\n"); end >= 0; end = pending.indexOf("\r\n")) {
                const bool record = pending.startsWith(':');
                pending.remove(0, end + 2);
                if (!record)
                    continue;
                if (answered) {
                    const double us = std::chrono::duration<double, std::micro>(Clock::now() - *answered).count();
                    std::lock_guard<std::mutex> lock(m_mutex);
                    m_turnarounds.push_back(us);
                }
                answered.reset();
                Answer(answered);
            }
        }
    }
    void Answer(std::optional<Clock::time_point> &answered)
    {
        (void)!::write(m_fd, ".1\r", 3);
        answered = Clock::now();
    }

    int m_fd = -1;
    int m_listener = -1;
    QString m_path;
    int m_port = 0;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::vector<double> m_turnarounds;
};

double Percentile(std::vector<double> values, double fraction)
{
    if (values.empty())
        return 0;
    const size_t at = std::min(values.size() - 1, size_t(fraction * double(values.size())));
    std::nth_element(values.begin(), values.begin() + long(at), values.end());
    return values[at];
}

void UploadTurnaround(benchmark::State &state, InstantDevice::TLine line)
{
    InstantDevice device(line);
    TComDriverMorlix link(Patience, Patience);
    if (line == InstantDevice::lnTcp) {
        link.SetIPRemoteAddress(QStringLiteral("127.0.0.1"));
        link.SetIPRemotePort(device.Port());
        link.SetConType(ctTCP);
    } else {
        link.SetPort(device.Path());
        link.SetConType(ctRS232);
    }
    link.Open();
    if (!device.Ready() || !WaitWithEvents([&] { return link.Opened(); }, Patience)) {
        state.SkipWithError("no device line");
        return;
    }
    TBenchUpload upload(link, PhotographLike(160, 90), PictureLimits::KindStillLogo);

    std::vector<double> turnarounds;
    double records = 0;
    for (auto _ : state) {
        if (!upload.RunIteration(state))
            return;
        records += double(upload.Sender.RecordsSent());
        // The end record gets no answer: the device is idle again.
        WaitWithEvents([] { return false; }, 20);
        const std::vector<double> taken = device.Take();
        turnarounds.insert(turnarounds.end(), taken.begin(), taken.end());
    }
    state.counters["records"] = records / double(state.iterations());
    state.counters["turnaround_median_us"] = Percentile(turnarounds, 0.5);
    state.counters["turnaround_mean_us"] =
        turnarounds.empty() ? 0 : std::accumulate(turnarounds.begin(), turnarounds.end(), 0.0) / double(turnarounds.size());
    state.counters["turnaround_p90_us"] = Percentile(turnarounds, 0.9);
    state.counters["turnaround_max_us"] = Percentile(turnarounds, 1.0);
}
void BM_UploadTurnaroundTcp(benchmark::State &state)
{
    UploadTurnaround(state, InstantDevice::lnTcp);
}
BENCHMARK(BM_UploadTurnaroundTcp)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_UploadTurnaroundSerial(benchmark::State &state)
{
    UploadTurnaround(state, InstantDevice::lnPseudoTerminal);
}
BENCHMARK(BM_UploadTurnaroundSerial)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
