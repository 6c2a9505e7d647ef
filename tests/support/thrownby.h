// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

namespace LineTest {

// The error a call throws, or none.
struct Thrown {
    int number = 0;
    QString description;
};
Thrown thrownBy(const std::function<void()> &call);

} // namespace LineTest
