# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# What bench/run.sh and bench/profile.sh share; sourced, not run.

# The process whose command line starts with the arguments, once it has started.
pid_of() {
    local pid="" tries=0
    while [[ -z $pid ]] && ((tries++ < 100)); do
        sleep 0.2
        pid=$(pgrep -o -f "^$*") || true
    done
    [[ -n $pid ]] || { echo "$* did not start" >&2 && return 1; }
    echo "$pid"
}

# Runs a command on the platform named first: offscreen, or xcb under Xvfb.
on() {
    local platform=$1
    shift
    if [[ $platform == xcb ]]; then
        xvfb-run -a -s "-screen 0 1024x768x24" env QT_QPA_PLATFORM=xcb "$@"
    else
        QT_QPA_PLATFORM=offscreen "$@"
    fi
}
