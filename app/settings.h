// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// What the window starts with: the message that the second and third buttons announce and
// write, the line speed that Connect sets, and the port box's initial text. A default-made one
// holds the build's defaults.
struct Settings {
    Settings();

    QString to;
    QString text;
    qint32 baud = 2400;
    QString port = QStringLiteral("5");
};

// One of the settings: its name, which is both its option (--to) and its key in the settings
// file, what --help says of it, and how its text is checked and kept.
struct Setting {
    QLatin1String name;
    // Both untranslated, in the context "Setting".
    const char *valueName;
    const char *description;
    // Keeps `value` in `settings`; the rule the value breaks, or an empty string once kept.
    QString (*set)(Settings &settings, const QString &value);
    // The value as set() takes it.
    QString (*get)(const Settings &settings);

    // The setting of that name, or none.
    static const Setting *named(QStringView name);
    // to, text, baud and port, in that order.
    static QStringList names();
};
