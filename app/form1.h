// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "modemcommands.h"
#include "settings.h"

#include <QWidget>

class CommControl;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The one window: the port box, Connect, the four send buttons and the receive log, with the
// serial port it owns for its whole life.
class Form1 : public QWidget {
    Q_OBJECT

public:
    // Without settings, the build's defaults.
    explicit Form1(const Settings &settings = Settings(), QWidget *parent = nullptr);

    // The port the window owns: the hook by which the demo and the tests map port numbers to
    // the devices they made.
    CommControl &port() const { return *Comm1; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // The controls and their handlers keep the names the window's design gives them, the names
    // its users and its documentation know them by.
    void Connect_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Comm1_OnComm();
    void Form_Unload(qint16 &cancel);

    // Runs a handler under the failure policy; each event of the window reaches its handler so.
    template<void (Form1::*Handler)()> void dispatch();

    void placeControls();
    void describePorts();
    bool eventFilter(QObject *watched, QEvent *event) override;

    QLabel *Label1;
    QLineEdit *txtPort;
    QPushButton *Connect;
    QPlainTextEdit *Text1;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
    QPushButton *Command4;
    CommControl *Comm1;

    // What the second and third buttons write, and the line settings Connect sets.
    const ModemCommands::MessageCommands m_message;
    const QString m_lineSettings;
};
