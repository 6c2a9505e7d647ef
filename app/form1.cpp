// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include "commcontrol.h"
#include "failurepolicy.h"
#include "loglayout.h"
#include "portnumber.h"
#include "receivelog.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>

#include <functional>
#include <tuple>

template<void (Form1::*Handler)()> void Form1::dispatch() {
    FailurePolicy::run(std::bind_front(Handler, this), this, Comm1);
}

Form1::Form1(const Settings &settings, QWidget *parent)
    : QWidget(parent)
    , Label1(new QLabel(QStringLiteral("Port:"), this))
    , txtPort(new QLineEdit(settings.port, this))
    , Connect(new QPushButton(QStringLiteral("Connect"), this))
    , Text1(new QPlainTextEdit(QStringLiteral("Text1"), this))
    , Command1(new QPushButton(QStringLiteral("AT+CMGF=0"), this))
    , Command2(new QPushButton(QStringLiteral("Command1"), this))
    , Command3(new QPushButton(QStringLiteral("Command1"), this))
    , Command4(new QPushButton(QStringLiteral("Command1"), this))
    , Comm1(new CommControl(this))
    , m_message(ModemCommands::view(settings.to.toUtf8()),
                ModemCommands::view(settings.text.toUtf8()))
    , m_lineSettings(QStringLiteral("%1,n,8,1").arg(settings.baud)) {
    setWindowTitle(QStringLiteral("Form1"));
    Label1->setObjectName(QStringLiteral("Label1"));
    txtPort->setObjectName(QStringLiteral("txtPort"));
    Connect->setObjectName(QStringLiteral("Connect"));
    Text1->setObjectName(QStringLiteral("Text1"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2->setObjectName(QStringLiteral("Command2"));
    Command3->setObjectName(QStringLiteral("Command3"));
    Command4->setObjectName(QStringLiteral("Command4"));
    Comm1->setObjectName(QStringLiteral("Comm1"));

    // Three buttons share one caption; say what each one writes, and what the message is. The
    // text goes on a line of its own: a tooltip takes its first line for markup if it looks so.
    const QString message = ModemCommands::describeMessage(settings.to, settings.text);
    const std::tuple<QPushButton *, ModemCommand, QString> commands[] = {
        {Command1, ModemCommands::selectPduMode, QString()},
        //: %1 says where the message goes and how, such as "to +447700900123 in the GSM 7-bit
        //: alphabet, 13 septets"; %2 is the message's text, on a line of its own.
        {Command2, m_message.announce(), tr("Announces the message %1:\n%2")},
        //: %1 says where the message goes and how, such as "to +447700900123 in the GSM 7-bit
        //: alphabet, 13 septets"; %2 is the message's text, on a line of its own.
        {Command3, m_message.send(), tr("The message %1:\n%2")},
        {Command4, ModemCommands::textBody, QString()},
    };
    for (const auto &[button, command, purpose] : commands) {
        const QString tip = purpose.isEmpty() ? command.description()
                                              : command.description() + QLatin1Char('\n') +
                                                    purpose.arg(message, settings.text);
        button->setToolTip(tip);
        button->setAccessibleDescription(tip);
    }
    // A screen reader names the port box after its label; the log box has no label to lend it a
    // name, and what it shows of the bytes needs saying.
    Label1->setBuddy(txtPort);
    //: The name a screen reader gives the box where the modem's answers show.
    Text1->setAccessibleName(tr("Modem log"));
    Text1->setAccessibleDescription(
        tr("Everything the modem sends, each piece after one blank. Every byte is shown: line "
           "breaks as new lines, other control characters as picture symbols where the font has "
           "them, bytes from 0x80 up and the other control characters as two hexadecimal digits "
           "in angle brackets."));
    // The log box catches up with what arrives once a frame, and keeps no undo history.
    LogLayout::of(*Text1);
    Text1->setTabChangesFocus(true);
    txtPort->installEventFilter(this);
    describePorts();
    placeControls();

    setTabOrder(Command1, Text1);
    setTabOrder(Text1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command4);
    setTabOrder(Command4, Connect);
    setTabOrder(Connect, txtPort);
    Command1->setFocus();

    connect(Connect, &QPushButton::clicked, this, &Form1::dispatch<&Form1::Connect_Click>);
    connect(Command1, &QPushButton::clicked, this, &Form1::dispatch<&Form1::Command1_Click>);
    connect(Command2, &QPushButton::clicked, this, &Form1::dispatch<&Form1::Command2_Click>);
    connect(Command3, &QPushButton::clicked, this, &Form1::dispatch<&Form1::Command3_Click>);
    connect(Command4, &QPushButton::clicked, this, &Form1::dispatch<&Form1::Command4_Click>);
    connect(Comm1, &CommControl::OnComm, this, &Form1::dispatch<&Form1::Comm1_OnComm>);
    // Until Connect sets the port, the one the user means is the one the box names.
    Comm1->setPortText(txtPort->text());
    connect(txtPort, &QLineEdit::textChanged, Comm1, &CommControl::setPortText);
}

void Form1::closeEvent(QCloseEvent *event) {
    qint16 cancel = 0;
    FailurePolicy::run([&] { Form_Unload(cancel); }, this, Comm1);
    event->setAccepted(cancel == 0);
}

void Form1::Connect_Click() {
    const QString port = txtPort->text();
    if (isDevicePath(port))
        Comm1->setDevicePath(port.trimmed());
    else
        Comm1->setCommPort(portNumberFromText(port));
    Comm1->setSettings(m_lineSettings);
    Comm1->setHandshaking(CommControl::comRTS);
    Comm1->setRTSEnable(true);
    Comm1->setDTREnable(true);
    Comm1->setRThreshold(1);
    Comm1->setSThreshold(1);
    Comm1->setInputMode(CommControl::comInputModeBinary);
    Comm1->setInputLen(0);
    Comm1->setPortOpen(true);
}

void Form1::Command1_Click() {
    Comm1->setOutput(ModemCommands::selectPduMode.bytes());
}

void Form1::Command2_Click() {
    Comm1->setOutput(m_message.announce().bytes());
}

void Form1::Command3_Click() {
    Comm1->setOutput(m_message.send().bytes());
}

void Form1::Command4_Click() {
    Comm1->setOutput(ModemCommands::textBody.bytes());
}

void Form1::Comm1_OnComm() {
    if (Comm1->commEvent() != CommControl::comEvReceive)
        return;
    const QByteArray received = Comm1->input();
    ReceiveLog::append(*Text1, received);
}

void Form1::Form_Unload(qint16 &cancel) {
    Q_UNUSED(cancel);
    Comm1->setPortOpen(false);
}

void Form1::placeControls() {
    // Positions are in twips, 1440 to the inch, so the window keeps its physical size at any
    // screen resolution.
    const auto px = [this](int twips) { return qRound(twips * logicalDpiX() / 1440.0); };
    const auto place = [&](QWidget *control, int left, int top, int width, int height) {
        control->setGeometry(px(left), px(top), px(width), px(height));
    };
    resize(px(7230), px(5625));
    place(Label1, 120, 120, 1455, 255);
    place(txtPort, 120, 480, 1575, 285);
    place(Connect, 2520, 360, 1335, 615);
    place(Text1, 120, 1080, 1575, 2055);
    place(Command1, 2520, 1800, 1335, 615);
    place(Command2, 2520, 2520, 1335, 615);
    place(Command3, 2520, 3240, 1335, 615);
    place(Command4, 2520, 3960, 1335, 615);
}

void Form1::describePorts() {
    const QStringList ports = Comm1->ports();
    //: The tooltip of the box where the port is typed; the ports present follow it, one a line.
    QStringList lines{tr("The number of the serial port to open, or the path of its device.")};
    lines += ports;
    if (ports.isEmpty())
        lines << tr("No serial ports are present now.");
    txtPort->setToolTip(lines.join(QLatin1Char('\n')));
}

bool Form1::eventFilter(QObject *watched, QEvent *event) {
    // Devices come and go while the window is open; list the ones there are as the tip shows.
    if (watched == txtPort && event->type() == QEvent::ToolTip)
        describePorts();
    return QWidget::eventFilter(watched, event);
}
