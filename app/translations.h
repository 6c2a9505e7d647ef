// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace Translations {

// Makes the running QCoreApplication speak the user's language, as the desktop's locale names
// it (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), when a catalogue of ModemPad's is in it: ModemPad's
// own, then Qt's for the same language, so that a message box never mixes two. English
// otherwise. Texts made before it runs stay in English.
void install();

} // namespace Translations
