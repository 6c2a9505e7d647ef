// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controlplayer.h"
#include "modemrig.h"
#include "modemsimoptions.h"
#include "translations.h"

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

// What a program needs to reach each modem: one modem's device alone, as it always was;
// several modems' devices each with its number and IMEI, and the TCP address under --listen.
void sayWhereTheModemsAre(ModemRig &rig) {
    if (rig.count() == 1) {
        rig.log().writeLine(rig.line().devicePath());
        if (const QString tcp = rig.line().listenAddress(); !tcp.isEmpty())
            rig.log().writeLine(
                // not translated: the log, which scripts and tests read
                QStringLiteral("-- also on TCP %1, with no authentication").arg(tcp));
        return;
    }
    for (int k = 1; k <= rig.count(); ++k) {
        rig.log(k).writeLine(QStringList{rig.line(k).devicePath(), rig.modem(k).identity().number,
                                         rig.modem(k).identity().imei, rig.line(k).listenAddress()}
                                 .join(u' ')
                                 .trimmed());
    }
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("modemsim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MODEMPAD_VERSION));
    // Before the options: --help and a mistake in them speak the user's language.
    Translations::install(QStringLiteral("modemsim"));
    const auto parsed = ModemSimOptions::parse(app);
    if (const auto *mistake = std::get_if<QString>(&parsed)) {
        qCritical("modemsim: %s", qPrintable(*mistake));
        return 2;
    }
    // A mistake has returned above; get_if, unlike std::get, cannot throw out of main.
    const ModemSimOptions &options = *std::get_if<ModemSimOptions>(&parsed);

    ModemRig rig(int(options.identities.size()));
    // Before the device is opened and locked: a signal that came between would leave the lock.
    quitOnStopSignals();
    for (int k = 1; k <= rig.count(); ++k) {
        rig.modem(k).setIdentity(options.identities.at(k - 1));
        if (!options.puk.isEmpty())
            rig.modem(k).setPuk(options.puk);
        rig.modem(k).setReportDelay(options.reportDelay);
        rig.line(k).setPaced(options.paced);
    }
    if (!rig.open(options.device) ||
        (options.listenPort && !rig.listen(options.listenHost, *options.listenPort))) {
        qCritical("modemsim: %s", qPrintable(rig.errorString()));
        return 1;
    }
    sayWhereTheModemsAre(rig);
    ControlPlayer(rig.modems()).play(options.startLines);
    ControlPlayer scriptPlayer(rig.modems());
    QObject::connect(&scriptPlayer, &ControlPlayer::told, &tell);
    if (!options.scriptPath.isEmpty()) {
        QObject::connect(&scriptPlayer, &ControlPlayer::finished, &rig, [&rig, &options] {
            rig.log().writeLine(
                // not translated: the log, which scripts and tests read
                QStringLiteral("-- the script %1 has played to its end").arg(options.scriptPath));
        });
        scriptPlayer.play(options.script);
    }
    rig.startConsole();

    for (int k = 1; k <= rig.count(); ++k) {
        QObject::connect(&rig.line(k), &ModemLine::lost, &app, [](const QString &reason) {
            qCritical().noquote()
                << QCoreApplication::translate("modemsim", "modemsim: line lost: %1").arg(reason);
            QCoreApplication::exit(1);
        });
    }
    const int status = app.exec();
    rig.drain();
    return status;
}
