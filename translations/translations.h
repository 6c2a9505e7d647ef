// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QString;

namespace Translations {

// Makes the running QCoreApplication speak the user's language, as the desktop's locale names
// it (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), when the program's catalogue, built in as
// :/i18n/<catalogue>_<language>.qm, is in it: that one, then Qt's for the same language, so that
// a message box never mixes two. English otherwise. Texts made before it runs stay in English.
void install(const QString &catalogue);

} // namespace Translations
