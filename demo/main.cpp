// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "autopilot.h"
#include "commcontrol.h"
#include "demooptions.h"
#include "form1.h"
#include "modemcommands.h"
#include "modemrig.h"

#include <QApplication>

#include <cstdio>

namespace {

bool hasDisplay() {
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY") ||
           qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char *argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const auto parsed = DemoOptions::parse(arguments);
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
    QApplication app(argc, argv);

    ModemRig rig;
    rig.line().setPaced(options.paced);
    if (!rig.open()) {
        qCritical("modempad-demo: no pseudo-terminal for the simulated modem: %s",
                  qPrintable(rig.line().errorString()));
        return 1;
    }
    rig.log().writeLine(QStringLiteral("simulated modem on port %1 = %2")
                            .arg(DemoOptions::SimulatedPort)
                            .arg(rig.line().devicePath()));
    rig.log().writeLine(QStringLiteral("the second and third buttons send the message %1: %2")
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
            rig.log().writeLine(
                QStringLiteral("no display: the autopilot runs the window offscreen"));
        pilot.start();
    }
    return app.exec();
}
