// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "failurepolicy.h"

#include "commcontrol.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace FailurePolicy {

void apply(QWidget *window, CommControl *port, const CommError &error) {
    if (port)
        port->setPortOpen(false);
    //: The message box after a failure: %1 is the error's number, %2 says what went wrong and
    //: what to do.
    const QString text = QCoreApplication::translate("FailurePolicy", "Error %1\n\n%2");
    QMessageBox box(QMessageBox::Critical, QStringLiteral("ModemPad"),
                    text.arg(QString::number(error.number()), error.description()), QMessageBox::Ok,
                    window);
    // The description can quote what the user typed; it must never be taken for markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
    QCoreApplication::exit(1);
}

} // namespace FailurePolicy
