// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controlplayer.h"
#include "modemrig.h"
#include "modemsimoptions.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSocketNotifier>

#include <variant>
#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_UNIX
int stopPipe[2] = {-1, -1};

void noteStop(int) {
    const int saved = errno;
    const char byte = 0;
    [[maybe_unused]] const ssize_t written = ::write(stopPipe[1], &byte, 1);
    errno = saved;
}
#endif

// Ctrl-C, a kill or a closed terminal end the event loop like any other way out, so that the
// device is closed and its lock file removed: a lock left behind keeps other programs out for
// as long as its process number belongs to someone else.
void quitOnStopSignals() {
#ifdef Q_OS_UNIX
    if (::pipe(stopPipe) != 0)
        return;
    for (const int end : stopPipe) {
        ::fcntl(end, F_SETFD, FD_CLOEXEC);
        ::fcntl(end, F_SETFL, O_NONBLOCK);
    }
    auto *notifier = new QSocketNotifier(stopPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, &QCoreApplication::quit);
    struct sigaction action = {};
    action.sa_handler = noteStop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(signal, &action, nullptr);
#endif
}

void tell(const QString &text) {
    qWarning().noquote() << text.trimmed();
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("modemsim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MODEMPAD_VERSION));
    const auto parsed = ModemSimOptions::parse(app);
    if (const auto *mistake = std::get_if<QString>(&parsed)) {
        qCritical("modemsim: %s", qPrintable(*mistake));
        return 2;
    }
    // A mistake has returned above; get_if, unlike std::get, cannot throw out of main.
    const ModemSimOptions &options = *std::get_if<ModemSimOptions>(&parsed);

    ModemRig rig;
    // Before the device is opened and locked: a signal that came between would leave the lock.
    quitOnStopSignals();
    if (!options.puk.isEmpty())
        rig.modem().setPuk(options.puk);
    if (!options.iccid.isEmpty())
        rig.modem().setIccid(options.iccid);
    rig.modem().setReportDelay(options.reportDelay);
    rig.line().setPaced(options.paced);
    if (!rig.open(options.device)) {
        qCritical("modemsim: cannot open %s: %s",
                  qPrintable(options.device.isEmpty() ? QStringLiteral("a pseudo-terminal")
                                                      : options.device),
                  qPrintable(rig.line().errorString()));
        return 1;
    }
    rig.log().writeLine(rig.line().devicePath());
    ControlPlayer(&rig.modem()).play(options.startLines);
    ControlPlayer scriptPlayer(&rig.modem());
    QObject::connect(&scriptPlayer, &ControlPlayer::told, &tell);
    if (!options.scriptPath.isEmpty()) {
        QObject::connect(&scriptPlayer, &ControlPlayer::finished, &rig, [&rig, &options] {
            rig.log().writeLine(
                QStringLiteral("-- the script %1 has played to its end").arg(options.scriptPath));
        });
        scriptPlayer.play(options.script);
    }
    rig.startConsole();

    QObject::connect(&rig.line(), &ModemLine::lost, &app, [](const QString &reason) {
        qCritical().noquote() << "modemsim: line lost:" << reason;
        QCoreApplication::exit(1);
    });
    const int status = app.exec();
    rig.drain();
    return status;
}
