// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The language of the interface. The programs speak German; a user whose
// locale is English gets English texts, and the command line can choose
// either. Numbers follow the locale whatever the language.
#pragma once

#include <QLocale>
#include <QStringList>
#include <optional>

class QCoreApplication;

namespace rb {

class CommandLine;

enum class Language { German, English };

// "de" or "en"; nothing for anything else.
std::optional<Language> ParseLanguage(const QString &code);
// Adds "--lang de|en" to a program's command line; a valid value lands in
// chosen.
void AddLanguageOption(CommandLine &commandLine, std::optional<Language> &chosen);
// The first of the locale's languages (the LANGUAGE list, then the locale
// itself) that the programs speak; German when none is English or German.
Language LanguageOfLocale(const QLocale &locale);
// The override when one is given, else the language of the user's locale.
Language ChooseLanguage(std::optional<Language> override = std::nullopt);
// The language a valid --lang among the arguments (without the program
// name) asks for, the last one winning, as the parser will read it; the
// messages about the command line itself are written in it.
std::optional<Language> LanguageInArguments(const QStringList &arguments);

// Puts the texts of the programs and of the toolkit (context menus, file
// dialogs) into the language. Windows made afterwards speak it.
void InstallLanguage(QCoreApplication &app, Language language);
Language InstalledLanguage();

// The toolkit's own texts (the context menus of text boxes and scroll bars,
// the file dialog) in the interface language; InstallLanguage calls it. The
// user's locale still decides how numbers are written. Returns false when
// the toolkit has no catalogue for the language; its texts then stay English.
bool SetInterfaceLanguage(QLocale::Language language);

} // namespace rb
