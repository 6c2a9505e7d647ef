// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

#include <atomic>
#include <memory>
#include <thread>

class PseudoTerminal;

// Writes into the far end of a line from a thread of its own, as fast as the line carries it,
// so that the window reading the near end keeps its event loop.
class LineWriter {
public:
    LineWriter(PseudoTerminal &line, const QByteArray &data);
    // Waits for the writing to end if it has; otherwise leaves it blocked on the full line, to
    // end with the line or the process, rather than hang the test that failed.
    ~LineWriter();

    bool isDone() const { return m_state->done; }
    // Every byte went into the line.
    bool succeeded() const { return m_state->succeeded; }

private:
    struct State {
        std::atomic<bool> done = false;
        std::atomic<bool> succeeded = false;
    };
    std::shared_ptr<State> m_state = std::make_shared<State>();
    std::thread m_thread;
};
