// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace Translations {

void install() {
    QCoreApplication *application = QCoreApplication::instance();
    auto own = std::make_unique<QTranslator>(application);
    if (!own->load(QLocale(), QStringLiteral("modempad"), QStringLiteral("_"),
                   QStringLiteral(":/i18n")))
        return;
    // Qt's catalogues come with the system (Debian's qt6-translations-l10n): a system without
    // them shows Qt's own buttons in English.
    auto qt = std::make_unique<QTranslator>(application);
    if (qt->load(QLocale(own->language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt.release());
    QCoreApplication::installTranslator(own.release());
}

} // namespace Translations
