// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A day's load on the simulated modem, nothing lost and its memory flat:
//   bench_load MODEMSIM [MESSAGES]
// Starts MODEMSIM (a modemsim program) and, as a client on the device it names, sends MESSAGES
// messages (10,000 unless given) in PDU mode, one AT+CMGS each; then plays the network on its
// standard input with as many `sms` lines, a few ahead of the client, which reads each message
// that +CMTI announces (AT+CMGR, text mode) and deletes it (AT+CMGD). Prints messages a second
// each way and modemsim's user-mode CPU time and resident memory as it goes; counts what was
// sent against what modemsim logged as accepted, and what arrived (logged as stored) against
// what the client read. Exits 1 if any message is missing or modemsim dropped or lost anything.

#include "measure.h"
#include "smspdu.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <exception>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

constexpr const char *Destination = "+447700900123";
constexpr const char *Originator = "+447700900456";
// Messages fed to standard input and not read yet: fewer than the 20 the SIM stores.
constexpr int Ahead = 10;
// Messages each way before the figures: more than the 256 accepted messages modemsim keeps.
constexpr int WarmUp = 300;
constexpr int SilenceMs = 10'000;
constexpr int Samples = 10;

[[noreturn]] void fail(const std::string &why) {
    std::fprintf(stderr, "bench_load: %s\n", why.c_str());
    std::exit(1);
}

// The number at the end of "outgoing 00042" or "incoming 00042", quoted or not; -1 if none.
int serialIn(const std::string &text, const std::string &word) {
    const std::size_t at = text.rfind(word + ' ');
    return at == std::string::npos ? -1 : std::atoi(text.c_str() + at + word.size() + 1);
}

void writeAll(int fd, const std::string &bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno != EINTR && errno != EAGAIN)
            fail("write: " + std::to_string(errno));
        if (n < 0) {
            pollfd writable{fd, POLLOUT, 0};
            ::poll(&writable, 1, SilenceMs);
            continue;
        }
        done += std::size_t(n);
    }
}

// modemsim as a child process, its log read as it comes, and a client on its device.
class Session {
public:
    explicit Session(const char *program, int messages)
        : m_sentLogged(std::size_t(messages))
        , m_arrivedLogged(std::size_t(messages)) {
        int input[2];
        int log[2];
        if (::pipe(input) != 0 || ::pipe(log) != 0)
            fail("pipe");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, log[1], STDOUT_FILENO);
        for (const int fd : {input[0], input[1], log[0], log[1]})
            posix_spawn_file_actions_addclose(&actions, fd);
        char *const argv[] = {const_cast<char *>(program), nullptr};
        if (posix_spawn(&m_pid, program, &actions, nullptr, argv, environ) != 0)
            fail(std::string("cannot start ") + program);
        posix_spawn_file_actions_destroy(&actions);
        ::close(input[0]);
        ::close(log[1]);
        m_input = input[1];
        m_log = log[0];

        std::string device;
        while (device.empty()) {
            pump();
            if (!m_logLines.empty())
                device = m_logLines.front();
        }
        m_line = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        termios raw{};
        if (m_line < 0 || ::tcgetattr(m_line, &raw) != 0)
            fail("cannot open " + device);
        ::cfmakeraw(&raw);
        ::tcsetattr(m_line, TCSANOW, &raw);
    }

    ~Session() {
        ::kill(m_pid, SIGTERM);
        ::waitpid(m_pid, nullptr, 0);
    }
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    // Sends a command line and waits for its final result code; gives its information text.
    std::vector<std::string> command(const std::string &line) {
        writeAll(m_line, line + '\r');
        return result();
    }

    // One message in PDU mode, as ModemPad's own encoder makes it; false if refused.
    bool send(int serial) {
        char text[32];
        std::snprintf(text, sizeof text, "outgoing %05d", serial);
        const SmsPdu::Octets pdu = SmsPdu::submit(Destination, text);
        writeAll(m_line, "AT+CMGS=" + std::to_string(SmsPdu::tpduLength(pdu)) + '\r');
        while (m_pending != "> ")
            pump();
        m_pending.clear();
        writeAll(m_line, std::string(pdu.hex()) + '\x1A');
        const std::vector<std::string> answer = result();
        return m_result == "OK" && answer.size() == 1 && answer.front().starts_with("+CMGS: ");
    }

    void arrive(int serial) {
        char line[64];
        std::snprintf(line, sizeof line, "sms %s incoming %05d\n", Originator, serial);
        writeAll(m_input, line);
    }

    // The index of the next message +CMTI announces, once it has come.
    int nextIndication() {
        while (m_indications.empty())
            pump();
        const int index = m_indications.front();
        m_indications.pop_front();
        return index;
    }

    // Reads the log until modemsim has logged so many messages as accepted, or as stored.
    void waitForAccepted(int count) {
        while (m_sent < count)
            pump();
    }
    void waitForStored(int count) {
        while (m_arrived < count)
            pump();
    }

    // Messages from serial `first` on that modemsim logged as accepted, or as stored.
    long sentLogged(int first) const {
        return long(std::count(m_sentLogged.begin() + first, m_sentLogged.end(), true));
    }
    long arrivedLogged(int first) const {
        return long(std::count(m_arrivedLogged.begin() + first, m_arrivedLogged.end(), true));
    }
    const std::vector<std::string> &troubles() const { return m_troubles; }

    double residentMiB() const { return Measure::residentBytes(m_pid) / (1 << 20); }
    double userSeconds() const { return Measure::userSeconds(m_pid); }

private:
    std::vector<std::string> result() {
        while (m_final.empty())
            pump();
        m_result = std::exchange(m_final, {});
        return std::exchange(m_answer, {});
    }

    // Waits for either side to say something, and takes in what it said.
    void pump() {
        pollfd fds[] = {{m_log, POLLIN, 0}, {m_line, POLLIN, 0}};
        const int count = m_line < 0 ? 1 : 2;
        const int ready = ::poll(fds, nfds_t(count), SilenceMs);
        if (ready == 0)
            fail("modemsim said nothing for " + std::to_string(SilenceMs / 1000) + " s");
        char buffer[65536];
        if (fds[0].revents) {
            const ssize_t n = ::read(m_log, buffer, sizeof buffer);
            if (n <= 0)
                fail("modemsim ended");
            m_logPending.append(buffer, std::size_t(n));
            takeLogLines();
        }
        if (count == 2 && fds[1].revents) {
            const ssize_t n = ::read(m_line, buffer, sizeof buffer);
            if (n > 0) {
                m_pending.append(buffer, std::size_t(n));
                takeLineLines();
            }
        }
    }

    void takeLogLines() {
        std::size_t end = 0;
        while ((end = m_logPending.find('\n')) != std::string::npos) {
            const std::string line = m_logPending.substr(0, end);
            m_logPending.erase(0, end + 1);
            if (m_line < 0)
                m_logLines.push_back(line);
            if (line.starts_with("== accepted message ")) {
                mark(m_sentLogged, serialIn(line, "outgoing"));
                ++m_sent;
            } else if (line.starts_with("-- message from ") &&
                       line.find(" stored in ") != std::string::npos) {
                mark(m_arrivedLogged, serialIn(line, "incoming"));
                ++m_arrived;
            } else if (line.find("dropped") != std::string::npos ||
                       line.find(" lost") != std::string::npos) {
                m_troubles.push_back(line);
            }
        }
    }

    void takeLineLines() {
        std::size_t end = 0;
        while ((end = m_pending.find("\r\n")) != std::string::npos) {
            const std::string line = m_pending.substr(0, end);
            m_pending.erase(0, end + 2);
            if (line.starts_with("+CMTI: "))
                m_indications.push_back(std::atoi(line.c_str() + line.rfind(',') + 1));
            else if (line == "OK" || line == "ERROR" || line.starts_with("+CMS ERROR"))
                m_final = line;
            else if (!line.empty())
                m_answer.push_back(line);
        }
    }

    static void mark(std::vector<bool> &seen, int serial) {
        if (serial >= 0 && std::size_t(serial) < seen.size())
            seen[std::size_t(serial)] = true;
    }

    pid_t m_pid = -1;
    int m_input = -1;
    int m_log = -1;
    int m_line = -1;
    std::string m_logPending;
    std::vector<std::string> m_logLines;
    std::string m_pending;
    std::vector<std::string> m_answer;
    // The final result code once it has come, and of the last command.
    std::string m_final;
    std::string m_result;
    std::deque<int> m_indications;
    std::vector<bool> m_sentLogged;
    std::vector<bool> m_arrivedLogged;
    int m_sent = 0;
    int m_arrived = 0;
    std::vector<std::string> m_troubles;
};

int run(int argc, char *argv[]) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: bench_load MODEMSIM [MESSAGES]\n");
        return 2;
    }
    const int messages = argc == 3 ? std::atoi(argv[2]) : 10'000;
    std::signal(SIGPIPE, SIG_IGN);
    Session modemsim(argv[1], WarmUp + messages);
    modemsim.command("ATE0");
    std::vector<double> memory;
    const auto sample = [&](int done) {
        if (done % std::max(1, messages / Samples) == 0)
            memory.push_back(modemsim.residentMiB());
    };
    std::vector<bool> read(static_cast<std::size_t>(WarmUp + messages));
    int answered = 0;

    // Sends or takes in the messages [first, end), sampling memory as it goes once warm.
    const auto sendAll = [&](int first, int end) {
        for (int serial = first; serial < end; ++serial) {
            answered += modemsim.send(serial) ? 1 : 0;
            if (first >= WarmUp)
                sample(serial + 1 - first);
        }
        modemsim.waitForAccepted(end);
    };
    const auto takeAll = [&](int first, int end) {
        modemsim.command("AT+CMGF=1");
        int fed = first;
        for (int done = first; done < end; ++done) {
            while (fed < end && fed - done < Ahead)
                modemsim.arrive(fed++);
            const std::string index = std::to_string(modemsim.nextIndication());
            const std::vector<std::string> message = modemsim.command("AT+CMGR=" + index);
            const int serial = message.size() == 2 ? serialIn(message.back(), "incoming") : -1;
            if (serial >= first && serial < end)
                read[std::size_t(serial)] = true;
            modemsim.command("AT+CMGD=" + index);
            if (first >= WarmUp)
                sample(done + 1 - first);
        }
        modemsim.waitForStored(end);
        modemsim.command("AT+CMGF=0");
    };

    // What modemsim allocates once, and its list of the last 256 messages, fill up first.
    sendAll(0, WarmUp);
    takeAll(0, WarmUp);
    memory.push_back(modemsim.residentMiB());

    double wall = Measure::wallSeconds();
    double user = modemsim.userSeconds();
    answered = 0;
    sendAll(WarmUp, WarmUp + messages);
    const double sendSeconds = Measure::wallSeconds() - wall;
    const double sendUser = modemsim.userSeconds() - user;
    const double middle = memory.back();

    wall = Measure::wallSeconds();
    user = modemsim.userSeconds();
    takeAll(WarmUp, WarmUp + messages);
    const double takeSeconds = Measure::wallSeconds() - wall;
    const double takeUser = modemsim.userSeconds() - user;

    const long sentLogged = modemsim.sentLogged(WarmUp);
    const long arrivedLogged = modemsim.arrivedLogged(WarmUp);
    const long readCount = long(std::count(read.begin() + WarmUp, read.end(), true));
    const long sentMissing = messages - std::min<long>(answered, sentLogged);
    const long arrivedMissing = messages - std::min(readCount, arrivedLogged);
    std::printf("after %d messages each way to warm up:\n", WarmUp);
    std::printf("sent %d messages in %.2f s: %.0f a second; answered +CMGS %d, logged as "
                "accepted %ld, missing %ld\n",
                messages, sendSeconds, messages / sendSeconds, answered, sentLogged, sentMissing);
    std::printf("arrived %d messages in %.2f s: %.0f a second; logged as stored %ld, read by "
                "the client %ld, missing %ld\n",
                messages, takeSeconds, messages / takeSeconds, arrivedLogged, readCount,
                arrivedMissing);
    std::printf("modemsim in user mode: %.0f µs a message sent, %.0f µs a message arrived\n",
                1e6 * sendUser / messages, 1e6 * takeUser / messages);
    std::printf("modemsim resident memory: start %.2f MiB, middle %.2f MiB, end %.2f MiB\n",
                memory.front(), middle, memory.back());
    std::printf("  every %d messages, sending then arriving:", std::max(1, messages / Samples));
    for (const double mib : memory)
        std::printf(" %.2f", mib);
    std::printf("\n");
    for (const std::string &trouble : modemsim.troubles())
        std::printf("modemsim: %s\n", trouble.c_str());
    return sentMissing == 0 && arrivedMissing == 0 && modemsim.troubles().empty() ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[]) {
    try {
        return run(argc, argv);
    } catch (const std::exception &error) {
        fail(error.what());
    }
}
