// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modemcommands.h"

QByteArray ModemCommand::bytes() const {
    QByteArray line(text.data(), qsizetype(text.size()));
    line.append(terminator.data(), qsizetype(terminator.size()));
    return line;
}

QString ModemCommand::description() const {
    return QStringLiteral("Writes \"%1\" followed by %2")
        .arg(QLatin1String(text.data(), qsizetype(text.size())),
             QLatin1String(terminatorName.data(), qsizetype(terminatorName.size())));
}
