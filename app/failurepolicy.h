// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class CommControl;
class CommError;
class QWidget;

namespace FailurePolicy {

// Ends the application after a failure: the port is released first, so that a vanished device
// cannot keep reporting errors behind the box, then the error's number and description are
// shown in a modal box, and once it is dismissed the event loop ends with exit status 1.
void apply(QWidget &window, CommControl &port, const CommError &error);

} // namespace FailurePolicy
