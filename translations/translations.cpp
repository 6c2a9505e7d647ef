// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace Translations {

void install(const QString &catalogue) {
    QCoreApplication *application = QCoreApplication::instance();
    auto own = std::make_unique<QTranslator>(application);
    // English has a catalogue of its own, for its plural forms alone: it is the one taken when
    // the user's languages have none, the C locale included.
    if (!own->load(QLocale(), catalogue, QStringLiteral("_"), QStringLiteral(":/i18n")) &&
        !own->load(QStringLiteral(":/i18n/%1_en").arg(catalogue)))
        return;
    // Qt's catalogues come with the system (Debian's qt6-translations-l10n): a system without
    // them shows Qt's own buttons, and the serial port's reasons for a failure, in English.
    const QLocale language(own->language());
    for (const QString &module : {QStringLiteral("qtbase"), QStringLiteral("qtserialport")}) {
        auto qt = std::make_unique<QTranslator>(application);
        if (qt->load(language, module, QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt.release());
    }
    QCoreApplication::installTranslator(own.release());
}

} // namespace Translations
