// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The <err> values of +CMS ERROR (3GPP TS 27.005, 3.2.5), including the TP-Failure-Cause values
// of TS 23.040 9.2.3.22 that a service centre gives back for a message it refuses.
enum class CmsError {
    DataCodingSchemeNotSupported = 144,
    TpduNotSupported = 176,
    ValidityPeriodNotSupported = 199,
    OperationNotAllowed = 302,
    OperationNotSupported = 303,
    InvalidPduParameter = 304,
    InvalidTextParameter = 305,
    SimPinRequired = 311,
    SimFailure = 313,
    SimPukRequired = 316,
    InvalidMemoryIndex = 321,
    MemoryFull = 322,
    NoNetworkService = 331,
    NoAcknowledgementExpected = 340,
    UnknownError = 500,
};
