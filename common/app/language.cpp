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
// the language of its source texts. Ours, not the application's: the
// command line is read under an application of its own, which goes before
// the program's application comes.
std::unique_ptr<QTranslator> toolkitTexts;

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
                          {"CommandLine", QT_TRANSLATE_NOOP("CommandLine",
                                                            "Sprache der Fenster: de (Deutsch) oder en (Englisch); "
                                                            "ohne diese Option folgt sie dem Gebietsschema")},
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
    QStringList ui = locale.uiLanguages();
    ui << locale.name();
    for (const QString &code : ui) {
        if (code.startsWith(QLatin1String("en"))) return Language::English;
        if (code.startsWith(QLatin1String("de"))) return Language::German;
    }
    return Language::German;
}

std::optional<Language> LanguageInArguments(const QStringList &arguments)
{
    std::optional<Language> found;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        std::optional<Language> here;
        if ((a == QLatin1String("--lang") || a == QLatin1String("-lang")) && i + 1 < arguments.size())
            here = ParseLanguage(arguments[++i]);
        else if (a.startsWith(QLatin1String("--lang=")) || a.startsWith(QLatin1String("-lang=")))
            here = ParseLanguage(a.mid(a.indexOf(QLatin1Char('=')) + 1));
        if (here) found = here;
    }
    return found;
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
    // The programs' texts are German at the source, the toolkit's English;
    // German needs a catalogue only for the plural forms ("1 Strahl").
    Add(app, language == Language::English ? QStringLiteral("regenbogen_en") : QStringLiteral("regenbogen_de"),
        QStringLiteral(":/i18n"));
    SetInterfaceLanguage(language == Language::English ? QLocale::English : QLocale::German);
}

Language InstalledLanguage() { return installed; }

bool SetInterfaceLanguage(QLocale::Language language)
{
    if (toolkitTexts) {
        QCoreApplication::removeTranslator(toolkitTexts.get());
        toolkitTexts.reset();
    }
    if (language == QLocale::English) return true;
    auto t = std::make_unique<QTranslator>();
    if (!t->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(t.get());
    toolkitTexts = std::move(t);
    return true;
}

} // namespace rb
