// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controlscript.h"

#include "controlline.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace ControlScript {

Script read(const QString &path, int modems) {
    // Asked of the name, before anything is opened: opening a FIFO would wait for a writer.
    const QFileInfo info(path);
    if (!info.exists())
        return {{},
                QCoreApplication::translate("modemsim",
                                            "Cannot read the script %1: there is no such file.")
                    .arg(path)};
    if (!info.isFile()) {
        return {{},
                QCoreApplication::translate(
                    "modemsim", "The script %1 is not a regular file; give a file of lines.")
                    .arg(path)};
    }
    if (info.size() > MaxBytes) {
        return {{},
                QCoreApplication::translate(
                    "modemsim", "The script %1 has %2 bytes, more than the %3 a script may have.")
                    .arg(path)
                    .arg(info.size())
                    .arg(MaxBytes)};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{},
                QCoreApplication::translate("modemsim", "Cannot read the script %1: %2")
                    .arg(path, file.errorString())};
    Script script;
    // One buffer for every line, one more byte than a line may hold, so that a longer one shows
    // as too long, unread.
    QByteArray buffer(MaxLineBytes + 2, Qt::Uninitialized);
    qint64 total = 0;
    for (int number = 1; !file.atEnd(); ++number) {
        const qint64 length = file.readLine(buffer.data(), buffer.size());
        const auto fault = [&](const QString &what) {
            return Script{{}, QStringLiteral("%1:%2: %3").arg(path).arg(number).arg(what)};
        };
        if (length < 0)
            return fault(file.errorString());
        total += length;
        // The file may have grown since it was measured.
        if (total > MaxBytes)
            return fault(
                QCoreApplication::translate("modemsim", "The script goes on past %1 bytes.")
                    .arg(MaxBytes));
        QByteArrayView line(buffer.constData(), length);
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.size() > MaxLineBytes)
            return fault(QCoreApplication::translate("modemsim", "A line is over %1 bytes.")
                             .arg(MaxLineBytes));
        if (line.endsWith('\r'))
            line.chop(1);
        const QString text = QString::fromUtf8(line);
        if (const QString error = ControlLine::parse(text, modems).error; !error.isEmpty())
            return fault(error);
        script.lines.append(text);
    }
    return script;
}

} // namespace ControlScript
