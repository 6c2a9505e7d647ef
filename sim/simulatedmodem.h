// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "acceptedmessage.h"
#include "atcommand.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

// The modem side of a serial line: takes the bytes a terminal sends and answers as a GSM modem
// does under 3GPP TS 27.007 and 27.005, with verbose result codes framed by "\r\n".
class SimulatedModem : public QObject {
    Q_OBJECT

public:
    explicit SimulatedModem(QObject *parent = nullptr);

    // Bytes as they arrive on the line, in pieces of any size.
    void receive(const QByteArray &bytes);

    QList<AcceptedMessage> acceptedMessages() const { return m_accepted; }

    // The program at the other end closed the line, as when a terminal drops DTR: a half-typed
    // command line or message body is dropped.
    void terminalClosed();

signals:
    // Bytes for the line: echo, information text, result codes and prompts.
    void transmit(const QByteArray &bytes);

    // For logs: a command line as typed, without its CR, or a message body with the Ctrl-Z or
    // ESC that ended it.
    void commandReceived(const QByteArray &command);
    // For logs: one information text, result code or prompt, without framing.
    void responded(const QByteArray &response);
    void messageAccepted(const AcceptedMessage &message);

private:
    enum class State { Command, PduBody, TextBody };

    // How a command ends the processing of its line.
    struct Outcome {
        enum Kind { Ok, Error, CmeError, CmsError, Prompt };
        Kind kind = Ok;
        int code = 0;
    };

    void receiveCommandByte(char byte);
    void receiveBodyByte(char byte);
    // The line starts with the "AT" as typed.
    void executeLine(const QByteArray &line);
    Outcome execute(const AtCommand &command);
    void finish(Outcome outcome);
    void acceptPdu();
    void acceptText();
    void accept(const SmsSubmit &submit, const QByteArray &pdu);

    void inform(const QByteArray &text);
    void restoreDefaults();

    Outcome basic(const AtCommand &command);
    Outcome identification(const AtCommand &command, const QByteArray &text);
    Outcome errorReporting(const AtCommand &command);
    Outcome pin(const AtCommand &command);
    Outcome signalQuality(const AtCommand &command);
    Outcome registration(const AtCommand &command);
    Outcome serviceCentre(const AtCommand &command);
    Outcome characterSet(const AtCommand &command);
    Outcome storage(const AtCommand &command);
    Outcome indications(const AtCommand &command);
    Outcome messageFormat(const AtCommand &command);
    Outcome sendMessage(const AtCommand &command);

    QByteArray m_output;
    State m_state = State::Command;
    QByteArray m_line;
    bool m_inLine = false;
    char m_previous = 0;
    QByteArray m_body;

    // What AT+CMGS said: the TPDU length in PDU mode, the destination in text mode.
    int m_pduLength = 0;
    QString m_textDestination;
    int m_textDestinationType = 0;

    bool m_echo = true;
    int m_errorReporting = 0;
    int m_registrationReporting = 0;
    bool m_textMode = false;
    QByteArray m_characterSet;
    QString m_serviceCentre;
    int m_serviceCentreType = 0;
    QList<QByteArray> m_storages;
    QList<int> m_indications;

    int m_nextReference = 1;
    QList<AcceptedMessage> m_accepted;
};
