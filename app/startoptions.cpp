// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startoptions.h"

#include "commerror.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

StartOptions::StartOptions(QCommandLineParser &parser, const QStringList &names)
    : m_parser(parser)
    , m_names(names) {
    const QSettings file(filePath(), QSettings::IniFormat);
    m_filePath = file.fileName();
    m_fileReadable = file.status() == QSettings::NoError;
    for (const QString &key : file.allKeys())
        m_fileValues.append({key, file.value(key)});

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
    if (!m_fileReadable) {
        return tr("The settings file %1 cannot be read: check that you may read it and that its "
                  "lines are of the form key=value.")
            .arg(m_filePath);
    }
    for (const auto &value : m_fileValues) {
        // The command line wins, even over a value that would be refused.
        if (m_names.contains(value.first) && m_parser.isSet(value.first))
            continue;
        if (const QString broken = readValue(value, settings); !broken.isEmpty())
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
