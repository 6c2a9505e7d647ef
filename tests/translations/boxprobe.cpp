// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A Qt input plugin that works the real modempad from inside, as a user would, so that a test
// reads what the unchanged program shows: once the window shows it presses Connect, and when a
// message box shows it prints the box's title, text and buttons to standard output and presses
// its default button. QGuiApplication loads it where QT_QPA_GENERIC_PLUGINS names it.

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QGenericPlugin>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

class BoxProbe : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::Show)
            return false;
        if (auto *box = qobject_cast<QMessageBox *>(watched)) {
            QStringList buttons;
            for (QAbstractButton *button : box->buttons())
                buttons << button->text();
            const QStringList shown{box->windowTitle(), box->text(), buttons.join(u' ')};
            std::fputs(shown.join(u'\n').toUtf8().constData(), stdout);
            QTimer::singleShot(0, box, &QMessageBox::accept);
        } else if (auto *connect = watched->findChild<QPushButton *>(QStringLiteral("Connect"))) {
            QTimer::singleShot(0, connect, &QPushButton::click);
        }
        return false;
    }
};

} // namespace

class BoxProbePlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "boxprobe.json")

public:
    QObject *create(const QString &, const QString &) override {
        auto *probe = new BoxProbe;
        QCoreApplication::instance()->installEventFilter(probe);
        return probe;
    }
};

#include "boxprobe.moc"
