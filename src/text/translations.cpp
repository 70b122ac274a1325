// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace cuelist::text {

namespace {

// Every layer embeds its catalogue under this resource folder.
constexpr char kCatalogueFolder[] = ":/i18n";
constexpr char kTranslatorName[] = "cuelist-translator";

void RemoveInstalled(QCoreApplication& app)
{
    const auto installed =
        app.findChildren<QTranslator*>(QLatin1String(kTranslatorName), Qt::FindDirectChildrenOnly);
    for (QTranslator* translator : installed) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

// The translator is owned by the application; a file that does not load is skipped.
void Install(QCoreApplication& app, const QString& fileName, const QString& folder)
{
    auto* translator = new QTranslator(&app);
    translator->setObjectName(QLatin1String(kTranslatorName));
    if (translator->load(fileName, folder) && QCoreApplication::installTranslator(translator))
        return;
    delete translator;
}

bool g_japanese = false;

bool IsJapanese(const QLocale& locale)
{
    if (locale.language() == QLocale::Japanese)
        return true;
    // The system locale reports the message language (LC_MESSAGES, LANGUAGE) separately.
    const QStringList languages = locale.uiLanguages();
    return !languages.isEmpty() && QLocale(languages.first()).language() == QLocale::Japanese;
}

} // namespace

void InstallTranslations(QCoreApplication& app)
{
    InstallTranslations(app, QLocale::system());
}

void InstallTranslations(QCoreApplication& app, const QLocale& locale)
{
    RemoveInstalled(app);
    g_japanese = IsJapanese(locale);
    if (!g_japanese)
        return;

    const QDir catalogues{QString::fromLatin1(kCatalogueFolder)};
    const QStringList names =
        catalogues.entryList({QStringLiteral("*_ja.qm")}, QDir::Files, QDir::Name);
    for (const QString& name : names)
        Install(app, name, catalogues.path());

    Install(app, QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString LanguageTag()
{
    return g_japanese ? QStringLiteral("ja") : QStringLiteral("en");
}

} // namespace cuelist::text
