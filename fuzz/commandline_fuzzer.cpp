// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Bytes as a client sends them, through the whole simulated modem: command lines, prompts and
// message bodies, its answers and what it keeps. The modem takes bytes in pieces of any size, so
// two modems get the same bytes, one at once and one in pieces whose sizes the input chooses,
// and must answer byte for byte alike, but for the time a message to the modem's own number
// came back, which the clock gives. Neither keeps more than one accepted message for each
// message reference, and each accepted message goes to a number that an address field can carry
// (unless its type says it is alphanumeric).

#include "simulatedmodem.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cstdint>
#include <cstdlib>

namespace {

// A message to the modem's own number comes back stamped with the time, which may be a second
// apart in the two runs: masked, in text mode and in a PDU (after the originator, the own
// number, and its protocol identifier and coding scheme).
QByteArray withoutArrivalTimes(const QByteArray &output) {
    static const QRegularExpression Times(
        QStringLiteral("\\d\\d/\\d\\d/\\d\\d,\\d\\d:\\d\\d:\\d\\d[+-]\\d\\d|"
                       "(?<=0C91447700099099[0-9A-F]{4})[0-9A-F]{14}"));
    return QString::fromLatin1(output).replace(Times, QStringLiteral("time")).toLatin1();
}

// Everything the modem answers to the bytes, given in pieces of the sizes in turn (0: all).
QByteArray answer(const QByteArray &bytes, const QByteArray &sizes) {
    SimulatedModem modem;
    QByteArray output;
    QObject::connect(&modem, &SimulatedModem::transmit,
                     [&output](const QByteArray &piece) { output += piece; });
    for (qsizetype at = 0, turn = 0; at < bytes.size(); ++turn) {
        const qsizetype size =
            sizes.isEmpty() ? bytes.size() : 1 + quint8(sizes.at(turn % sizes.size())) % 16;
        modem.receive(bytes.mid(at, size));
        at += size;
    }
    const QList<AcceptedMessage> accepted = modem.acceptedMessages();
    if (accepted.size() > 256)
        std::abort();
    static const QRegularExpression Number(
        QRegularExpression::anchoredPattern(QStringLiteral("\\+?[0-9*#abc]{0,20}")));
    for (const AcceptedMessage &message : accepted) {
        const bool alphanumeric = (message.submit.destinationType & 0x70) == 0x50;
        if (!alphanumeric && !Number.match(message.submit.destination).hasMatch())
            std::abort();
    }
    return withoutArrivalTimes(output);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    // The modem's prompt timer needs an event dispatcher, though it never runs here.
    static QCoreApplication application(*argc, *argv);
    return 0;
}

// The first byte says how many of the next bytes give the sizes of the pieces.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size == 0)
        return 0;
    const auto *bytes = reinterpret_cast<const char *>(data);
    const qsizetype sizeCount = std::min<qsizetype>(data[0] % 8, qsizetype(size) - 1);
    const QByteArray sizes(bytes + 1, sizeCount);
    const QByteArray input(bytes + 1 + sizeCount, qsizetype(size) - 1 - sizeCount);
    if (answer(input, {}) != answer(input, sizes.isEmpty() ? QByteArray(1, 0) : sizes))
        std::abort();
    return 0;
}
