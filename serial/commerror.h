// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

// The one error the program raises: anything that cannot be done, with a stable number the user
// can quote and a description that says what went wrong and, where possible, what to do.
class CommError : public std::exception {
public:
    // Numbers are ours and never change; the README lists them.
    enum Number {
        PortNumberNotNumeric = 1,
        PortNumberOutOfRange = 2,
        InvalidPortNumber = 3,
        NoSuchPort = 4,
        PortInUse = 5,
        PermissionDenied = 6,
        PortAlreadyOpen = 7,
        PortNotOpen = 8,
        InvalidSettings = 9,
        SettingRefused = 10,
        DeviceLost = 11,
        WriteFailed = 12,
        OpenFailed = 13,
        BadSetting = 14,
        StaleLock = 15,
    };

    CommError(Number number, const QString &description);

    int number() const { return m_number; }
    QString description() const { return m_description; }
    const char *what() const noexcept override { return m_what.constData(); }

private:
    Number m_number;
    QString m_description;
    QByteArray m_what;
};
