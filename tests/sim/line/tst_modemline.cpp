// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modemline.h"
#include "modemlog.h"
#include "pseudoterminal.h"
#include "simulatedmodem.h"

#include <QBuffer>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>

#include <memory>

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

// A program at the far end of the line, as raw as a serial port program gets.
class Program {
public:
    explicit Program(const QString &device)
        : m_fd(::open(qPrintable(device), O_RDWR | O_NOCTTY | O_NONBLOCK)) {}
    ~Program() { close(); }
    Q_DISABLE_COPY_MOVE(Program)

    bool isOpen() const { return m_fd >= 0; }
    int descriptor() const { return m_fd; }
    void close() {
        if (m_fd >= 0)
            ::close(std::exchange(m_fd, -1));
    }
    // What the modem has sent so far.
    QByteArray received() {
        char buffer[4096];
        ssize_t n = 0;
        while ((n = ::read(m_fd, buffer, sizeof buffer)) > 0)
            m_received.append(buffer, n);
        return m_received;
    }

private:
    int m_fd;
    QByteArray m_received;
};

} // namespace

class TestModemLine : public QObject {
    Q_OBJECT

private slots:
    void startsAfreshForTheNextProgram_data();
    void startsAfreshForTheNextProgram();
    void answersAProgramAnotherLeftBeside();
    void holdsBackAProgramThatDoesNotRead();
    void holdsIndicationsForAProgramThatDoesNotRead();
    void logsALongMessageLeftUnfinished();
    void sharesTheLineWithATcpClient_data();
    void sharesTheLineWithATcpClient();
};

void TestModemLine::startsAfreshForTheNextProgram_data() {
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<bool>("locked");
    // Whether the next program opens and writes before the modem has had a turn to see the
    // close, as ModemManager does 2 ms after its probe: the order a fast machine may give.
    QTest::addColumn<bool>("atOnce");

    QTest::newRow("left in a PDU") << QByteArray("AT+CMGS=25\r0001000C91447700") << false << false;
    QTest::newRow("left its answers unread") << QByteArray("ATI\r") << false << false;
    // As gammu does: it locks the device and never unlocks it.
    QTest::newRow("left the device locked") << QByteArray("AT\r") << true << false;
    QTest::newRow("left in a PDU, next at once")
        << QByteArray("AT+CMGS=25\r0001000C91447700") << false << true;
    QTest::newRow("left mid-command, next at once") << QByteArray("ATE1\rAT+CG") << false << true;
    QTest::newRow("left its answers unread, next at once") << QByteArray("ATI\r") << false << true;
}

void TestModemLine::startsAfreshForTheNextProgram() {
    QFETCH(QByteArray, written);
    QFETCH(bool, locked);
    QFETCH(bool, atOnce);

    SimulatedModem modem;
    ModemLine line(&modem);
    QVERIFY(line.openPseudoTerminal());
    QSignalSpy commands(&modem, &SimulatedModem::commandReceived);
    QSignalSpy left(&modem, &SimulatedModem::noted);

    Program first(line.devicePath());
    QVERIFY(first.isOpen());
    QCOMPARE(::write(first.descriptor(), written.constData(), written.size()), written.size());
    if (locked)
        QCOMPARE(::ioctl(first.descriptor(), TIOCEXCL), 0);
    QTRY_VERIFY(!commands.isEmpty());
    first.close();
    std::optional<Program> next;
    const auto openNext = [&] {
        next.emplace(line.devicePath());
        return ::write(next->descriptor(), "AT\r", 3) == 3;
    };
    QVERIFY(!atOnce || openNext());
    QTRY_VERIFY(!left.isEmpty());
    if (!atOnce) {
        int lockedNow = -1;
        QVERIFY(openNext());
        QCOMPARE(::ioctl(next->descriptor(), TIOCGEXCL, &lockedNow), 0);
        QCOMPARE(lockedNow, 0);
    }
    QTRY_VERIFY(next->received().endsWith("OK\r\n"));
    QCOMPARE(next->received(), QByteArray("AT\r\r\nOK\r\n"));
}

// A program that opens and closes the device, as stty -F does, must not leave the modem mute
// for the program still using it.
void TestModemLine::answersAProgramAnotherLeftBeside() {
    SimulatedModem modem;
    ModemLine line(&modem);
    QVERIFY(line.openPseudoTerminal());
    QSignalSpy noted(&modem, &SimulatedModem::noted);
    Program program(line.devicePath());
    QVERIFY(program.isOpen());
    Program(line.devicePath()).close();
    QTRY_VERIFY(!noted.isEmpty());

    QCOMPARE(::write(program.descriptor(), "ATI\r", 4), 4);
    QTRY_VERIFY(program.received().endsWith("OK\r\n"));
}

// A program that writes commands without ever reading must neither wedge the modem nor make
// it queue answers without end: the modem stops reading, and the program's writes block.
void TestModemLine::holdsBackAProgramThatDoesNotRead() {
    SimulatedModem modem;
    ModemLine line(&modem);
    QVERIFY(line.openPseudoTerminal());
    Program program(line.devicePath());
    QVERIFY(program.isOpen());

    // Bytes of an endless "AT\rAT\r...", written as far as the line takes them.
    const QByteArray command = "AT\r";
    qsizetype sent = 0;
    const auto writeMore = [&] {
        const qsizetype at = sent % command.size();
        const ssize_t n =
            ::write(program.descriptor(), command.constData() + at, command.size() - at);
        sent += std::max<ssize_t>(n, 0);
        return n > 0;
    };
    bool heldBack = false;
    while (!heldBack && sent < 3'000'000) {
        if (writeMore())
            continue;
        // The line is full; still full once the modem has had its turn, it is not reading.
        QCoreApplication::processEvents();
        heldBack = !writeMore();
    }
    QVERIFY2(heldBack, qPrintable(QStringLiteral("%1 bytes went in unhindered").arg(sent)));

    // Once the program reads, every command it wrote is answered.
    const auto allAnswered = [&] {
        const qsizetype answers = program.received().count("\r\nOK\r\n");
        if (sent % command.size() != 0)
            writeMore();
        return sent % command.size() == 0 && answers == sent / command.size();
    };
    QTRY_VERIFY_WITH_TIMEOUT(allAnswered(), 20'000);
}

// Messages arriving for a program that has stopped reading wait in the modem, as many as it
// holds; the ones past that are dropped and logged, never kept without end nor lost unsaid.
void TestModemLine::holdsIndicationsForAProgramThatDoesNotRead() {
    SimulatedModem modem;
    ModemLine line(&modem);
    QVERIFY(line.openPseudoTerminal());
    Program program(line.devicePath());
    QVERIFY(program.isOpen());
    QCOMPARE(::write(program.descriptor(), "ATE0;+CNMI=2,2\r", 15), 15);
    QTRY_VERIFY(program.received().endsWith("OK\r\n"));

    QSignalSpy noted(&modem, &SimulatedModem::noted);
    constexpr int Messages = 2000;
    for (int i = 0; i < Messages; ++i) {
        modem.deliver(QStringLiteral("+447700900456"), QStringLiteral("Message %1").arg(i));
        QCoreApplication::processEvents();
    }
    const auto dropped = [&] {
        return std::count_if(noted.begin(), noted.end(), [](const QList<QVariant> &note) {
            return note.constFirst().toString().contains(u"dropped");
        });
    };
    QVERIFY(dropped() > 0);
    QTRY_COMPARE(program.received().count("+CMT: ") + dropped(), Messages);
}

// Once a long message has waited for its next part long enough, the log says it is dropped,
// with no other message to prompt it.
void TestModemLine::logsALongMessageLeftUnfinished() {
    SimulatedModem modem;
    QBuffer output;
    output.open(QIODevice::WriteOnly);
    ModemLog log(&modem, &output);
    log.setLongMessageWait(std::chrono::seconds(1));
    // Part 1 of 2 of long message 7, "Hi" in 8-bit data.
    modem.receive("AT+CMGS=21\r0041000C914477000910320004080500030702014869\x1A");
    QVERIFY2(output.data().contains("== accepted message 1"), output.data());
    QTRY_VERIFY2(output.data().contains("-- long message 7 to +447700900123 dropped with parts 1 "
                                        "of 2: no part came for 1 s\n"),
                 output.data());
}

// Each step is a party, "p" the program on the pseudo-terminal or "a" and "b" clients over TCP,
// then what it does: "+" comes, "-" goes, ":" and bytes writes, "?" and bytes waits until all
// it has received ends so, "!" waits until the modem has let it go; "~" and words waits until
// the line or the modem notes them.
void TestModemLine::sharesTheLineWithATcpClient_data() {
    // The steps, each after a "|".
    QTest::addColumn<QByteArray>("steps");

    QTest::newRow("answered over TCP") << QByteArray("a+|a:AT\r|a?AT\r\r\nOK\r\n");
    QTest::newRow("a second client refused, the first kept")
        << QByteArray("a+|a:AT\r|a?OK\r\n|b+|b?\r\nBUSY: this modem has a client already; try "
                      "again once it has gone\r\n|b!|a:AT\r|a?AT\r\r\nOK\r\nAT\r\r\nOK\r\n");
    QTest::newRow("a dropped client ends its own turn only")
        << QByteArray("p+|a+|a:AT+CMGS=25\r0001|a?> 0001|a-|~the terminal closed the line, "
                      "dropping the message|b+|b:AT\r|b?AT\r\r\nOK\r\n|p:AT\r|~bytes from the "
                      "serial line dropped|b:AT\r|b?OK\r\nAT\r\r\nOK\r\n");
    QTest::newRow("the terminal holds the line until it lets go")
        << QByteArray("p+|p:AT\r|p?AT\r\r\nOK\r\n|a+|a:ATI\r|~bytes from the TCP client "
                      "dropped|p-|~the terminal closed|a:AT\r|a?AT\r\r\nOK\r\n");
}

void TestModemLine::sharesTheLineWithATcpClient() {
    QFETCH(QByteArray, steps);

    SimulatedModem modem;
    ModemLine line(&modem);
    QVERIFY(line.openPseudoTerminal());
    QVERIFY2(line.listen(QHostAddress::LocalHost, 0), qPrintable(line.errorString()));
    const quint16 port = line.listenAddress().section(u':', -1).toUShort();
    QStringList notes;
    connect(&line, &ModemLine::noted, this, [&notes](const QString &note) { notes += note; });
    connect(&modem, &SimulatedModem::noted, this, [&notes](const QString &note) { notes += note; });
    std::map<char, std::unique_ptr<Program>> programs;
    std::map<char, std::unique_ptr<QTcpSocket>> clients;
    std::map<char, QByteArray> received;
    for (const QByteArray &step : steps.split('|')) {
        const char party = step.at(0);
        const QByteArray bytes = step.mid(2);
        Program *program = programs[party].get();
        QTcpSocket *client = clients[party].get();
        const auto receivedNow = [&] {
            return program ? program->received() : received[party] += client->readAll();
        };
        if (party == '~') {
            const auto noted = [&] {
                return !notes.filter(QString::fromLatin1(step.mid(1))).isEmpty();
            };
            QVERIFY2(QTest::qWaitFor(noted), qPrintable(notes.join(u'\n')));
            notes.clear();
        } else if (step.at(1) == '+' && party == 'p') {
            programs[party] = std::make_unique<Program>(line.devicePath());
            QVERIFY(programs[party]->isOpen());
        } else if (step.at(1) == '+') {
            clients[party] = std::make_unique<QTcpSocket>();
            clients[party]->connectToHost(QHostAddress::LocalHost, port);
            QVERIFY(clients[party]->waitForConnected());
        } else if (step.at(1) == '-') {
            program ? programs[party].reset() : client->abort();
        } else if (step.at(1) == ':') {
            QCOMPARE(program ? ::write(program->descriptor(), bytes.constData(), bytes.size())
                             : client->write(bytes),
                     bytes.size());
        } else if (step.at(1) == '?') {
            QVERIFY2(QTest::qWaitFor([&] { return receivedNow().endsWith(bytes); }), receivedNow());
        } else {
            QTRY_COMPARE(client->state(), QAbstractSocket::UnconnectedState);
        }
    }
}

QTEST_GUILESS_MAIN(TestModemLine)
#include "tst_modemline.moc"
