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
    QMessageBox box(QMessageBox::Critical, QStringLiteral("ModemPad"),
                    QStringLiteral("Error %1\n\n%2").arg(error.number()).arg(error.description()),
                    QMessageBox::Ok, window);
    // The description can quote what the user typed; it must never be taken for markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
    QCoreApplication::exit(1);
}

} // namespace FailurePolicy
