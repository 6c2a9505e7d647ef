// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startoptions.h"

#include "commerror.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>

#include <algorithm>

StartOptions::StartOptions(QCommandLineParser &parser, const QStringList &names)
    : m_parser(parser)
    , m_names(names) {
    m_filePath = filePath();
    m_fileFault = checkFile(m_filePath);
    if (m_fileFault.isEmpty()) {
        const QSettings file(m_filePath, QSettings::IniFormat);
        if (file.status() != QSettings::NoError) {
            m_fileFault = QStringLiteral("The settings file %1 cannot be read: check that its "
                                         "lines are of the form key=value.")
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
        const QString where = inFile ? QStringLiteral(", from the settings file") : QString();
        parser.addOption(
            {name, QStringLiteral("%1 Default: %2%3.").arg(setting.description, shown, where),
             setting.valueName});
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
    const QString fault = QStringLiteral("The settings file %1 %2.");
    if (!info.isFile()) {
        return fault.arg(path, QStringLiteral("is not a regular file (a FIFO or a device, say), "
                                              "so it is not read: put a file in its place, or "
                                              "remove it"));
    }
    if (info.size() > MaxFileBytes) {
        return fault.arg(path,
                         QStringLiteral("has %1 bytes, more than the %2 any settings "
                                        "take, so it is not read: remove what is not settings")
                             .arg(info.size())
                             .arg(MaxFileBytes));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("The settings file %1 cannot be read: %2. Check that you may read "
                              "it.")
            .arg(path, file.errorString());
    }
    // QSettings would put U+FFFD in place of what is not UTF-8, changing the text unseen.
    const QByteArray bytes = file.read(MaxFileBytes + 1);
    const qsizetype bad = firstNonUtf8(bytes);
    if (bad < 0)
        return {};
    const qsizetype line = bytes.left(bad).count('\n') + 1;
    return fault.arg(path,
                     QStringLiteral("is not in UTF-8: its byte %1, on line %2, is 0x%3. "
                                    "Save it in UTF-8")
                         .arg(bad + 1)
                         .arg(line)
                         .arg(QString::fromLatin1(QByteArray(1, bytes.at(bad)).toHex().toUpper())));
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
        const QString broken = readValue(value, settings);
        if (!broken.isEmpty()) {
            return QStringLiteral("The settings file %1 %2. Correct or remove that line.")
                .arg(m_filePath, broken);
        }
    }
    return {};
}

QString StartOptions::readValue(const std::pair<QString, QVariant> &entry,
                                Settings &settings) const {
    const auto &[key, value] = entry;
    const Setting *setting = Setting::named(key);
    if (!setting) {
        return QStringLiteral("has the key \"%1\", which is not a setting: the settings are %2, "
                              "outside any [group]")
            .arg(key, Setting::names().join(QLatin1String(", ")));
    }
    if (!m_names.contains(key))
        return {};
    // INI takes a comma outside quotes to part the items of a list, and drops the blanks
    // around them: what was meant cannot be told.
    if (value.typeId() == QMetaType::QStringList) {
        return QStringLiteral("has a comma outside double quotes in the value of %1, which INI "
                              "reads as a list: put the whole value in double quotes")
            .arg(key);
    }
    const QString broken = setting->set(settings, value.toString());
    return broken.isEmpty() ? QString()
                            : QStringLiteral("has a bad value for %1: %2").arg(key, broken);
}
