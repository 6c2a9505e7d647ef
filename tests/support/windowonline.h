// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "commcontrol.h"
#include "form1.h"
#include "pseudoterminal.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

// The window with a pseudo-terminal behind port 5, the number its port box starts with: what
// the window writes arrives at `modem`, and what `modem` writes reaches the window.
struct WindowOnLine {
    PseudoTerminal modem;
    Form1 form;
    CommControl *comm = &form.port();
    QPlainTextEdit *log = form.findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
    QLineEdit *port = form.findChild<QLineEdit *>(QStringLiteral("txtPort"));

    WindowOnLine() {
        comm->mapPort(5, modem.devicePath());
        form.show();
    }

    QPushButton *button(const QString &name) const { return form.findChild<QPushButton *>(name); }
    void press(const QString &name) const { QTest::mouseClick(button(name), Qt::LeftButton); }
};
