// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A ModemPad window in a process of its own, worked from standard input one line at a time, for
// tests that need what only a whole process shows: its exit status, its CPU time, a port held
// against another process.
//
//   formdriver PORT=DEVICE...      puts each DEVICE behind port number PORT
//
//   click NAME   clicks the button NAME, then answers "clicked NAME"
//   log          answers "log " and the log's text, percent-encoded
//   open         answers "open 1" while the port is open, else "open 0"
//   quit         closes the window as a user would
//
// SIGTERM, SIGHUP and SIGINT close it as modempad's do.
//
// A message box is answered at once with "box " and its text, percent-encoded, and closed with
// its default button, as a user reading it would. The process ends with the window's exit status.

#include "commcontrol.h"
#include "form1.h"
#include "stopsignals.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

namespace {

void answer(const QByteArray &line) {
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// Closes each message box as soon as it shows, after reporting what it says.
class BoxReader : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override {
        auto *box = qobject_cast<QMessageBox *>(watched);
        if (box && event->type() == QEvent::Show) {
            answer("box " + box->text().toUtf8().toPercentEncoding());
            QTimer::singleShot(0, box, &QMessageBox::accept);
        }
        return false;
    }
};

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    Form1 form;
    CommControl *port = &form.port();
    for (const QString &mapping : app.arguments().mid(1))
        port->mapPort(mapping.section(QLatin1Char('='), 0, 0).toShort(),
                      mapping.section(QLatin1Char('='), 1));
    BoxReader boxReader;
    app.installEventFilter(&boxReader);
    const StopSignals stop(&form);
    form.show();

    QByteArray pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &form, [&] {
        char buffer[256];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            input.setEnabled(false);
            return;
        }
        pending.append(buffer, n);
        qsizetype end = 0;
        while ((end = pending.indexOf('\n')) >= 0) {
            const QString line = QString::fromUtf8(pending.left(end)).trimmed();
            pending.remove(0, end + 1);
            const QString verb = line.section(QLatin1Char(' '), 0, 0);
            const QString name = line.section(QLatin1Char(' '), 1);
            if (verb == QLatin1String("click")) {
                form.findChild<QAbstractButton *>(name)->click();
                answer("clicked " + name.toUtf8());
            } else if (verb == QLatin1String("log")) {
                const auto *log = form.findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
                answer("log " + log->toPlainText().toUtf8().toPercentEncoding());
            } else if (verb == QLatin1String("open")) {
                answer(port->portOpen() ? "open 1" : "open 0");
            } else if (verb == QLatin1String("quit")) {
                form.close();
            }
        }
    });
    answer("ready");
    return app.exec();
}
