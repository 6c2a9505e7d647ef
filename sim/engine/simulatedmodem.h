// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "acceptedmessage.h"
#include "callcommands.h"
#include "commandtable.h"
#include "equipmentcommands.h"
#include "identity.h"
#include "messagedelivery.h"
#include "messagesendingcommands.h"
#include "messagestoragecommands.h"
#include "networkcommands.h"
#include "packetdomaincommands.h"
#include "simcommands.h"
#include "simfilecommands.h"
#include "smsparametercommands.h"
#include "statuscommands.h"
#include "v250commands.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <functional>

// The modem side of a serial line: takes the bytes a terminal sends and answers as a GSM modem
// does under ITU-T V.250 and 3GPP TS 27.007 and 27.005. This class is the line discipline: echo,
// command lines, message bodies after a prompt, the framing of answers, and unsolicited result
// codes held back while a command line or a prompt is in progress. What each command does is in
// the command groups it dispatches to.
class SimulatedModem : public QObject {
    Q_OBJECT

public:
    explicit SimulatedModem(QObject *parent = nullptr);

    // Bytes as they arrive on the line, in pieces of any size.
    void receive(const QByteArray &bytes);

    // The program at the other end closed the line, as when a terminal drops DTR: unless &D0
    // says to ignore that, a half-typed command line or message body is dropped, and with it
    // what the modem had not sent yet.
    void terminalClosed();

    // A message from the network, sent at the given time, stored or passed on as +CNMI says. A
    // text too long for one message comes in parts; false when it would need more than 255.
    bool deliver(const QString &originator, const QString &text,
                 const QDateTime &sent = QDateTime::currentDateTime());

    // The last 256 messages taken for sending, the oldest first: one for each message reference.
    QList<AcceptedMessage> acceptedMessages() const { return m_sending.acceptedMessages(); }

    // Who the modem is; Identity::first() unless set, which it is before a program talks to it.
    const Identity &identity() const { return m_identity; }
    void setIdentity(const Identity &identity) { m_identity = identity; }
    // Where a message the modem sends to another number goes, when another modem has it.
    void setRouter(MessageDelivery::Router router) { m_delivery.setRouter(std::move(router)); }
    // A message another modem sent; false when it must wait in the network for this one to
    // register or to have room, after which readyToReceive says to try again.
    bool receiveRouted(const SmsDeliver &message);

    // Whether the program at the other end takes what the modem sends, as RTS says under
    // hardware flow control; while it does not, unsolicited codes wait as they do while a
    // command is in progress.
    void setTerminalReady(bool ready);

    // The SIM asks for this PIN from now on, as after a restart; an empty one turns it off.
    void lockSim(const QString &pin);
    // The PUK that unblocks the SIM after three wrong PINs; 12345678 unless set.
    void setPuk(const QString &puk) { m_sim.setPuk(puk); }
    // What the network lets the modem do; it starts registered at home.
    void setNetworkState(NetworkState state);
    // +CSQ's <rssi> while there is a network, 0 to 31; 21 unless set.
    void setSignal(int quality) {
        m_network.setSignal(quality);
        transmitPending();
    }
    // What the network answers a USSD code with.
    void setUssdAnswer(const QString &code, const QString &text) {
        m_network.setUssdAnswer(code, text);
    }
    // How long after a message that asked for one its status report comes, saying delivered;
    // with none, only when decided. A second unless set.
    void setReportDelay(std::optional<std::chrono::milliseconds> delay) {
        m_delivery.setReportDelay(delay);
    }
    // The oldest status report waiting on message reference comes now with the TP-Status, 0
    // for delivered; false when none waits.
    bool decideReport(int reference, int status);
    // The next count sends fail with +CMS ERROR: cause; a count of 0 ends that.
    void rejectSends(int cause, int count) { m_delivery.rejectSends(cause, count); }
    // Full, the message storages take no more than they hold now, and what arrives waits in the
    // network until there is room.
    void setStorageFull(bool full);
    // How long a message routed to the terminal under +CSMS=1 waits for +CNMA before routing
    // stops; 15 s unless set.
    void setAcknowledgementTimeout(std::chrono::milliseconds timeout) {
        m_delivery.setAcknowledgementTimeout(timeout);
    }

    // Every answer waits this long first, as a slow modem's does, while what the terminal sends
    // meanwhile waits its turn; 0, the default, for none.
    void setAnswerDelay(std::chrono::milliseconds delay);

    // The modem drops what it was doing and takes nothing for the quiet time, then starts again
    // with its settings reset, and says so with its start-up codes: "RDY", the SIM's state as
    // +CPIN? gives it, and "SMS Ready" once the SIM is ready.
    void restart(std::chrono::milliseconds quiet);

    // How long a prompt waits for the next byte of a message body before the command fails with
    // +CMS ERROR: 500; a minute unless set.
    void setPromptTimeout(std::chrono::milliseconds timeout) { m_promptTimer.setInterval(timeout); }

signals:
    // Bytes for the line: echo, information text, result codes and prompts.
    void transmit(const QByteArray &bytes);

    // For logs: a command line as typed, without its end, or a message body with the Ctrl-Z or
    // ESC that ended it.
    void commandReceived(const QByteArray &command);
    // For logs: one line of information text, a result code or a prompt, without framing.
    void responded(const QByteArray &response);
    void messageAccepted(const AcceptedMessage &message);
    // For logs: what happened besides the dialogue, such as a message arriving.
    void noted(const QString &event);
    // What waited in the network for the modem has arrived, and it could take more.
    void readyToReceive();

private:
    enum class State { Command, PduBody, TextBody, Off };

    // Takes what the terminal sent, as far as no answer is being waited for.
    void takeInput();
    void dropSession();
    void startUp();
    void beginAnswer();
    void receiveCommandByte(char byte);
    void receiveBodyByte(char byte);
    // The line starts with the "AT" as typed.
    void executeLine(const QByteArray &line);
    void finish(const AtResponse &response);
    void endBody();
    void promptTimedOut();

    // An unsolicited code: sent once no command is in progress and the terminal takes it.
    void hold(const QByteArrayList &lines);
    void inform(const QByteArrayList &lines);
    void resultCode(const QByteArray &verbose, int numeric = -1);
    void prompt();
    // S3 S4, by default CR LF.
    QByteArray lineBreak() const;
    bool isBusy() const {
        return m_inLine || m_state != State::Command || m_answerTimer.isActive();
    }
    void releaseUnsolicited();
    // Sends what is waiting: answers, and unsolicited codes once no command is in progress.
    void transmitPending();
    void restoreDefaults();

    Identity m_identity = Identity::first();
    V250Commands m_v250;
    EquipmentCommands m_equipment;
    SimCommands m_sim;
    NetworkCommands m_network;
    SimFileCommands m_simFiles;
    SmsParameterCommands m_smsParameters;
    MessageStorageCommands m_storage;
    MessageDelivery m_delivery;
    MessageSendingCommands m_sending;
    // Its indicators follow the network and the storage.
    StatusCommands m_status;
    PacketDomainCommands m_packetDomain;
    CallCommands m_calls;
    CommandTable m_commands;

    QByteArray m_output;
    QList<QByteArrayList> m_heldUnsolicited;
    State m_state = State::Command;
    QByteArray m_line;
    bool m_inLine = false;
    bool m_terminalReady = true;
    char m_previous = 0;
    QByteArray m_body;
    std::function<AtResponse(const QByteArray &)> m_takeBody;
    QTimer m_promptTimer;
    // Bytes from the terminal not taken yet, while an answer waits.
    QByteArray m_waitingInput;
    // Runs while a slow answer is awaited; its interval is the delay.
    QTimer m_answerTimer;
    QTimer m_restartTimer;
};
