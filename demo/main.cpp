// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "autopilot.h"
#include "commcontrol.h"
#include "demooptions.h"
#include "form1.h"
#include "modemcommands.h"
#include "modemrig.h"
#include "translations.h"

#include <QApplication>

#include <cstdio>
#include <optional>

namespace {

bool hasDisplay() {
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY") ||
           qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char *argv[]) {
    // The options are described and read in the user's language, which takes an application to
    // install the translators on, before the one with a window exists.
    std::optional<QCoreApplication> reading(std::in_place, argc, argv);
    Translations::install(QStringLiteral("modempad"));
    const auto parsed = DemoOptions::parse(QCoreApplication::arguments());
    if (const auto *exit = std::get_if<DemoOptions::Exit>(&parsed)) {
        std::fputs(qPrintable(exit->text), exit->status == 0 ? stdout : stderr);
        return exit->status;
    }
    const DemoOptions &options = *std::get_if<DemoOptions>(&parsed);
    const Settings &settings = options.settings;

    // Whether there is a display decides the platform, which must be set before QApplication
    // exists.
    const bool autopilotOn = options.autopilot || !hasDisplay();
    if (autopilotOn)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    reading.reset();
    QApplication app(argc, argv);
    Translations::install(QStringLiteral("modempad"));

    ModemRig rig;
    rig.line().setPaced(options.paced);
    if (!rig.open()) {
        qCritical("%s",
                  qPrintable(QCoreApplication::translate(
                                 "modempad-demo",
                                 "modempad-demo: no pseudo-terminal for the simulated modem: %1")
                                 .arg(rig.line().errorString())));
        return 1;
    }
    //: %1 is the port's number, %2 the device behind it.
    rig.log().writeLine(
        QCoreApplication::translate("modempad-demo", "simulated modem on port %1 = %2")
            .arg(QString::number(DemoOptions::SimulatedPort), rig.line().devicePath()));
    //: %1 says where the message goes and how; %2 is its text.
    rig.log().writeLine(QCoreApplication::translate(
                            "modempad-demo", "the second and third buttons send the message %1: %2")
                            .arg(ModemCommands::describeMessage(settings.to, settings.text),
                                 ModemLog::printable(settings.text)));
    rig.startConsole();

    Form1 form(settings);
    form.port().mapPort(DemoOptions::SimulatedPort, rig.line().devicePath());
    for (auto it = options.ports.begin(); it != options.ports.end(); ++it)
        form.port().mapPort(it.key(), it.value());
    form.show();

    Autopilot pilot(&form, &rig.modem(), &rig.log());
    pilot.setMessage(settings.to, settings.text);
    if (autopilotOn) {
        if (!options.autopilot)
            rig.log().writeLine(QCoreApplication::translate(
                "modempad-demo", "no display: the autopilot runs the window offscreen"));
        pilot.start();
    }
    return app.exec();
}
