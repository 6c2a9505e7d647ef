// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Octets of a service centre address and an SMS-SUBMIT, as a client sends them in hex after
// AT+CMGS, with the length it would announce. The decoder either refuses them with one of the
// causes a modem gives for a bad PDU, or gives a message within the limits of one: a destination
// of at most 20 digits, 160 characters of the GSM alphabet, 140 octets or 70 UCS2 characters, a
// header taken from where TS 23.040 puts it, whose elements fill it exactly, and 8-bit data or
// UCS2 text that the encoder turns back into the octets it came from. It reads hex in either
// case alike. A message to the modem's own number comes back to it as an SMS-DELIVER, which
// must then be one too.

#include "pduencoding.h"
#include "smsdeliver.h"
#include "smssubmit.h"

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

quint8 octetAt(QByteArrayView octets, qsizetype index) {
    check(index >= 0 && index < octets.size());
    return quint8(octets.at(index));
}

// Where TP-User-Data-Length is in an SMS-SUBMIT, counted from its octets as TS 23.040 9.2.2.2
// lays them out: service centre, first octet, reference, destination, PID, DCS, validity period.
qsizetype userDataAt(QByteArrayView octets) {
    static const int ValidityOctets[] = {0, 7, 1, 7};
    const qsizetype first = 1 + octetAt(octets, 0);
    const qsizetype destination = first + 2;
    const qsizetype protocol = destination + 2 + (octetAt(octets, destination) + 1) / 2;
    return protocol + 2 + ValidityOctets[(octetAt(octets, first) >> 3) & 0x03];
}

// Information elements, each an identifier, a length and that many octets, one after another.
bool splitsIntoElements(QByteArrayView header) {
    while (!header.isEmpty()) {
        if (header.size() < 2 || header.size() < 2 + octetAt(header, 1))
            return false;
        header = header.sliced(2 + octetAt(header, 1));
    }
    return true;
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
    const QByteArray userDataField = octets.mid(userDataAt(octets));
    const bool hasHeader = octetAt(octets, 1 + octetAt(octets, 0)) & 0x40;
    check(message.userDataHeader ==
          (hasHeader ? userDataField.mid(2, octetAt(userDataField, 1)) : QByteArray()));
    check(splitsIntoElements(message.userDataHeader));
    // An empty header the encoder leaves out, with its indicator.
    if (message.coding != SmsCoding::Gsm7Bit && hasHeader == !message.userDataHeader.isEmpty()) {
        check(PduEncoding::userData(message.coding, message.userDataHeader, message.text,
                                    message.data) == userDataField);
    }
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
