// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QWidget;

// SIGTERM (a kill, a shutdown), SIGHUP (a logout, a closed terminal) and SIGINT (Ctrl-C) as an
// event of the event loop rather than an end on the spot: the window closes as a user closes it,
// letting go of the port and its lock file, and every event loop ends, a failure box's too. A
// lock left by a killed process keeps every other user out until someone allowed to removes it.
// One object at a time.
class StopSignals : public QObject {
    Q_OBJECT

public:
    explicit StopSignals(QWidget *window);
    ~StopSignals() override;
};
