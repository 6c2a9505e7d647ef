// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "smssubmit.h"

#include "datacodingscheme.h"
#include "gsmalphabet.h"
#include "smslimits.h"

#include <algorithm>
#include <cctype>

namespace {

// Zero past the end: the callers have checked the length, or treat a missing octet as zero.
quint8 octetAt(const QByteArray &octets, qsizetype index) {
    return index < octets.size() ? quint8(octets.at(index)) : 0;
}

constexpr int InternationalNumber = 0x10;
constexpr int AlphanumericNumber = 0x50;

// Reads the PDU front to back; reading past the end marks it truncated instead of failing, so
// that the decoder checks once per field rather than once per octet.
class OctetReader {
public:
    explicit OctetReader(const QByteArray &octets)
        : m_octets(octets) {}

    bool truncated() const { return m_truncated; }
    qsizetype remaining() const { return m_octets.size() - m_position; }

    quint8 next() { return octetAt(take(1), 0); }
    QByteArray take(qsizetype count) {
        if (count > remaining()) {
            m_truncated = true;
            m_position = m_octets.size();
            return {};
        }
        QByteArray octets = m_octets.mid(m_position, count);
        m_position += count;
        return octets;
    }

private:
    QByteArray m_octets;
    qsizetype m_position = 0;
    bool m_truncated = false;
};

// Semi-octets as TS 23.040 9.1.2.3 packs them, low nibble first; F pads an odd count.
QString semiOctets(const QByteArray &octets, int count) {
    static const char Digits[] = "0123456789*#abc";
    QString digits;
    for (int i = 0; i < count; ++i) {
        const int nibble = (quint8(octets.at(i / 2)) >> (i % 2 * 4)) & 0x0F;
        if (nibble == 0x0F)
            break;
        digits.append(QLatin1Char(Digits[nibble]));
    }
    return digits;
}

QString addressValue(const QByteArray &octets, int type, int semiOctetCount) {
    const int numberType = type & 0x70;
    if (numberType == AlphanumericNumber)
        return GsmAlphabet::toString(GsmAlphabet::unpack(octets, semiOctetCount * 4 / 7));
    const QString digits = semiOctets(octets, semiOctetCount);
    return numberType == InternationalNumber ? u'+' + digits : digits;
}

int bcd(quint8 octet) {
    const int low = octet & 0x0F;
    const int high = octet >> 4;
    return low > 9 || high > 9 ? -1 : low * 10 + high;
}

// TS 23.040 9.2.3.12.1.
std::chrono::seconds relativePeriod(quint8 value) {
    using namespace std::chrono;
    if (value <= 143)
        return minutes((value + 1) * 5);
    if (value <= 167)
        return hours(12) + minutes((value - 143) * 30);
    if (value <= 196)
        return days(value - 166);
    return weeks(value - 192);
}

std::optional<CmsError> decodeEnhancedPeriod(const QByteArray &octets, SmsSubmit &message) {
    message.singleShot = octets.at(0) & 0x40;
    // Extension octets of the functionality indicator come before the period itself.
    int at = 1;
    while (quint8(octets.at(at - 1)) & 0x80 && at < octets.size())
        ++at;
    const QByteArray period = octets.mid(at);
    switch (octets.at(0) & 0x07) {
    case 0:
        // The enhanced format saying that there is no validity period.
        message.validityFormat = SmsSubmit::ValidityFormat::None;
        return std::nullopt;
    case 1:
        message.validityPeriod = relativePeriod(octetAt(period, 0));
        return std::nullopt;
    case 2:
        message.validityPeriod = std::chrono::seconds(octetAt(period, 0));
        return std::nullopt;
    case 3: {
        const int h = bcd(octetAt(period, 0));
        const int m = bcd(octetAt(period, 1));
        const int s = bcd(octetAt(period, 2));
        if (h < 0 || m < 0 || s < 0)
            return CmsError::ValidityPeriodNotSupported;
        message.validityPeriod = std::chrono::seconds(h * 3600 + m * 60 + s);
        return std::nullopt;
    }
    default:
        return CmsError::ValidityPeriodNotSupported;
    }
}

// TS 23.040 9.2.3.12.2: a time stamp whose last octet is the zone in quarter hours, its sign in
// bit 3.
std::optional<CmsError> decodeAbsolutePeriod(const QByteArray &octets, SmsSubmit &message) {
    int fields[6];
    for (int i = 0; i < 6; ++i)
        fields[i] = bcd(octets.at(i));
    const quint8 zone = octets.at(6);
    const int quarters = bcd(zone & ~0x08);
    const QDate date(2000 + fields[0], fields[1], fields[2]);
    const QTime time(fields[3], fields[4], fields[5]);
    if (!date.isValid() || !time.isValid() || quarters < 0)
        return CmsError::ValidityPeriodNotSupported;
    const int offset = (zone & 0x08 ? -1 : 1) * quarters * 15 * 60;
    message.validUntil = QDateTime(date, time, Qt::OffsetFromUTC, offset);
    return std::nullopt;
}

std::optional<CmsError> decodeCodingScheme(int octet, SmsSubmit &message) {
    const DataCodingScheme scheme = DataCodingScheme::fromOctet(octet);
    if (scheme.compressed)
        return CmsError::DataCodingSchemeNotSupported;
    message.coding = scheme.coding;
    message.messageClass = scheme.messageClass;
    return std::nullopt;
}

bool headerIsWellFormed(const QByteArray &header) {
    qsizetype at = 0;
    while (at + 2 <= header.size())
        at += 2 + quint8(header.at(at + 1));
    return at == header.size();
}

std::optional<CmsError> decodeUserData(int length, const QByteArray &userData, bool hasHeader,
                                       SmsSubmit &message) {
    const int headerOctets = hasHeader ? octetAt(userData, 0) + 1 : 0;
    if (hasHeader) {
        message.userDataHeader = userData.mid(1, headerOctets - 1);
        if (headerOctets > userData.size() || !headerIsWellFormed(message.userDataHeader))
            return CmsError::InvalidPduParameter;
    }

    if (message.coding == SmsSubmit::Coding::Gsm7Bit) {
        const int headerSeptets = (headerOctets * 8 + 6) / 7;
        if (length > SmsLimits::Septets || userData.size() != (length * 7 + 7) / 8 ||
            headerSeptets > length)
            return CmsError::InvalidPduParameter;
        const QByteArray septets =
            GsmAlphabet::unpack(userData.mid(headerOctets), length - headerSeptets,
                                headerSeptets * 7 - headerOctets * 8);
        message.text = GsmAlphabet::toString(septets);
        return std::nullopt;
    }

    if (length > SmsLimits::Octets || userData.size() != length || headerOctets > length)
        return CmsError::InvalidPduParameter;
    const QByteArray payload = userData.mid(headerOctets);
    if (message.coding == SmsSubmit::Coding::EightBit) {
        message.data = payload;
        return std::nullopt;
    }
    if (payload.size() % 2 != 0)
        return CmsError::InvalidPduParameter;
    for (qsizetype i = 0; i < payload.size(); i += 2)
        message.text.append(QChar(quint8(payload.at(i)) << 8 | quint8(payload.at(i + 1))));
    return std::nullopt;
}

std::optional<CmsError> decode(OctetReader &pdu, SmsSubmit &message) {
    constexpr int MaxAddressOctets = 11;
    constexpr int MaxDestinationDigits = 20;

    const int centreLength = pdu.next();
    if (centreLength > MaxAddressOctets)
        return CmsError::InvalidPduParameter;
    if (centreLength > 0) {
        const int type = pdu.next();
        const QByteArray address = pdu.take(centreLength - 1);
        if (pdu.truncated())
            return CmsError::InvalidPduParameter;
        message.serviceCentre = addressValue(address, type, (centreLength - 1) * 2);
    }

    const quint8 first = pdu.next();
    if ((first & 0x03) != 0x01)
        return CmsError::TpduNotSupported;
    message.rejectDuplicates = first & 0x04;
    message.statusReportRequest = first & 0x20;
    message.replyPath = first & 0x80;
    message.messageReference = pdu.next();

    const int digits = pdu.next();
    if (digits > MaxDestinationDigits)
        return CmsError::InvalidPduParameter;
    message.destinationType = pdu.next();
    const QByteArray address = pdu.take((digits + 1) / 2);
    if (pdu.truncated())
        return CmsError::InvalidPduParameter;
    message.destination = addressValue(address, message.destinationType, digits);

    message.protocolIdentifier = pdu.next();
    message.dataCodingScheme = pdu.next();

    std::optional<CmsError> error;
    switch ((first >> 3) & 0x03) {
    case 0x02:
        message.validityFormat = SmsSubmit::ValidityFormat::Relative;
        message.validityPeriod = relativePeriod(pdu.next());
        break;
    case 0x01:
        message.validityFormat = SmsSubmit::ValidityFormat::Enhanced;
        if (const QByteArray period = pdu.take(7); !pdu.truncated())
            error = decodeEnhancedPeriod(period, message);
        break;
    case 0x03:
        message.validityFormat = SmsSubmit::ValidityFormat::Absolute;
        if (const QByteArray period = pdu.take(7); !pdu.truncated())
            error = decodeAbsolutePeriod(period, message);
        break;
    }

    const int userDataLength = pdu.next();
    if (pdu.truncated())
        return CmsError::InvalidPduParameter;
    if (error)
        return error;
    if (const auto codingError = decodeCodingScheme(message.dataCodingScheme, message))
        return codingError;
    return decodeUserData(userDataLength, pdu.take(pdu.remaining()), first & 0x40, message);
}

} // namespace

SmsSubmitDecoding decodeSmsSubmit(const QByteArray &hex, int tpduLength) {
    SmsSubmitDecoding result;
    const bool wellFormed = hex.size() % 2 == 0 && std::all_of(hex.begin(), hex.end(), [](char c) {
                                return std::isxdigit(static_cast<unsigned char>(c));
                            });
    const QByteArray octets = QByteArray::fromHex(hex);
    if (!wellFormed || octets.isEmpty() || octets.size() != 1 + quint8(octets.at(0)) + tpduLength) {
        result.error = CmsError::InvalidPduParameter;
        return result;
    }
    OctetReader pdu(octets);
    result.error = decode(pdu, result.message);
    return result;
}
