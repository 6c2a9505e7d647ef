// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "commerror.h"

class CommControl;
class QWidget;

namespace FailurePolicy {

// Ends the application after a failure: the port, if any, is released first, so that a vanished
// device cannot keep reporting errors behind the box, then the error's number and description
// are shown in a modal box over the window, if any, and once it is dismissed the event loop ends
// with exit status 1.
void apply(QWidget *window, CommControl *port, const CommError &error);

// Runs an action, a handler or a step of start-up; the only place where a failure is caught.
// False once the failure has been shown.
template<typename Action>
bool run(Action action, QWidget *window = nullptr, CommControl *port = nullptr) {
    try {
        action();
        return true;
    } catch (const CommError &error) {
        apply(window, port, error);
        return false;
    }
}

} // namespace FailurePolicy
