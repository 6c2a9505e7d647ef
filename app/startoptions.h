// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <utility>

class QCommandLineParser;

// The settings a program starts with: the build's defaults, over them the settings file, and
// over that the command line. Usable before any QApplication exists, so that a program with no
// display can still answer its command line.
class StartOptions {
    Q_DECLARE_TR_FUNCTIONS(StartOptions)

public:
    // Makes the settings named in `names` options of `parser`, each described with the default
    // in force: the file's value where it has a good one, else the build's.
    StartOptions(QCommandLineParser &parser, const QStringList &names);

    // ~/.config/ModemPad/modempad.conf on Linux: INI, the settings as keys outside any group.
    static QString filePath();
    // Far more than the four settings need: a bigger file is no settings file.
    static constexpr qint64 MaxFileBytes = 64 * 1024;

    // Where the first byte is that does not belong to UTF-8, counted from 0; -1 when all do.
    static qsizetype firstNonUtf8(QByteArrayView bytes);

    // Once the parser has parsed: the first option whose value breaks its rule, named with the
    // rule; empty when there is none.
    QString commandLineFault() const;
    // The first key of the settings file that is no setting, or whose value breaks its rule,
    // named with the file and the rule; empty when there is none. A setting given on the command
    // line is not read from the file, nor one this program does not take.
    QString fileFault() const;
    // The settings in force; a fault of the file throws CommError (BadSetting).
    Settings settings() const;

private:
    // Takes the file's values into `settings`, as far as the first fault, which it returns.
    QString readFile(Settings &settings) const;
    QString readValue(const std::pair<QString, QVariant> &entry, Settings &settings) const;
    // Why the file cannot be read faithfully, if so, found before QSettings reads it.
    static QString checkFile(const QString &path);

    const QCommandLineParser &m_parser;
    QStringList m_names;
    // The file as it was when the program started: read once, so that what --help shows, what
    // is checked and what is used are the same.
    QString m_filePath;
    // Why the file as a whole cannot be taken; empty when it can, or when there is none.
    QString m_fileFault;
    QList<std::pair<QString, QVariant>> m_fileValues;
};
