// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "thrownby.h"

#include "commerror.h"

namespace LineTest {

Thrown thrownBy(const std::function<void()> &call) {
    try {
        call();
    } catch (const CommError &error) {
        return {error.number(), error.description()};
    }
    return {};
}

} // namespace LineTest
