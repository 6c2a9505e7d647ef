#include "receivelog.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>

namespace ReceiveLog {

QString toText(QByteArrayView data) {
    QString text;
    text.reserve(data.size());
    for (qsizetype i = 0; i < data.size(); ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        if (byte == '\r' || byte == '\n') {
            text += QLatin1Char('\n');
            if (byte == '\r' && i + 1 < data.size() && data[i + 1] == '\n')
                ++i;
        } else if (byte < 0x20) {
            text += QChar(0x2400 + byte);
        } else if (byte < 0x7F) {
            text += QLatin1Char(char(byte));
        } else if (byte == 0x7F) {
            text += QChar(0x2421);
        } else {
            text += QChar(0x27E8);
            text += QString::number(byte, 16).toUpper();
            text += QChar(0x27E9);
        }
    }
    return text;
}

void append(QPlainTextEdit &log, QByteArrayView data) {
    QScrollBar *bar = log.verticalScrollBar();
    const bool following = bar->value() == bar->maximum();
    // A cursor of our own: the user's cursor and selection in the box stay where they are.
    QTextCursor end(log.document());
    end.movePosition(QTextCursor::End);
    end.insertText(QLatin1Char(' ') + toText(data));
    if (following)
        bar->setValue(bar->maximum());
}

} // namespace ReceiveLog
