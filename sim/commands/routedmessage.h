// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "smsdeliver.h"

#include <QDateTime>
#include <QString>

#include <optional>

// A message the service centre took from one modem for another modem of its network: the
// SMS-DELIVER the recipient gets, and what the sender's status report needs to be decided.
struct RoutedMessage {
    QString recipient;
    SmsDeliver message;
    // The sender's message reference, which its status report names.
    int reference = 0;
    bool reportRequested = false;
    // Past this the network gives up on a message the recipient could not take; none: it
    // keeps it for as long as it keeps anything.
    std::optional<QDateTime> validUntil;
};
