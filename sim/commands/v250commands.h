// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "commandtable.h"

#include <functional>

struct Identity;

// What the V.250 commands set: how the modem echoes, edits and frames a command line.
struct V250Settings {
    bool echo = true;    // E
    bool quiet = false;  // Q: no result codes at all
    bool verbose = true; // V: result codes as words, not numbers
    int dcdMode = 1;     // &C
    // &D: what DTR going off, here the program closing the line, does: 0 nothing, 1 and 2
    // drop what is half typed.
    int dtrMode = 2;
    // X: which result codes a call's progress gives; 4, all of them, as most modems start.
    int resultCodes = 4;
    int autoAnswerRings = 0; // S0
    int lineEnd = '\r';      // S3
    int responseEnd = '\n';  // S4
    int backspace = '\b';    // S5
    int connectionWait = 60; // S7, in seconds
    // +IFC: local flow control, of the modem by the terminal and of the terminal by the modem;
    // 2 is RTS and CTS. A pseudo-terminal has no lines to pace, so it is only kept.
    int flowControlByTerminal = 2;
    int flowControlByModem = 2;
};

// The basic commands and identification of ITU-T V.250.
class V250Commands {
public:
    // Z and &F restore every setting of the modem through restoreAll.
    V250Commands(std::function<void()> restoreAll, const Identity &identity);
    // The table's handlers refer to the settings in place.
    Q_DISABLE_COPY_MOVE(V250Commands)

    void addTo(CommandTable &table);
    const V250Settings &settings() const { return m_settings; }
    void restoreDefaults() { m_settings = {}; }

private:
    AtResponse restore(const AtCommand &command);
    AtResponse dial(const AtCommand &command) const;
    AtResponse hangUp(const AtCommand &command) const;
    AtResponse profile(const AtCommand &command) const;
    AtResponse identification(const AtCommand &command) const;
    AtResponse setFlowControl(const AtCommand &command);
    AtResponse readFlowControl(const AtCommand &command) const;

    V250Settings m_settings;
    std::function<void()> m_restoreAll;
    const Identity &m_identity;
};
