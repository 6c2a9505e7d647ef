// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Modems of one network texting each other in a ring, nothing lost and memory flat:
//   bench_ring MODEMSIM [MODEMS [MESSAGES]]
// Starts MODEMSIM (a modemsim program) with MODEMS modems (64 unless given), and, as a client
// on each modem's device, sends MESSAGES messages (1,000 unless given) in text mode to the next
// modem's number, each asking for a status report, one AT+CMGS at a time; each client deletes
// what +CMTI announces. Prints messages a second across the network, the time from the end of a
// message's body to the +CMTI at the recipient (median and 99th percentile), how many messages
// and delivered reports are missing, and modemsim's resident memory at the start, in the middle
// and at the end. Exits 1 if anything is missing. The memory at the start is read once every modem
// has sent 300 messages, past the 256 it keeps of the last it accepted; the figure before any
// message is printed beside it.

#include "measure.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace {

// Messages each modem sends before the memory at the start is read.
constexpr int WarmUp = 300;

// With nothing at all happening for this long, what has not arrived is lost.
constexpr int SilenceMs = 10'000;

[[noreturn]] void fail(const std::string &why) {
    std::fprintf(stderr, "bench_ring: %s\n", why.c_str());
    std::exit(1);
}

// modemsim's log, read as it comes for the lines that tell of something lost: a hang-up
// nobody here asked for (another process opened and closed a device) or something dropped.
int logLine = -1;
std::string logTail;
long hangUps = 0;
long dropped = 0;

void drainLog() {
    char chunk[65536];
    for (ssize_t n; (n = ::read(logLine, chunk, sizeof chunk)) > 0;) {
        logTail.append(chunk, n);
        std::size_t start = 0;
        for (std::size_t end; (end = logTail.find('\n', start)) != std::string::npos;
             start = end + 1) {
            const std::string_view line(logTail.data() + start, end - start);
            hangUps += line.find("-- the terminal closed the line") != std::string_view::npos;
            // The modem's bound on the accepted messages it keeps drops none that is sent.
            dropped += line.find(" dropped") != std::string_view::npos &&
                       line.find("dropped from those kept") == std::string_view::npos;
        }
        logTail.erase(0, start);
    }
}

// While the device takes no more, modemsim may be waiting for its log to be read.
void writeAll(int fd, const std::string &bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno != EINTR && errno != EAGAIN)
            fail("write: " + std::to_string(errno));
        if (n < 0)
            drainLog();
        done += std::max<ssize_t>(n, 0);
    }
}

// One modem's client: one command at a time, deletions before the next message.
struct Client {
    int fd = -1;
    std::string number;
    std::string buffer;
    std::deque<std::string> deletions;
    bool busy = false;
    bool prompted = false;
    int sent = 0;
    int received = 0;
    int delivered = 0;
    // When each message's body went, and when each +CMTI came.
    std::vector<double> sentAt;
    std::vector<double> arrivedAt;
};

} // namespace

int main(int argc, char *argv[]) {
    if (argc < 2)
        fail("usage: bench_ring MODEMSIM [MODEMS [MESSAGES]]");
    const int modems = argc > 2 ? std::atoi(argv[2]) : 64;
    const int messages = argc > 3 ? std::atoi(argv[3]) : 1000;

    int log[2];
    if (::pipe(log) != 0)
        fail("pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, log[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, log[0]);
    posix_spawn_file_actions_addclose(&actions, log[1]);
    const std::string count = std::to_string(modems);
    char *const arguments[] = {argv[1],
                               const_cast<char *>("--modems"),
                               const_cast<char *>(count.c_str()),
                               const_cast<char *>("--report-delay"),
                               const_cast<char *>("never"),
                               nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[1], &actions, nullptr, arguments, environ) != 0)
        fail(std::string("cannot start ") + argv[1]);
    ::close(log[1]);

    // "@K DEVICE NUMBER IMEI" for each modem, then the log, read and dropped as it comes.
    std::vector<Client> clients(modems);
    std::string start;
    char chunk[65536];
    for (int k = 0; k < modems;) {
        const ssize_t n = ::read(log[0], chunk, sizeof chunk);
        if (n <= 0)
            fail("modemsim ended before naming its devices");
        start.append(chunk, n);
        for (std::size_t end; k < modems && (end = start.find('\n')) != std::string::npos; ++k) {
            char device[256], number[64];
            if (std::sscanf(start.c_str(), "@%*d %255s %63s", device, number) != 2)
                fail("not a modem's line: " + start.substr(0, end));
            start.erase(0, end + 1);
            clients[k].number = number;
            clients[k].fd = ::open(device, O_RDWR | O_NOCTTY | O_NONBLOCK);
            termios raw{};
            if (clients[k].fd < 0 || ::tcgetattr(clients[k].fd, &raw) != 0)
                fail(std::string("cannot open ") + device);
            ::cfmakeraw(&raw);
            ::tcsetattr(clients[k].fd, TCSANOW, &raw);
            writeAll(clients[k].fd, "ATE0;+CMGF=1;+CSMP=49,167,0,0;+CNMI=2,1,0,1,0\r");
            clients[k].busy = true;
        }
    }
    ::fcntl(log[0], F_SETFL, O_NONBLOCK);
    logLine = log[0];

    const double memoryBefore = Measure::residentBytes(pid);
    double memoryAtStart = 0;
    double memoryHalfway = 0;
    const double began = Measure::wallSeconds();
    double lastProgress = began;
    const long total = long(modems) * messages;
    long arrived = 0;
    std::vector<pollfd> watched(modems + 1);
    for (int k = 0; k < modems; ++k)
        watched[k] = {clients[k].fd, POLLIN, 0};
    watched[modems] = {log[0], POLLIN, 0};
    const auto done = [&] {
        return std::all_of(clients.begin(), clients.end(), [&](const Client &c) {
            return c.received == messages && c.delivered == messages;
        });
    };
    while (!done() && (Measure::wallSeconds() - lastProgress) * 1000 < SilenceMs) {
        if (::poll(watched.data(), watched.size(), 1000) < 0 && errno != EINTR)
            fail("poll");
        drainLog();
        for (int k = 0; k < modems; ++k) {
            Client &c = clients[k];
            ssize_t n = 0;
            while ((n = ::read(c.fd, chunk, sizeof chunk)) > 0)
                c.buffer.append(chunk, n);
            const double now = Measure::wallSeconds();
            for (std::size_t end; (end = c.buffer.find("\r\n")) != std::string::npos;) {
                const std::string line = c.buffer.substr(0, end);
                c.buffer.erase(0, end + 2);
                if (line.rfind("+CMTI: ", 0) == 0) {
                    c.arrivedAt.push_back(now);
                    ++c.received;
                    ++arrived;
                    lastProgress = now;
                    c.deletions.push_back("AT+CMGD=" + line.substr(line.rfind(',') + 1) + '\r');
                } else if (line.rfind("+CDS: ", 0) == 0) {
                    c.delivered += line.compare(line.size() - 2, 2, ",0") == 0;
                } else if (line == "OK" || line.find("ERROR") != std::string::npos) {
                    c.busy = false;
                }
            }
            // The prompt has no line end: what is left once the lines are taken.
            if (c.buffer == "> ") {
                c.buffer.clear();
                c.sentAt.push_back(now);
                writeAll(c.fd, "Message " + std::to_string(c.sent) + " from " + c.number + '\x1A');
                continue;
            }
            if (c.busy)
                continue;
            if (!c.deletions.empty()) {
                writeAll(c.fd, c.deletions.front());
                c.deletions.pop_front();
                c.busy = true;
            } else if (c.sent < messages) {
                writeAll(c.fd, "AT+CMGS=\"" + clients[(k + 1) % modems].number + "\"\r");
                ++c.sent;
                c.busy = true;
            }
        }
        const long warmedUp = long(modems) * std::min(WarmUp, messages);
        if (memoryAtStart == 0 && arrived >= warmedUp)
            memoryAtStart = Measure::residentBytes(pid);
        if (memoryHalfway == 0 && arrived >= (warmedUp + total) / 2)
            memoryHalfway = Measure::residentBytes(pid);
    }
    const double elapsed = lastProgress - began;
    const double memoryAtEnd = Measure::residentBytes(pid);
    drainLog();

    std::vector<double> latencies;
    long lost = 0;
    long reportsMissing = 0;
    for (int k = 0; k < modems; ++k) {
        const Client &sender = clients[(k + modems - 1) % modems];
        const Client &c = clients[k];
        for (std::size_t i = 0; i < c.arrivedAt.size() && i < sender.sentAt.size(); ++i)
            latencies.push_back((c.arrivedAt[i] - sender.sentAt[i]) * 1000);
        lost += messages - c.received;
        reportsMissing += messages - c.delivered;
    }
    std::sort(latencies.begin(), latencies.end());
    const auto percentile = [&](double p) {
        return latencies.empty() ? 0.0 : latencies[std::size_t(p * (latencies.size() - 1))];
    };
    std::printf("%d modems, %d messages each: %.0f messages/s; send to +CMTI median %.2f ms, "
                "p99 %.2f ms; lost %ld, reports missing %ld (modemsim logged %ld hang-ups and %ld "
                "drops); modemsim %.1f user CPU-s, resident "
                "memory %.1f MB before any message, %.1f MB at the start, %.1f MB in the "
                "middle, %.1f MB at the end\n",
                modems, messages, arrived / elapsed, percentile(0.5), percentile(0.99), lost,
                reportsMissing, hangUps, dropped, Measure::userSeconds(pid), memoryBefore / 1e6,
                memoryAtStart / 1e6, memoryHalfway / 1e6, memoryAtEnd / 1e6);
    ::kill(pid, SIGTERM);
    ::waitpid(pid, nullptr, 0);
    return lost == 0 && reportsMissing == 0 ? 0 : 1;
}
