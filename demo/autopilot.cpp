// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "autopilot.h"

#include "modemcommands.h"
#include "modemidentity.h"
#include "modemlog.h"
#include "simulatedmodem.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QString withoutBlanks(QString text) {
    return text.remove(u' ');
}

} // namespace

Autopilot::Autopilot(QWidget *window, SimulatedModem *modem, ModemLog *log, QObject *parent)
    : QObject(parent)
    , m_modem(modem)
    , m_log(log)
    , m_text(window->findChild<QPlainTextEdit *>(QStringLiteral("Text1"))) {
    const auto button = [window](const char *name) {
        return window->findChild<QPushButton *>(QString::fromLatin1(name));
    };
    m_steps = {
        {button("Connect"), {}},
        {button("Command1"), {QStringLiteral("OK"), QStringLiteral("ERROR")}},
        {button("Command2"), {QStringLiteral(">"), QStringLiteral("ERROR")}},
        {button("Command3"), {QStringLiteral("OK"), QStringLiteral("ERROR")}},
    };
    setMessage(ModemCommands::testNumber(), ModemCommands::testText());

    m_timeout.setSingleShot(true);
    m_timeout.setInterval(std::chrono::seconds(30));
    connect(&m_timeout, &QTimer::timeout, this, [this] {
        //: %1 names the button pressed, such as Command2.
        fail(tr("no answer to %1 within %2 s")
                 .arg(m_steps.at(m_next - 1).button->objectName())
                 .arg(m_timeout.interval() / 1000.0));
    });
    connect(m_text, &QPlainTextEdit::textChanged, this, &Autopilot::checkLog);

    // A failure shows a modal box that would wait for a user forever.
    m_boxWatch.setInterval(100);
    connect(&m_boxWatch, &QTimer::timeout, this, &Autopilot::watchForFailureBox);
}

void Autopilot::setMessage(const QString &destination, const QString &text) {
    m_destination = destination;
    m_messageText = text;
    // A message to the modem's own number is done once it is back: announced (+CMTI), or
    // passed on whole (+CMT), after the OK to the send.
    m_steps.last().answers = destination == QLatin1String(ModemIdentity::OwnNumber)
                                 ? QStringList{QStringLiteral("+CMTI:"), QStringLiteral("+CMT:"),
                                               QStringLiteral("ERROR")}
                                 : QStringList{QStringLiteral("OK"), QStringLiteral("ERROR")};
}

void Autopilot::start() {
    m_boxWatch.start();
    QTimer::singleShot(0, this, &Autopilot::pressNext);
}

void Autopilot::pressNext() {
    const Step &step = m_steps.at(m_next++);
    //: %1 names the button, such as Connect or Command2.
    m_log->writeLine(tr("autopilot: pressing %1").arg(step.button->objectName()));
    m_seenBefore = answersInLog();
    step.button->click();
    if (step.answers.isEmpty())
        QTimer::singleShot(0, this, &Autopilot::pressNext);
    else
        m_timeout.start();
}

void Autopilot::checkLog() {
    if (!m_timeout.isActive())
        return;
    if (answersInLog() <= m_seenBefore)
        return;
    m_timeout.stop();
    if (m_next < m_steps.size())
        QTimer::singleShot(0, this, &Autopilot::pressNext);
    else
        finish();
}

void Autopilot::finish() {
    m_log->writeLine(tr("autopilot: the log as the window shows it:"));
    m_log->writeLine(m_text->toPlainText());
    const QList<AcceptedMessage> messages = m_modem->acceptedMessages();
    for (const AcceptedMessage &message : messages)
        //: %1 describes the message as the simulated modem's log does, in English.
        m_log->writeLine(tr("autopilot: the modem accepted %1").arg(ModemLog::describe(message)));
    // Never one, so the English needs no singular.
    if (messages.size() != 1)
        return fail(tr("the modem accepted %n messages, not one", nullptr, int(messages.size())));
    const SmsSubmit &submit = messages.constFirst().submit;
    if (submit.destination != m_destination || submit.text != m_messageText)
        return fail(tr("the message arrived as \"%1\" to %2, not \"%3\" to %4")
                        .arg(submit.text, submit.destination, m_messageText, m_destination));
    m_log->writeLine(
        tr("autopilot: \"%1\" to %2 arrived intact").arg(m_messageText, m_destination));
    if (m_destination == QLatin1String(ModemIdentity::OwnNumber))
        m_log->writeLine(tr("autopilot: it came back to the modem, as the log shows"));
    QCoreApplication::exit(0);
}

void Autopilot::fail(const QString &reason) {
    m_timeout.stop();
    m_boxWatch.stop();
    qCritical("%s", qPrintable(tr("modempad-demo: autopilot failed: %1").arg(reason)));
    QCoreApplication::exit(1);
}

void Autopilot::watchForFailureBox() {
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box)
        return;
    const QString text = box->text();
    fail(tr("ModemPad reported: %1").arg(text.simplified()));
    box->reject();
}

int Autopilot::answersInLog() const {
    const QString log = withoutBlanks(m_text->toPlainText());
    int count = 0;
    for (const QString &answer : m_steps.at(m_next - 1).answers)
        count += int(log.count(answer));
    return count;
}
