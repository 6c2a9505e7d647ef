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
//
// Programs may open and close the device one after another. On Linux this side sees them come
// and go: what is sent while none has the device open is lost, as on a cable with nobody at the
// end, and each leaving is signalled. Elsewhere the line never hangs up.
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

    // Blocks until every byte is in the kernel, for a writer that has nothing else to do; false
    // once the line is gone.
    bool write(const QByteArray &data);

    // Queues data and returns at once; it goes out as fast as the program at the other end
    // reads. While more than a few kilobytes wait, the program's input is left unread, so that
    // a program that writes without reading is held back as a modem holds it with CTS.
    void send(const QByteArray &data);
    // What send() has queued that the kernel has not taken yet.
    qsizetype queued() const { return m_outgoing.size(); }

    // What the program wrote that readyRead announced.
    QByteArray readAll();

    LineSettings lineSettings() const;

    // Hangs the line up, as unplugging a device does to the program holding it.
    void close();

signals:
    void readyRead();
    // The program that had the device open closed it, after readyRead for what it wrote last
    // and before readyRead for anything the next program writes. What it had not read, queued
    // or in the kernel, is gone, and any lock it left on the device is lifted, so that the next
    // program to open the device starts afresh.
    void hungUp();
    // Some of what send() queued went out.
    void sent();

private:
    // Programs' comings and goings since they were last read, in the order that matters: closes
    // before the last open, an open, closes after it (or any, if none opened).
    struct Comings {
        bool leftBefore = false;
        bool came = false;
        bool leftAfter = false;
    };

    void takeInput();
    Comings readComings();
    void hangUp();
    void writeQueued();
    void updateReading();

    int m_master = -1;
    // Held open so that the master never reads a hang-up between programs, and so that this side
    // can still reach the device once a program has locked it for its own use.
    int m_slave = -1;
    // Tells of programs opening and closing the device.
    int m_watch = -1;
    bool m_programPresent = true;
    QByteArray m_incoming;
    QByteArray m_outgoing;
    QString m_devicePath;
    QString m_error;
    QSocketNotifier *m_reader = nullptr;
    QSocketNotifier *m_writer = nullptr;
    QSocketNotifier *m_watcher = nullptr;
};
