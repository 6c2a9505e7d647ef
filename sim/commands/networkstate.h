// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the network lets the modem do, as +CREG and +CGREG report it (3GPP TS 27.007, 7.2): each
// value is the <stat> it reads as while the radio is on and the SIM ready.
enum class NetworkState {
    Off = 0,       // no network in reach, none sought
    Home = 1,      // registered with the home network
    Searching = 2, // looking for one
    Denied = 3,    // registration refused
    Roaming = 5,   // registered with a visited network
};

// Each state by the word that the control language takes for it and the log shows.
struct NetworkStateName {
    NetworkState state;
    const char *name;
};
inline constexpr NetworkStateName NetworkStateNames[] = {
    {NetworkState::Off, "off"},
    {NetworkState::Home, "home"},
    {NetworkState::Roaming, "roaming"},
    {NetworkState::Denied, "denied"},
    {NetworkState::Searching, "searching"},
};
