// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pseudoterminal.h"

bool PseudoTerminal::isSupported() {
    return false;
}

PseudoTerminal::PseudoTerminal(QObject *parent)
    : QObject(parent)
    , m_error(QStringLiteral("This system has no pseudo-terminals.")) {}

PseudoTerminal::~PseudoTerminal() = default;

bool PseudoTerminal::write(const QByteArray &) {
    return false;
}

void PseudoTerminal::send(const QByteArray &) {}

QByteArray PseudoTerminal::readAll() {
    return {};
}

PseudoTerminal::LineSettings PseudoTerminal::lineSettings() const {
    return {};
}

void PseudoTerminal::close() {}
