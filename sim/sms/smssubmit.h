// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cmserror.h"
#include "datacodingscheme.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <chrono>
#include <optional>

// An SMS-SUBMIT as the modem takes it from AT+CMGS in PDU mode (3GPP TS 23.040, 9.2.2.2), with
// its user data decoded by the data coding scheme (TS 23.038, 4).
struct SmsSubmit {
    using Coding = SmsCoding;
    enum class ValidityFormat { None, Relative, Enhanced, Absolute };

    // Empty when the PDU leaves the choice to the modem's +CSCA setting.
    QString serviceCentre;
    int messageReference = 0;
    bool rejectDuplicates = false;
    bool statusReportRequest = false;
    bool replyPath = false;

    // Starts with "+" for an international number.
    QString destination;
    int destinationType = 0;

    int protocolIdentifier = 0;
    int dataCodingScheme = 0;
    Coding coding = Coding::Gsm7Bit;
    std::optional<int> messageClass;

    ValidityFormat validityFormat = ValidityFormat::None;
    // The Relative and Enhanced forms; an Enhanced one that says there is no period is None.
    std::chrono::seconds validityPeriod{0};
    bool singleShot = false;
    // The Absolute form, in the sender's time zone.
    QDateTime validUntil;

    // Without the header's length octet; empty when the message has none.
    QByteArray userDataHeader;
    // GSM 7-bit and UCS2 user data.
    QString text;
    // 8-bit user data.
    QByteArray data;
};

struct SmsSubmitDecoding {
    SmsSubmit message;
    std::optional<CmsError> error;
};

// Decodes what a terminal sends after the "> " prompt: hex digits of the service centre address
// and the TPDU, whose length in octets must be tpduLength, the <length> given to AT+CMGS.
SmsSubmitDecoding decodeSmsSubmit(const QByteArray &hex, int tpduLength);
