// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMap>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QStringList>

#include <optional>

// The serial port as the program sees it: a handful of properties that take effect as they are
// set, a write-only Output, a read-once Input and one OnComm notification whose kind CommEvent
// tells. Everything that cannot be done throws CommError.
class CommControl : public QObject {
    Q_OBJECT

public:
    enum Handshaking { comNone = 0, comXOnXoff = 1, comRTS = 2 };
    enum InputMode { comInputModeText = 0, comInputModeBinary = 1 };
    enum CommEvent : qint16 {
        comEvSend = 1,
        comEvReceive = 2,
        // The device went away while open (unplugged; the far end of a pty closed).
        comEventDeviceLost = 1100,
    };

    explicit CommControl(QObject *parent = nullptr);
    ~CommControl() override;

    // Port n is the n-th device of the system's numbering (PortLookup), unless mapPort() puts
    // another there. Setting it drops a device path set before.
    qint16 commPort() const { return m_commPort; }
    void setCommPort(qint16 number);

    // A device named by its path, such as /dev/ttyUSB2 or COM3, opened in place of port
    // CommPort until CommPort is set again; empty when CommPort names the port.
    QString devicePath() const { return m_devicePath; }
    void setDevicePath(const QString &path);

    // The port as the user names it, a number or a device's path as typed, until CommPort or a
    // device path is set: a use of the port before any is opened names the port the user
    // means, not the CommPort nobody chose.
    void setPortText(const QString &text) { m_portText = text; }

    // "baud,parity,data bits,stop bits", e.g. "2400,n,8,1"; parity is one of n, e, o, m, s.
    QString settings() const { return m_settings; }
    void setSettings(const QString &settings);

    Handshaking handshaking() const { return m_handshaking; }
    void setHandshaking(Handshaking handshaking);

    bool rtsEnable() const { return m_rtsEnable; }
    void setRTSEnable(bool enable);
    bool dtrEnable() const { return m_dtrEnable; }
    void setDTREnable(bool enable);

    // OnComm(comEvReceive) comes once at least this many bytes wait; 0 turns it off.
    qint16 rThreshold() const { return m_rThreshold; }
    void setRThreshold(qint16 bytes) { m_rThreshold = bytes; }
    // OnComm(comEvSend) comes once fewer than this many bytes wait to go out; 0 turns it off.
    qint16 sThreshold() const { return m_sThreshold; }
    void setSThreshold(qint16 bytes) { m_sThreshold = bytes; }

    // Input hands over raw bytes in either mode: nothing between the line and the caller
    // translates them.
    InputMode inputMode() const { return m_inputMode; }
    void setInputMode(InputMode mode) { m_inputMode = mode; }
    // The most bytes one read of Input takes; 0 takes all that wait.
    qint16 inputLen() const { return m_inputLen; }
    void setInputLen(qint16 bytes) { m_inputLen = bytes; }

    bool portOpen() const { return m_port.isOpen(); }
    // Closing a port that is not open does nothing.
    void setPortOpen(bool open);

    void setOutput(const QByteArray &data);
    QByteArray input();

    // The kind of notification being handled; meaningful only inside OnComm.
    qint16 commEvent() const { return m_commEvent; }

    // Puts a device of our choosing behind a port number, ahead of the system's numbering.
    void mapPort(qint16 number, const QString &device);
    // Every port number that names a device now, with that device, as the user is shown them:
    // "5 = /dev/ttyUSB0".
    QStringList ports() const;

signals:
    void OnComm();

private:
    struct LineSettings {
        qint32 baudRate = 9600;
        QSerialPort::Parity parity = QSerialPort::NoParity;
        QSerialPort::DataBits dataBits = QSerialPort::Data8;
        QSerialPort::StopBits stopBits = QSerialPort::OneStop;
    };
    static LineSettings parseSettings(const QString &settings);

    void open();
    void close();
    QString device() const;
    QString deviceOf(qint16 number) const;
    // How descriptions name the port: "5 (/dev/ttyUSB0)" for a number, the path for a path.
    QString portName(const QString &device) const;
    // How a port not yet opened is named: as the user named it, else by CommPort or the device
    // path; a number with the device behind it, as portName() does.
    QString namedPort() const;
    void requireOpen() const;
    void requireClosed() const;
    [[noreturn]] void throwOpenFailure() const;
    // The device is there and may be used, but its lock could not be taken.
    [[noreturn]] void throwLockFailure() const;
    void applyLineSettings();
    void applyModemLines();
    void notify(CommEvent event);
    void portFailed(QSerialPort::SerialPortError error);

    QSerialPort m_port;
    QMap<qint16, QString> m_mappedPorts;
    QString m_devicePath;
    QString m_lostDevice;
    std::optional<QString> m_portText;

    qint16 m_commPort = 1;
    QString m_settings = QStringLiteral("9600,n,8,1");
    LineSettings m_line;
    Handshaking m_handshaking = comNone;
    bool m_rtsEnable = false;
    bool m_dtrEnable = false;
    qint16 m_rThreshold = 0;
    qint16 m_sThreshold = 0;
    InputMode m_inputMode = comInputModeText;
    qint16 m_inputLen = 0;
    qint16 m_commEvent = 0;
};
