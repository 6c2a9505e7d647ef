// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

// The <err> values of +CME ERROR that this modem gives (3GPP TS 27.007, 9.2).
enum class CmeError {
    OperationNotAllowed = 3,
    OperationNotSupported = 4,
    SimPinRequired = 11,
    SimPukRequired = 12,
    SimFailure = 13,
    IncorrectPassword = 16,
    NoNetworkService = 30,
};

// The verbose form, for +CMEE=2.
inline QByteArray cmeErrorText(CmeError error) {
    switch (error) {
    case CmeError::OperationNotAllowed:
        return "operation not allowed";
    case CmeError::OperationNotSupported:
        return "operation not supported";
    case CmeError::SimPinRequired:
        return "SIM PIN required";
    case CmeError::SimPukRequired:
        return "SIM PUK required";
    case CmeError::SimFailure:
        return "SIM failure";
    case CmeError::IncorrectPassword:
        return "incorrect password";
    case CmeError::NoNetworkService:
        return "no network service";
    }
    return "unknown";
}
