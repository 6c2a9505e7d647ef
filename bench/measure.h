// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <sys/types.h>

// What a benchmark reads off the process it runs in, or off another it started.
namespace Measure {

// User plus system CPU time of this process (every thread, no children), in seconds.
double cpuSeconds();
// The system (kernel) part of it, in seconds.
double systemSeconds();
// Resident memory of this process, or of another, in bytes.
double residentBytes();
double residentBytes(pid_t process);
// User-mode CPU time of another process, in seconds.
double userSeconds(pid_t process);
// Monotonic wall time, in seconds.
double wallSeconds();
// Whether a tracer (strace, a debugger) is attached to this process.
bool isTraced();

} // namespace Measure
