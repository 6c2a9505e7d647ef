// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
#include <QString>

class QFont;
class QPlainTextEdit;

// The log of what the modem sends, kept as the text of a text box.
namespace ReceiveLog {

// How control bytes other than CR and LF show: as their Unicode control pictures (NUL as
// U+2400, Ctrl-Z as U+241A, DEL as U+2421), or as their hexadecimal value in angle brackets,
// U+27E8 1A U+27E9, as bytes from 0x80 up always show.
enum class Controls { Pictures, Hexadecimal };

// Pictures where the font, or a font Qt falls back on, draws all of U+2400 to U+2421; a system
// may have none that does, and every missing glyph draws as the same empty box.
Controls controlsIn(const QFont &font);

// Every received byte made visible: printable ASCII as itself; a CR LF pair, a lone CR and a
// lone LF each as one line break; other control bytes as `controls` says; bytes from 0x80 up as
// their hexadecimal value in angle brackets, U+27E8 E9 U+27E9.
QString toText(QByteArrayView data, Controls controls = Controls::Pictures);

// Adds one blank and the data, as text in the form the log's font draws, after whatever the log
// holds now. The view follows the end unless the user has scrolled back.
void append(QPlainTextEdit &log, QByteArrayView data);

} // namespace ReceiveLog
