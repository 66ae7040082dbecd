// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/app/language.h"

#include "common/app/command_line.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>
#include <vector>

namespace rb {

namespace {
Language installed = Language::German;
std::vector<std::unique_ptr<QTranslator>> translators;
// The toolkit's catalogue for the interface language; none for English,
// the language of its source texts.
QTranslator *toolkitTexts = nullptr;

// Loads one catalogue and hands it to the application; false if missing.
bool Add(QCoreApplication &app, const QString &name, const QString &folder)
{
    auto t = std::make_unique<QTranslator>();
    if (!t->load(name, folder)) return false;
    app.installTranslator(t.get());
    translators.push_back(std::move(t));
    return true;
}
} // namespace

std::optional<Language> ParseLanguage(const QString &code)
{
    if (code == QLatin1String("de")) return Language::German;
    if (code == QLatin1String("en")) return Language::English;
    return std::nullopt;
}

void AddLanguageOption(CommandLine &commandLine, std::optional<Language> &chosen)
{
    commandLine.AddOption(QStringLiteral("lang"), QStringLiteral("de|en"),
                          QCoreApplication::translate("CommandLine",
                                                      "Sprache der Fenster: de (Deutsch) oder en (Englisch); "
                                                      "ohne diese Option folgt sie dem Gebietsschema"),
                          [&chosen](const QString &value) {
                              chosen = ParseLanguage(value);
                              return chosen ? QString()
                                            : QCoreApplication::translate("CommandLine",
                                                                          "erwartet de oder en");
                          });
}

Language LanguageOfLocale(const QLocale &locale)
{
    // The plain C locale has no language of its own: a LANGUAGE list in the
    // environment does not count then, as with every other program.
    if (locale.language() == QLocale::C) return Language::German;
    const QStringList ui = locale.uiLanguages();
    const QString first = ui.isEmpty() ? locale.name() : ui.first();
    return first.startsWith(QLatin1String("en")) ? Language::English : Language::German;
}

Language ChooseLanguage(std::optional<Language> override)
{
    return override ? *override : LanguageOfLocale(QLocale::system());
}

void InstallLanguage(QCoreApplication &app, Language language)
{
    for (auto &t : translators) app.removeTranslator(t.get());
    translators.clear();
    installed = language;
    // The programs' texts are German at the source, the toolkit's English.
    if (language == Language::English) Add(app, QStringLiteral("regenbogen_en"), QStringLiteral(":/i18n"));
    SetInterfaceLanguage(language == Language::English ? QLocale::English : QLocale::German);
}

Language InstalledLanguage() { return installed; }

bool SetInterfaceLanguage(QLocale::Language language)
{
    if (toolkitTexts) {
        QCoreApplication::removeTranslator(toolkitTexts);
        delete toolkitTexts;
        toolkitTexts = nullptr;
    }
    if (language == QLocale::English) return true;
    auto *t = new QTranslator(QCoreApplication::instance());
    if (!t->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete t;
        return false;
    }
    QCoreApplication::installTranslator(t);
    toolkitTexts = t;
    return true;
}

} // namespace rb
