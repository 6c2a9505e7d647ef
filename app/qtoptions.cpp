// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtoptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

struct QtOption {
    const char *name;
    const char *valueName;
};
constexpr QtOption Table[] = {
    {"platform", "NAME[:OPTIONS]"},
    {"platformpluginpath", "PATH"},
    {"platformtheme", "NAME"},
    {"plugin", "PLUGIN"},
    {"qmljsdebugger", "PORT"},
    {"qwindowgeometry", "GEOMETRY"},
    {"qwindowicon", "ICON"},
    {"qwindowtitle", "TITLE"},
    {"reverse", nullptr},
    {"session", "SESSION"},
    {"display", "DISPLAY"},
    {"geometry", "GEOMETRY"},
    {"style", "STYLE"},
    {"stylesheet", "FILE"},
    {"widgetcount", nullptr},
};

} // namespace

void QtOptions::addTo(QCommandLineParser &parser, bool shown) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const QtOption &qt : Table) {
        QCommandLineOption option(
            QString::fromLatin1(qt.name),
            QCoreApplication::translate("QtOptions", "Taken by Qt (see QGuiApplication)."),
            QString::fromLatin1(qt.valueName));
        if (!shown)
            option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}
