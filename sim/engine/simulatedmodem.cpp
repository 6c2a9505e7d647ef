// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "simulatedmodem.h"

#include <algorithm>
#include <utility>

namespace {

constexpr char CtrlZ = 0x1A;
constexpr char Escape = 0x1B;
constexpr qsizetype MaxLine = 1024;
constexpr qsizetype MaxBody = 1024;
// As Cinterion modems do, a timer watches the input after a prompt, restarted by each byte.
// A minute lets a person type a message line by line, and frees the modem soon enough from a
// program that stopped halfway.
constexpr std::chrono::seconds PromptTimeout{60};
// Unsolicited codes held while a command is in progress or the terminal takes nothing: as many
// as announce a full store of the modem's largest, so that a burst of arrivals during one
// command is announced in full. Past it the oldest goes, as 27.005 lets a modem do when its
// buffer is full.
constexpr qsizetype MaxHeldUnsolicited = 100;
// What a terminal may send ahead while a slow answer is awaited: a modem's input buffer, past
// which bytes are lost.
constexpr qsizetype MaxWaitingInput = 4096;

} // namespace

SimulatedModem::SimulatedModem(QObject *parent)
    : QObject(parent)
    , m_v250([this] { restoreDefaults(); }, m_identity)
    , m_equipment(m_identity)
    , m_network(m_equipment.settings(), m_sim, m_identity)
    , m_simFiles(m_sim, m_identity, NetworkCommands::homeOperatorName())
    , m_smsParameters(m_equipment.settings())
    , m_storage(m_equipment.settings(), m_smsParameters.parameters())
    , m_delivery(m_equipment.settings(), m_smsParameters.parameters(), m_network, m_storage,
                 m_identity)
    , m_sending(m_equipment.settings(), m_smsParameters.parameters(), m_network, m_storage,
                m_delivery)
    , m_status(m_network, [this] { return m_storage.isReceiveStorageFull(); }) {
    m_v250.addTo(m_commands);
    m_equipment.addTo(m_commands);
    m_sim.addTo(m_commands);
    m_network.addTo(m_commands);
    m_simFiles.addTo(m_commands);
    m_status.addTo(m_commands);
    m_packetDomain.addTo(m_commands);
    m_calls.addTo(m_commands);
    m_smsParameters.addTo(m_commands);
    m_storage.addTo(m_commands);
    m_sending.addTo(m_commands);
    m_delivery.addTo(m_commands);
    m_commands.setSimGuard([this](CommandTable::Sim family) { return m_sim.refusal(family); });

    connect(&m_network, &NetworkCommands::unsolicited, this, &SimulatedModem::hold);
    connect(&m_status, &StatusCommands::unsolicited, this, &SimulatedModem::hold);
    connect(&m_delivery, &MessageDelivery::unsolicited, this, &SimulatedModem::hold);
    connect(&m_sending, &MessageSendingCommands::messageAccepted, this,
            &SimulatedModem::messageAccepted);
    connect(&m_storage, &MessageStorageCommands::noted, this, &SimulatedModem::noted);
    connect(&m_sending, &MessageSendingCommands::noted, this, &SimulatedModem::noted);
    connect(&m_delivery, &MessageDelivery::noted, this, &SimulatedModem::noted);
    connect(&m_delivery, &MessageDelivery::readyToReceive, this, &SimulatedModem::readyToReceive);
    connect(&m_network, &NetworkCommands::noted, this, &SimulatedModem::noted);
    connect(&m_sim, &SimCommands::noted, this, &SimulatedModem::noted);
    // A ready SIM lets the modem register, and opens the message service.
    connect(&m_sim, &SimCommands::readinessChanged, this, [this] {
        m_network.refresh();
        if (m_sim.isReady())
            hold({"SMS Ready"});
    });
    // What waited in the network for the modem comes once it is registered.
    connect(&m_network, &NetworkCommands::registered, &m_delivery,
            &MessageDelivery::deliverWaiting);
    // And once a storage has room for it.
    connect(&m_storage, &MessageStorageCommands::roomMade, &m_delivery,
            &MessageDelivery::deliverWaiting);

    m_promptTimer.setSingleShot(true);
    m_promptTimer.setInterval(PromptTimeout);
    connect(&m_promptTimer, &QTimer::timeout, this, &SimulatedModem::promptTimedOut);
    m_answerTimer.setSingleShot(true);
    connect(&m_answerTimer, &QTimer::timeout, this, [this] {
        transmitPending();
        takeInput();
    });
    m_restartTimer.setSingleShot(true);
    connect(&m_restartTimer, &QTimer::timeout, this, &SimulatedModem::startUp);
}

void SimulatedModem::receive(const QByteArray &bytes) {
    // Switched off, it hears nothing.
    if (m_state == State::Off)
        return;
    if (m_answerTimer.isActive()) {
        m_waitingInput +=
            bytes.left(std::max<qsizetype>(0, MaxWaitingInput - m_waitingInput.size()));
        return;
    }
    m_waitingInput += bytes;
    takeInput();
}

void SimulatedModem::terminalClosed() {
    if (m_v250.settings().dtrMode == 0 || m_state == State::Off)
        return;
    const QString dropped = m_state != State::Command
                                ? QStringLiteral(", dropping the message body it was typing")
                            : m_inLine ? QStringLiteral(", dropping the command line it was typing")
                                       : QString();
    emit noted(QStringLiteral("the terminal closed the line") + dropped);
    dropSession();
    m_state = State::Command;
}

void SimulatedModem::setAnswerDelay(std::chrono::milliseconds delay) {
    m_answerTimer.setInterval(delay);
    emit noted(delay.count() == 0 ? QStringLiteral("answers come at once")
                                  : QStringLiteral("every answer waits %1 ms").arg(delay.count()));
}

void SimulatedModem::restart(std::chrono::milliseconds quiet) {
    emit noted(QStringLiteral("restarting: quiet for %1 ms").arg(quiet.count()));
    // Switched off it leaves the network, and what it had is gone.
    m_network.powerOff();
    dropSession();
    m_state = State::Off;
    m_restartTimer.start(quiet);
}

void SimulatedModem::lockSim(const QString &pin) {
    m_sim.lock(pin);
    transmitPending();
}

void SimulatedModem::setNetworkState(NetworkState state) {
    m_network.setState(state);
    transmitPending();
}

bool SimulatedModem::decideReport(int reference, int status) {
    const bool decided = m_delivery.decideReport(reference, status);
    transmitPending();
    return decided;
}

void SimulatedModem::setStorageFull(bool full) {
    m_storage.setFull(full);
    transmitPending();
}

bool SimulatedModem::receiveRouted(const SmsDeliver &message) {
    const bool taken = m_delivery.receiveRouted(message);
    transmitPending();
    return taken;
}

bool SimulatedModem::deliver(const QString &originator, const QString &text,
                             const QDateTime &sent) {
    const bool delivered = m_delivery.receiveText(originator, text, sent);
    transmitPending();
    return delivered;
}

void SimulatedModem::setTerminalReady(bool ready) {
    if (ready == m_terminalReady)
        return;
    m_terminalReady = ready;
    releaseUnsolicited();
    transmitPending();
}

void SimulatedModem::takeInput() {
    qsizetype taken = 0;
    while (taken < m_waitingInput.size() && !m_answerTimer.isActive() && m_state != State::Off) {
        const char byte = m_waitingInput.at(taken++);
        if (m_state == State::Command)
            receiveCommandByte(byte);
        else
            receiveBodyByte(byte);
    }
    m_waitingInput.remove(0, taken);
    transmitPending();
}

void SimulatedModem::dropSession() {
    m_promptTimer.stop();
    m_answerTimer.stop();
    m_takeBody = nullptr;
    m_inLine = false;
    m_previous = 0;
    m_line.clear();
    m_body.clear();
    m_waitingInput.clear();
    // Nobody is there to read it.
    m_output.clear();
    m_heldUnsolicited.clear();
}

// The start-up codes: that it takes commands, the state of the SIM as +CPIN? gives it, and,
// once the SIM is ready, that messages can be sent and received.
void SimulatedModem::startUp() {
    m_state = State::Command;
    restoreDefaults();
    m_sim.restart();
    m_network.restart();
    QByteArrayList codes{"RDY", "+CPIN: " + m_sim.code()};
    if (m_sim.isReady())
        codes.append("SMS Ready");
    emit noted(QStringLiteral("started again: ") + QString::fromLatin1(codes.join(", ")));
    for (const QByteArray &code : std::as_const(codes))
        inform({code});
    transmitPending();
}

// A slow modem sends the echo at once, and the answer once the delay is over; meanwhile what
// the terminal sends waits.
void SimulatedModem::beginAnswer() {
    if (m_answerTimer.interval() <= 0)
        return;
    if (!m_output.isEmpty())
        emit transmit(std::exchange(m_output, {}));
    m_answerTimer.start();
}

void SimulatedModem::receiveCommandByte(char byte) {
    const V250Settings &settings = m_v250.settings();
    // Echo is character by character, as V.250 has it, also of what is not a command line.
    if (settings.echo)
        m_output.append(byte);
    if (!m_inLine) {
        m_inLine = (byte == 'T' || byte == 't') && (m_previous == 'A' || m_previous == 'a');
        if (m_inLine)
            m_line = QByteArray(1, m_previous) + byte;
        m_previous = m_inLine ? 0 : byte;
        return;
    }
    if (byte == char(settings.lineEnd)) {
        // The line stays in progress until its result code, so that what it causes follows it.
        executeLine(m_line);
    } else if (byte == char(settings.backspace)) {
        // Editing cannot take back the "AT" that opened the line.
        if (m_line.size() > 2)
            m_line.chop(1);
    } else if (quint8(byte) >= 0x20 && byte != 0x7F && m_line.size() <= MaxLine) {
        m_line.append(byte);
    }
}

void SimulatedModem::receiveBodyByte(char byte) {
    const bool textMode = m_state == State::TextBody;
    m_promptTimer.start();
    switch (byte) {
    case CtrlZ: {
        emit commandReceived(m_body + byte);
        // Still in the body while it is taken, so that what taking it causes follows the result.
        const AtResponse response = m_takeBody(m_body);
        endBody();
        beginAnswer();
        finish(response);
        return;
    }
    case Escape:
        // The message is dropped, but the command still ends with a final result code.
        emit commandReceived(m_body + byte);
        endBody();
        beginAnswer();
        finish(AtResponse::ok());
        return;
    case '\r':
        // Text mode takes a message of several lines, prompting for each (TS 27.005 3.5.1).
        if (textMode) {
            m_body.append('\n');
            prompt();
        }
        return;
    case '\n':
        return;
    }
    if (textMode && byte == char(m_v250.settings().backspace)) {
        m_body.chop(1);
        return;
    }
    if (m_v250.settings().echo)
        m_output.append(byte);
    if (m_body.size() < MaxBody)
        m_body.append(byte);
}

void SimulatedModem::executeLine(const QByteArray &line) {
    emit commandReceived(line);
    beginAnswer();
    const auto commands = AtCommand::parseLine(line.mid(2));
    if (line.size() > MaxLine || !commands) {
        finish(AtResponse::error());
        return;
    }
    for (const AtCommand &command : *commands) {
        const AtResponse response = m_commands.execute(command);
        if (response.ending != AtResponse::Ending::Ok) {
            finish(response);
            return;
        }
        for (const QByteArrayList &information : response.information)
            inform(information);
    }
    finish(AtResponse::ok());
}

void SimulatedModem::finish(const AtResponse &response) {
    m_inLine = false;
    for (const QByteArrayList &information : response.information)
        inform(information);
    switch (response.ending) {
    case AtResponse::Ending::Ok:
        resultCode("OK", 0);
        break;
    case AtResponse::Ending::Error:
        resultCode("ERROR", 4);
        break;
    case AtResponse::Ending::NoCarrier:
        resultCode("NO CARRIER", 3);
        break;
    case AtResponse::Ending::CmeError:
        // +CMEE decides between plain ERROR, a number and words (TS 27.007 9.1).
        switch (m_equipment.settings().errorReporting) {
        case 0:
            resultCode("ERROR", 4);
            break;
        case 1:
            resultCode("+CME ERROR: " + QByteArray::number(response.errorCode));
            break;
        default:
            resultCode("+CME ERROR: " + cmeErrorText(CmeError(response.errorCode)));
            break;
        }
        break;
    case AtResponse::Ending::CmsError:
        resultCode("+CMS ERROR: " + QByteArray::number(response.errorCode));
        break;
    case AtResponse::Ending::Prompt:
        m_state = response.textBody ? State::TextBody : State::PduBody;
        m_takeBody = response.takeBody;
        m_body.clear();
        m_promptTimer.start();
        prompt();
        break;
    }
    // Codes held for the command follow its result at once, however the bytes after it came.
    releaseUnsolicited();
}

void SimulatedModem::endBody() {
    m_state = State::Command;
    m_promptTimer.stop();
}

void SimulatedModem::promptTimedOut() {
    emit noted(QStringLiteral("no input for %1 s after the prompt: the command fails")
                   .arg(std::chrono::duration_cast<std::chrono::seconds>(
                            m_promptTimer.intervalAsDuration())
                            .count()));
    endBody();
    finish(AtResponse::cmsError(CmsError::UnknownError));
    transmitPending();
}

// Information text, and unsolicited codes alike: V1 frames each with S3 S4 before and after,
// V0 only after (V.250 5.7.1). The lines of one text share the framing.
void SimulatedModem::inform(const QByteArrayList &lines) {
    const QByteArray end = lineBreak();
    if (m_v250.settings().verbose)
        m_output += end;
    m_output += lines.join(end) + end;
    for (const QByteArray &line : lines)
        emit responded(line);
}

// A final result code: V1 frames its words as information text, V0 sends its number (or the
// words of an extended code) and S3 alone; Q1 sends nothing.
void SimulatedModem::resultCode(const QByteArray &verbose, int numeric) {
    const V250Settings &settings = m_v250.settings();
    if (settings.quiet)
        return;
    if (settings.verbose) {
        inform({verbose});
        return;
    }
    const QByteArray code = numeric >= 0 ? QByteArray::number(numeric) : verbose;
    m_output += code + char(settings.lineEnd);
    emit responded(code);
}

// The prompt has no line end: the terminal answers on the same line (TS 27.005 3.5.1).
void SimulatedModem::prompt() {
    m_output += lineBreak() + "> ";
    emit responded("> ");
}

QByteArray SimulatedModem::lineBreak() const {
    const V250Settings &settings = m_v250.settings();
    return QByteArray(1, char(settings.lineEnd)) + char(settings.responseEnd);
}

// An unsolicited code goes out once no command is in progress and the terminal takes it: at
// the end of this command, or now if it came from the network or a timer.
void SimulatedModem::hold(const QByteArrayList &lines) {
    m_heldUnsolicited.append(lines);
    if (m_heldUnsolicited.size() > MaxHeldUnsolicited) {
        emit noted(QStringLiteral("more unsolicited codes wait than the modem holds; the oldest "
                                  "is dropped: ") +
                   QString::fromLatin1(m_heldUnsolicited.takeFirst().constFirst()));
    }
    releaseUnsolicited();
    QMetaObject::invokeMethod(this, &SimulatedModem::transmitPending, Qt::QueuedConnection);
}

void SimulatedModem::releaseUnsolicited() {
    if (isBusy() || !m_terminalReady)
        return;
    // Unsolicited codes are result codes, which Q1 suppresses.
    for (const QByteArrayList &lines : std::exchange(m_heldUnsolicited, {})) {
        if (!m_v250.settings().quiet)
            inform(lines);
    }
}

void SimulatedModem::transmitPending() {
    // A slow answer goes out, with what it held back, when its time comes.
    if (m_answerTimer.isActive())
        return;
    // Whatever changed the indicators, a command or the network, is told of with the rest.
    m_status.refresh();
    releaseUnsolicited();
    if (!m_output.isEmpty())
        emit transmit(std::exchange(m_output, {}));
}

void SimulatedModem::restoreDefaults() {
    m_v250.restoreDefaults();
    m_equipment.restoreDefaults();
    m_network.restoreDefaults();
    m_status.restoreDefaults();
    m_packetDomain.restoreDefaults();
    m_calls.restoreDefaults();
    m_smsParameters.restoreDefaults();
    m_storage.restoreDefaults();
    m_delivery.restoreDefaults();
    m_sending.restoreDefaults();
}
