// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commerror.h"

CommError::CommError(Number number, const QString &description)
    : m_number(number)
    , m_description(description)
    , m_what(description.toUtf8()) {}
