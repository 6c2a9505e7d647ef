// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linewriter.h"

#include "pseudoterminal.h"

LineWriter::LineWriter(PseudoTerminal &line, const QByteArray &data)
    : m_thread([state = m_state, &line, data] {
        state->succeeded = line.write(data);
        state->done = true;
    }) {}

LineWriter::~LineWriter() {
    if (m_state->done)
        m_thread.join();
    else
        m_thread.detach();
}
