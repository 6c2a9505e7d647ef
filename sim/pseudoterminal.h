// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

// The far end of a serial line: a pseudo-terminal whose slave side a serial port program opens
// as if it were a device, while this object reads and writes the master side. This is the one
// place that knows POSIX: on Windows there are no pseudo-terminals, none ever opens, and what
// needs one is skipped.
class PseudoTerminal : public QObject {
    Q_OBJECT

public:
    // The line as the program at the other end has set it.
    struct LineSettings {
        qint32 baudRate = 0;
        int dataBits = 0;
        bool parity = false;
        bool twoStopBits = false;
        bool rtsCts = false;
    };

    // Whether this system has pseudo-terminals at all.
    static bool isSupported();

    explicit PseudoTerminal(QObject *parent = nullptr);
    ~PseudoTerminal() override;

    bool isOpen() const { return m_master >= 0; }
    QString errorString() const { return m_error; }

    // The device path a program opens, e.g. /dev/pts/3.
    QString devicePath() const { return m_devicePath; }

    // Blocks until every byte is in the kernel; false once the line is gone.
    bool write(const QByteArray &data);
    QByteArray readAll();

    LineSettings lineSettings() const;

    // Hangs the line up, as unplugging a device does to the program holding it.
    void close();

signals:
    void readyRead();

private:
    int m_master = -1;
    // Held open so that the master never reads a hang-up while no program has the device open.
    int m_slave = -1;
    QString m_devicePath;
    QString m_error;
    QSocketNotifier *m_notifier = nullptr;
};
