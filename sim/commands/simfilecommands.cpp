// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "simfilecommands.h"

#include "gsmalphabet.h"
#include "identity.h"
#include "simcommands.h"

#include <algorithm>
#include <utility>

namespace {

// The status words a SIM ends its answer with, as +CRSM gives them (TS 51.011 9.4, TS 102 221
// 10.2.1).
struct StatusWords {
    int sw1;
    int sw2;
};
constexpr StatusWords Done{0x90, 0x00};
constexpr StatusWords WrongLength{0x67, 0x00};
constexpr StatusWords NotFound{0x6A, 0x82};
constexpr StatusWords WrongOffset{0x6B, 0x00};
constexpr StatusWords UnknownInstruction{0x6D, 0x00};
constexpr StatusWords AccessDenied{0x98, 0x04};

// +CRSM's commands: the SIM's instruction bytes, in decimal.
constexpr int ReadBinary = 176;
constexpr int GetResponse = 192;
// +CSIM's: VERIFY and UNBLOCK, with the references of the first PIN and the second.
constexpr char Verify = 0x20;
constexpr char Unblock = 0x2C;
constexpr char FirstPin = 0x01;
// The second PIN is not modelled: it is never entered, and has all its tries.
constexpr int SecondPinTries = 3;
constexpr int SecondPukTries = 10;

// The elementary files there are (TS 51.011 10), and which of them a SIM lets anyone read
// before its PIN is given.
enum File {
    Iccid = 0x2FE2,
    Imsi = 0x6F07,
    GroupIdentifier1 = 0x6F3E,
    GroupIdentifier2 = 0x6F3F,
    ServiceProviderName = 0x6F46,
    AdministrativeData = 0x6FAD,
    EmergencyCallCodes = 0x6FB7,
};
constexpr File ReadableAlways[] = {Iccid, EmergencyCallCodes};
constexpr int SpnLength = 16;
constexpr int EccLength = 15;

// Digits as a SIM keeps them: two to an octet, the first in the low half, F filling the last.
QByteArray semiOctets(QString digits) {
    if (digits.size() % 2 != 0)
        digits += u'F';
    for (qsizetype i = 0; i < digits.size(); i += 2)
        std::swap(digits[i], digits[i + 1]);
    return QByteArray::fromHex(digits.toLatin1());
}

AtResponse restrictedAnswer(StatusWords status, const QByteArray &data = {}) {
    QByteArray line =
        "+CRSM: " + QByteArray::number(status.sw1) + ',' + QByteArray::number(status.sw2);
    if (!data.isEmpty())
        line += ",\"" + data.toHex().toUpper() + '"';
    return AtResponse::text(line);
}

// What GET RESPONSE tells of a transparent elementary file (TS 51.011 9.2.1): its size and
// identifier, its type, who may read and update it, and that it is valid.
QByteArray fileHeader(int id, qsizetype size, bool readableAlways) {
    const char header[] = {0,
                           0,
                           char(size >> 8),
                           char(size),
                           char(id >> 8),
                           char(id),
                           0x04, // an elementary file
                           0,
                           char(readableAlways ? 0x04 : 0x14), // read: always or PIN; update: ADM
                           0,
                           0x44, // rehabilitate and invalidate: ADM
                           0x01, // not invalidated
                           0x02, // two octets follow
                           0x00, // transparent
                           0};
    return QByteArray(header, sizeof header);
}

} // namespace

SimFileCommands::SimFileCommands(const SimCommands &sim, const Identity &identity,
                                 QString providerName)
    : m_sim(sim)
    , m_identity(identity)
    , m_providerName(std::move(providerName)) {}

void SimFileCommands::addTo(CommandTable &table) {
    using Self = SimFileCommands;
    const CommandTable::Row<Self> rows[] = {
        {.name = "+CRSM", .test = CommandTable::exists(), .set = &Self::restrictedAccess},
        {.name = "+CSIM", .test = CommandTable::exists(), .set = &Self::genericAccess},
        {.name = "+CCID",
         .test = CommandTable::exists(),
         .read = &Self::cardIdentity,
         .action = &Self::cardIdentity},
        {.name = "+ICCID", .test = CommandTable::exists(), .action = &Self::iccidIdentity},
    };
    table.add(this, rows);
}

// +CRSM=<command>,<fileid>,<P1>,<P2>,<P3>: READ BINARY from offset P1 * 256 + P2, P3 octets
// (0: to the end), or GET RESPONSE, the file's header; each answered with the SIM's status words.
AtResponse SimFileCommands::restrictedAccess(const AtCommand &command) const {
    const QList<QByteArray> arguments = command.arguments();
    const auto instruction = AtParameter::required(arguments.value(0), 0, 255);
    const auto id = AtParameter::number(arguments.value(1), 0, 0xFFFF);
    const auto p1 = AtParameter::number(arguments.value(2), 0, 255);
    const auto p2 = AtParameter::number(arguments.value(3), 0, 255);
    const auto p3 = AtParameter::number(arguments.value(4), 0, 255);
    if (arguments.size() > 7 || !instruction || !id || !p1 || !p2 || !p3)
        return AtResponse::error();
    if (*instruction != ReadBinary && *instruction != GetResponse)
        return restrictedAnswer(UnknownInstruction);
    const std::optional<QByteArray> contents = file(*id);
    if (!contents)
        return restrictedAnswer(NotFound);
    const bool readableAlways = std::find(std::begin(ReadableAlways), std::end(ReadableAlways),
                                          *id) != std::end(ReadableAlways);
    if (*instruction == GetResponse) {
        const QByteArray header = fileHeader(*id, contents->size(), readableAlways);
        return restrictedAnswer(Done, *p3 == 0 ? header : header.left(*p3));
    }
    if (!readableAlways && !m_sim.isReady())
        return restrictedAnswer(AccessDenied);
    const int offset = *p1 * 256 + *p2;
    const int length = *p3 == 0 ? int(contents->size()) - offset : *p3;
    if (offset >= contents->size())
        return restrictedAnswer(WrongOffset);
    if (offset + length > contents->size())
        return restrictedAnswer(WrongLength);
    return restrictedAnswer(Done, contents->mid(offset, length));
}

// +CSIM=<length>,<command>: VERIFY or UNBLOCK of a PIN with no code answer 63Cx, x the tries
// left; a SIM answers any other command it does not know 6D00.
AtResponse SimFileCommands::genericAccess(const AtCommand &command) const {
    const QList<QByteArray> arguments = command.arguments();
    const auto length = AtParameter::required(arguments.value(0), 8, 522);
    const auto hex = AtParameter::string(arguments.value(1));
    const QByteArray apdu = hex ? QByteArray::fromHex(*hex) : QByteArray();
    if (arguments.size() != 2 || !length || !hex || hex->size() != *length ||
        apdu.toHex() != hex->toLower() || apdu.size() < 4)
        return AtResponse::error();
    const char instruction = apdu.at(1);
    const bool first = apdu.at(3) == FirstPin;
    QByteArray status = "6D00";
    if ((instruction == Verify || instruction == Unblock) && apdu.size() <= 5 &&
        (apdu.size() == 4 || apdu.at(4) == 0)) {
        const int tries = instruction == Verify ? first ? m_sim.pinTries() : SecondPinTries
                          : first               ? m_sim.pukTries()
                                                : SecondPukTries;
        status = "63C" + QByteArray::number(tries, 16).toUpper();
    }
    return AtResponse::text("+CSIM: 4,\"" + status + '"');
}

AtResponse SimFileCommands::cardIdentity(const AtCommand &) const {
    return AtResponse::text("+CCID: " + m_identity.iccid.toLatin1());
}

AtResponse SimFileCommands::iccidIdentity(const AtCommand &) const {
    return AtResponse::text("+ICCID: " + m_identity.iccid.toLatin1());
}

std::optional<QByteArray> SimFileCommands::file(int id) const {
    switch (File(id)) {
    case Iccid:
        return semiOctets(m_identity.iccid);
    case Imsi: {
        // Its length, then the digits after a nibble that says an IMSI of odd (9) or even (1)
        // length.
        const QByteArray digits =
            semiOctets((m_identity.imsi.size() % 2 ? u'9' : u'1') + m_identity.imsi);
        return char(digits.size()) + digits;
    }
    case GroupIdentifier1:
    case GroupIdentifier2:
        // No group: every octet unused.
        return QByteArray(8, '\xFF');
    case ServiceProviderName: {
        // The display condition, then the name in the GSM 7-bit alphabet, an octet a
        // character, as the home network names itself.
        const QByteArray name =
            GsmAlphabet::fromString(m_providerName).value_or(QByteArray()).left(SpnLength);
        return '\0' + name.leftJustified(SpnLength, '\xFF');
    }
    case AdministrativeData:
        // Normal operation; the network code of the IMSI has two digits, as 001 01's has.
        return QByteArray("\x00\x00\x00\x02", 4);
    case EmergencyCallCodes:
        return (semiOctets(QStringLiteral("112FFF")) + semiOctets(QStringLiteral("911FFF")))
            .leftJustified(EccLength, '\xFF');
    }
    return std::nullopt;
}
