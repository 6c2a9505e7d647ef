// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Octets of a service centre address and an SMS-SUBMIT, as a client sends them in hex after
// AT+CMGS, with the length it would announce. The decoder either refuses them with one of the
// causes a modem gives for a bad PDU, or gives a message within the limits of one: a destination
// of at most 20 digits, 160 characters of the GSM alphabet, 140 octets or 70 UCS2 characters, a
// header whose elements fill it exactly. It reads hex in either case alike. A message to the
// modem's own number comes back to it as an SMS-DELIVER, which must then be one too.

#include "smsdeliver.h"
#include "smssubmit.h"

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

bool headerIsWellFormed(const QByteArray &header) {
    qsizetype at = 0;
    while (at + 2 <= header.size())
        at += 2 + quint8(header.at(at + 1));
    return at == header.size();
}

// The user data length an SMS-DELIVER's hex gives, and the octets after it.
std::pair<int, qsizetype> userData(const QByteArray &hex) {
    const QByteArray octets = QByteArray::fromHex(hex);
    qsizetype at = 1 + quint8(octets.at(0));   // service centre
    at += 1;                                   // first octet
    at += 2 + (quint8(octets.at(at)) + 1) / 2; // originator
    at += 2 + 7;                               // PID, DCS, time stamp
    return {quint8(octets.at(at)), octets.size() - at - 1};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray octets(reinterpret_cast<const char *>(data), qsizetype(size));
    // The length a client announces is mostly right, so that the decoder gets past it.
    const int tpduLength = octets.isEmpty() ? 0 : int(octets.size()) - 1 - quint8(octets.at(0));
    const SmsSubmitDecoding decoding = decodeSmsSubmit(octets.toHex().toUpper(), tpduLength);
    const SmsSubmitDecoding lower = decodeSmsSubmit(octets.toHex(), tpduLength);
    check(lower.error == decoding.error && lower.message.text == decoding.message.text &&
          lower.message.data == decoding.message.data &&
          lower.message.destination == decoding.message.destination);

    if (decoding.error) {
        static const CmsError Causes[] = {CmsError::InvalidPduParameter, CmsError::TpduNotSupported,
                                          CmsError::ValidityPeriodNotSupported,
                                          CmsError::DataCodingSchemeNotSupported};
        check(std::find(std::begin(Causes), std::end(Causes), *decoding.error) != std::end(Causes));
        return 0;
    }
    const SmsSubmit &message = decoding.message;
    check(message.destination.size() <= 21 && message.serviceCentre.size() <= 21);
    check(headerIsWellFormed(message.userDataHeader));
    switch (message.coding) {
    case SmsCoding::Gsm7Bit:
        check(message.text.size() <= 160 && message.data.isEmpty());
        break;
    case SmsCoding::EightBit:
        check(message.data.size() <= 140 && message.text.isEmpty());
        break;
    case SmsCoding::Ucs2:
        check(message.text.size() <= 70 && message.data.isEmpty());
        break;
    }

    // As the modem returns a message sent to its own number.
    SmsDeliver returned;
    returned.serviceCentre = QStringLiteral("+447700900000");
    returned.originator = QStringLiteral("+447700900999");
    returned.protocolIdentifier = message.protocolIdentifier;
    returned.dataCodingScheme = message.dataCodingScheme;
    returned.timestamp = QDateTime(QDate(2026, 12, 8), QTime(15, 30), Qt::OffsetFromUTC, 3600);
    returned.userDataHeader = message.userDataHeader;
    returned.text = message.text;
    returned.data = message.data;
    const auto [length, userDataOctets] = userData(encodeSmsDeliver(returned));
    if (message.coding == SmsCoding::Gsm7Bit)
        check(length <= 160 && userDataOctets == (length * 7 + 7) / 8);
    else
        check(length <= 140 && userDataOctets == length);
    return 0;
}
