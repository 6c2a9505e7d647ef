// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    // Lets a Wayland desktop match the window to its desktop entry, and so show its icon; the
    // entry is named after the application's id.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.ModemPad"));
    Form1 form;
    form.show();
    return app.exec();
}
