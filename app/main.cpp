// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "failurepolicy.h"
#include "form1.h"
#include "startoptions.h"
#include "translations.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <optional>

namespace {

// The options that QGuiApplication and QApplication take out of the arguments, as their
// documentation lists them: taken here unseen, so that they are not reported as mistakes, and
// left in place for Qt.
struct QtOption {
    const char *name;
    const char *valueName;
};
constexpr QtOption QtOptions[] = {
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

// The options and what --help says; --help-all shows Qt's as well.
void describe(QCommandLineParser &parser, bool qtOptionsShown) {
    //: --help's description; Connect is the caption of the button, which stays in English.
    parser.setApplicationDescription(
        QCoreApplication::translate(
            "modempad",
            "A window for trying out a GSM modem on a serial port: Connect opens the port, and "
            "the buttons below it write the AT commands that send a short message in PDU mode.\n"
            "Each setting comes from its option, else from the settings file %1, else from the "
            "build. Qt's own options, such as -platform NAME, are taken as well.")
            .arg(StartOptions::filePath()));
    // Qt's options are written with one dash.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    for (const QtOption &qt : QtOptions) {
        QCommandLineOption option(
            QString::fromLatin1(qt.name),
            QCoreApplication::translate("modempad", "Taken by Qt (see QGuiApplication)."),
            QString::fromLatin1(qt.valueName));
        if (!qtOptionsShown)
            option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

int print(std::FILE *stream, const QString &text, int status) {
    std::fputs(qPrintable(text), stream);
    return status;
}

int usageError(const QString &message) {
    return print(stderr, QStringLiteral("modempad: %1\n").arg(message), 2);
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("modempad"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MODEMPAD_VERSION));

    // Read before QApplication exists, which needs a display: --help, --version and a mistake
    // are answered over ssh and on a system without one too, in the user's language, which
    // takes an application to install the translators on.
    std::optional<QCoreApplication> reading(std::in_place, argc, argv);
    Translations::install();
    const QStringList arguments = QCoreApplication::arguments();
    QCommandLineParser parser;
    describe(parser, false);
    const StartOptions options(parser, Setting::names());
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (unknown.isEmpty())
            return usageError(parser.errorText());
        return usageError(
            QCoreApplication::translate("modempad",
                                        "unknown option %1%2: modempad --help lists the options")
                .arg(unknown.constFirst().size() == 1 ? "-" : "--", unknown.constFirst()));
    }
    const auto help = [](QCommandLineParser &shown) { return print(stdout, shown.helpText(), 0); };
    if (parser.isSet(QStringLiteral("help-all"))) {
        QCommandLineParser all;
        describe(all, true);
        const StartOptions shown(all, Setting::names());
        return help(all);
    }
    if (parser.isSet(QStringLiteral("help")))
        return help(parser);
    if (parser.isSet(QStringLiteral("version")))
        return print(stdout, QStringLiteral("modempad %1\n").arg(MODEMPAD_VERSION), 0);
    if (!parser.positionalArguments().isEmpty()) {
        return usageError(QCoreApplication::translate(
                              "modempad", "unexpected argument \"%1\": modempad takes options only")
                              .arg(parser.positionalArguments().constFirst()));
    }
    if (const QString fault = options.commandLineFault(); !fault.isEmpty())
        return usageError(fault);
    reading.reset();

    QApplication app(argc, argv);
    Translations::install();
    // Lets a Wayland desktop match the window to its desktop entry, and so show its icon; the
    // entry is named after the application's id.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.ModemPad"));
    Settings settings;
    if (!FailurePolicy::run([&] { settings = options.settings(); }))
        return 1;
    Form1 form(settings);
    form.show();
    return app.exec();
}
