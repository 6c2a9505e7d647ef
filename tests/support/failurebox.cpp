// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "failurebox.h"

#include <QAccessible>
#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>

namespace {

QStringList accessibleTexts(QAccessibleInterface *node) {
    QStringList texts{node->text(QAccessible::Name), node->text(QAccessible::Value)};
    for (int i = 0; i < node->childCount(); ++i)
        texts += accessibleTexts(node->child(i));
    return texts;
}

} // namespace

namespace LineTest {

Failure runUntilExit(const std::function<void()> &action, int timeoutMs) {
    Failure failure;
    QTimer dismisser;
    QObject::connect(&dismisser, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            failure.message = box->text();
            failure.readAloud = accessibleTexts(QAccessible::queryAccessibleInterface(box));
            box->accept();
        }
    });
    dismisser.start(10);
    QEventLoop loop;
    QTimer::singleShot(timeoutMs, &loop, [&] { loop.exit(-1); });
    QTimer::singleShot(0, &loop, action);
    failure.exitStatus = loop.exec();

    // After QCoreApplication::exit every event loop of the thread returns at once until the
    // application's own loop has run and ended; let it, so that the next test starts afresh.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    return failure;
}

} // namespace LineTest
