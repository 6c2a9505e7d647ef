// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "failurepolicy.h"
#include "form1.h"
#include "qtoptions.h"
#include "startoptions.h"
#include "stopsignals.h"
#include "translations.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <optional>

namespace {

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
    parser.addHelpOption();
    parser.addVersionOption();
    QtOptions::addTo(parser, qtOptionsShown);
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
    Translations::install(QStringLiteral("modempad"));
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        // Taken as it is, a byte that is not UTF-8 would become U+FFFD and change the message
        // unseen.
        if (const qsizetype bad = StartOptions::firstNonUtf8(argv[i]); bad >= 0) {
            const QString hex = QString::fromLatin1(QByteArray(1, argv[i][bad]).toHex().toUpper());
            if (i > 1 && argv[i - 1][0] == '-' && argv[i][0] != '-') {
                //: %1 is the option, such as --text; %2 counts bytes from 1; %3 is the byte in
                //: hexadecimal.
                return usageError(
                    QCoreApplication::translate("modempad",
                                                "the value of %1 is not in UTF-8: its byte %2 "
                                                "is 0x%3; give it in UTF-8")
                        .arg(QString::fromLocal8Bit(argv[i - 1]), QString::number(bad + 1), hex));
            }
            //: %1 counts the arguments from 1; %2 counts bytes from 1; %3 is the byte in
            //: hexadecimal.
            return usageError(
                QCoreApplication::translate(
                    "modempad",
                    "argument %1 is not in UTF-8: its byte %2 is 0x%3; give it in UTF-8")
                    .arg(QString::number(i), QString::number(bad + 1), hex));
        }
        arguments << QString::fromLocal8Bit(argv[i]);
    }
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
    Translations::install(QStringLiteral("modempad"));
    // Lets a Wayland desktop match the window to its desktop entry, and so show its icon; the
    // entry is named after the application's id.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.ModemPad"));
    Settings settings;
    if (!FailurePolicy::run([&] { settings = options.settings(); }))
        return 1;
    Form1 form(settings);
    const StopSignals stop(&form);
    form.show();
    return app.exec();
}
