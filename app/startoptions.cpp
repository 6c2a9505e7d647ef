// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startoptions.h"

#include "commerror.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>

#include <algorithm>
#include <limits>

StartOptions::StartOptions(QCommandLineParser &parser, const QStringList &names)
    : m_parser(parser)
    , m_names(names) {
    m_filePath = filePath();
    m_fileFault = checkFile(m_filePath);
    if (m_fileFault.isEmpty()) {
        const QSettings file(m_filePath, QSettings::IniFormat);
        if (file.status() != QSettings::NoError) {
            m_fileFault = tr("The settings file %1 cannot be read: check that its lines are of "
                             "the form key=value.")
                              .arg(m_filePath);
        }
        for (const QString &key : file.allKeys())
            m_fileValues.append({key, file.value(key)});
    }

    const Settings built;
    for (const QString &name : names) {
        const Setting &setting = *Setting::named(name);
        Settings fromFile;
        const auto value = std::find_if(m_fileValues.cbegin(), m_fileValues.cend(),
                                        [&](const auto &entry) { return entry.first == name; });
        const bool inFile = value != m_fileValues.cend() && readValue(*value, fromFile).isEmpty();
        QString shown = setting.get(inFile ? fromFile : built);
        if (name == QLatin1String("text"))
            shown = QLatin1Char('"') + shown + QLatin1Char('"');
        //: An option's line in --help: %1 says what the option is, %2 is its default.
        const QString described = inFile ? tr("%1 Default: %2, from the settings file.")
                                         //: As above, a default that the build gave.
                                         : tr("%1 Default: %2.");
        parser.addOption(
            {name,
             described.arg(QCoreApplication::translate("Setting", setting.description), shown),
             QCoreApplication::translate("Setting", setting.valueName)});
    }
}

QString StartOptions::filePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/ModemPad/modempad.conf");
}

qsizetype StartOptions::firstNonUtf8(QByteArrayView bytes) {
    // Fed a byte at a time, the decoder gives a character once its last byte is in, and flags an
    // error once a byte cannot continue what came before: the fault starts where the last
    // character ended.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    qsizetype characterStart = 0;
    for (qsizetype at = 0; at < bytes.size(); ++at) {
        const QString decoded = decoder(bytes.sliced(at, 1));
        if (decoder.hasError())
            return characterStart;
        if (!decoded.isEmpty())
            characterStart = at + 1;
    }
    // A character cut off by the end.
    return characterStart < bytes.size() ? characterStart : -1;
}

QString StartOptions::checkFile(const QString &path) {
    // Asked of the name, not the file: opening a FIFO for reading waits for a writer, for ever.
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    if (!info.isFile()) {
        return tr("The settings file %1 is not a regular file (a FIFO or a device, say), so it is "
                  "not read: put a file in its place, or remove it.")
            .arg(path);
    }
    if (info.size() > MaxFileBytes) {
        // A file beyond 2 GiB is said to have 2 GiB: still far more than any settings take.
        const int size = int(std::min<qint64>(info.size(), std::numeric_limits<int>::max()));
        return tr("The settings file %1 has %n byte(s), more than the %2 any settings take, so "
                  "it is not read: remove what is not settings.",
                  nullptr, size)
            .arg(path, QString::number(MaxFileBytes));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        //: %2 is the system's reason, such as "Permission denied".
        return tr("The settings file %1 cannot be read: %2. Check that you may read it.")
            .arg(path, file.errorString());
    }
    // QSettings would put U+FFFD in place of what is not UTF-8, changing the text unseen.
    const QByteArray bytes = file.read(MaxFileBytes + 1);
    const qsizetype bad = firstNonUtf8(bytes);
    if (bad < 0)
        return {};
    const qsizetype line = bytes.left(bad).count('\n') + 1;
    //: %2 counts bytes from 1, %3 is the line the byte is on, %4 the byte in hexadecimal.
    return tr("The settings file %1 is not in UTF-8: its byte %2, on line %3, is 0x%4. Save it "
              "in UTF-8.")
        .arg(path, QString::number(bad + 1), QString::number(line),
             QString::fromLatin1(QByteArray(1, bytes.at(bad)).toHex().toUpper()));
}

QString StartOptions::commandLineFault() const {
    for (const QString &name : m_names) {
        Settings scratch;
        const QString broken = m_parser.isSet(name)
                                   ? Setting::named(name)->set(scratch, m_parser.value(name))
                                   : QString();
        if (!broken.isEmpty())
            return QStringLiteral("--%1: %2").arg(name, broken);
    }
    return {};
}

QString StartOptions::fileFault() const {
    Settings scratch;
    return readFile(scratch);
}

Settings StartOptions::settings() const {
    Settings settings;
    const QString fault = readFile(settings);
    if (!fault.isEmpty())
        throw CommError(CommError::BadSetting, fault);
    for (const QString &name : m_names) {
        if (m_parser.isSet(name))
            Setting::named(name)->set(settings, m_parser.value(name));
    }
    return settings;
}

QString StartOptions::readFile(Settings &settings) const {
    if (!m_fileFault.isEmpty())
        return m_fileFault;
    for (const auto &value : m_fileValues) {
        // The command line wins, even over a value that would be refused.
        if (m_names.contains(value.first) && m_parser.isSet(value.first))
            continue;
        if (QString broken = readValue(value, settings); !broken.isEmpty())
            return broken;
    }
    return {};
}

QString StartOptions::readValue(const std::pair<QString, QVariant> &entry,
                                Settings &settings) const {
    const auto &[key, value] = entry;
    const Setting *setting = Setting::named(key);
    if (!setting) {
        //: %3 lists the keys, which stay in English: to, text, baud, port.
        return tr("The settings file %1 has the key \"%2\", which is not a setting: the settings "
                  "are %3, outside any [group]. Correct or remove that line.")
            .arg(m_filePath, key, Setting::names().join(QLatin1String(", ")));
    }
    if (!m_names.contains(key))
        return {};
    // INI takes a comma outside quotes to part the items of a list, and drops the blanks
    // around them: what was meant cannot be told.
    if (value.typeId() == QMetaType::QStringList) {
        return tr("The settings file %1 has a comma outside double quotes in the value of %2, "
                  "which INI reads as a list: put the whole value in double quotes. Correct or "
                  "remove that line.")
            .arg(m_filePath, key);
    }
    const QString broken = setting->set(settings, value.toString());
    //: %2 is the key; %3 is the rule its value breaks, such as "\"x\" is not a line speed: a
    //: whole number of bits per second, such as 9600 or 115200".
    return broken.isEmpty() ? QString()
                            : tr("The settings file %1 has a bad value for %2: %3. Correct or "
                                 "remove that line.")
                                  .arg(m_filePath, key, broken);
}
