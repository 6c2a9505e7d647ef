// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "networkstate.h"

#include <QString>

#include <chrono>
#include <optional>
#include <variant>

// What one line of the control language asks for: the lines that play the network, the SIM and
// the modem's faults to a simulated modem, from standard input or a script.
namespace Control {

using Duration = std::chrono::milliseconds;

struct Sms {
    QString number;
    QString text;
    bool operator==(const Sms &) const = default;
};
// Locks the SIM with this PIN, as after a restart; an empty code turns the PIN off.
struct Pin {
    QString code;
    bool operator==(const Pin &) const = default;
};
// Decides the status report a message asked for: its reference and TP-Status, 0 delivered.
struct Report {
    int reference = 0;
    int status = 0;
    bool operator==(const Report &) const = default;
};
struct Network {
    NetworkState state = NetworkState::Home;
    bool operator==(const Network &) const = default;
};
// +CSQ's <rssi>: 0 to 31, or 99 for none measured.
struct Signal {
    int quality = 0;
    bool operator==(const Signal &) const = default;
};
// The next count sends fail with +CMS ERROR: cause; a count of 0 ends that.
struct Reject {
    int cause = 0;
    int count = 1;
    bool operator==(const Reject &) const = default;
};
struct Storage {
    bool full = false;
    bool operator==(const Storage &) const = default;
};
// Every answer waits this long first.
struct Delay {
    Duration duration{0};
    bool operator==(const Delay &) const = default;
};
struct Restart {
    Duration quiet{0};
    bool operator==(const Restart &) const = default;
};
// What the network answers a USSD code with.
struct Ussd {
    QString code;
    QString text;
    bool operator==(const Ussd &) const = default;
};
// The next line waits this long.
struct Wait {
    Duration duration{0};
    bool operator==(const Wait &) const = default;
};
struct Help {
    bool operator==(const Help &) const = default;
};

using Command = std::variant<Sms, Pin, Report, Network, Signal, Reject, Storage, Delay, Restart,
                             Ussd, Wait, Help>;

} // namespace Control

// The control language, parsed from one table of its lines, which also gives the help and the
// messages for lines that are not understood.
class ControlLine {
public:
    // What a line asks for, or why it cannot be taken; neither for a blank line or a comment,
    // a line that starts with "#".
    struct Parsed {
        std::optional<Control::Command> command;
        QString error;
        // The modem it is for, from 1, named by "@N" before the line, or AllModems for "@all";
        // modem 1 when it names none.
        int modem = 1;
    };
    static constexpr int AllModems = 0;

    // modems: how many there are for a line to name.
    static Parsed parse(const QString &line, int modems = 1);

    // Every line with its arguments and what it does, one to a line.
    static QString help();

    // "500ms" or "2s", at most a day; a bare number counts milliseconds only where allowed.
    static std::optional<Control::Duration> duration(const QString &text, bool bareMilliseconds);
};
