// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The windows in English: an English locale chooses it, every text of every
// window is translated, and every text fits its box on every test screen.
#include "common/app/command_line.h"
#include "common/app/language.h"
#include "prisma/form1.h"
#include "streu/form1.h"
#include "tavrin/raymodel/form2.h"
#include "tavrin/start/form3.h"
#include "tavrin/wavemodel/form5.h"
#include "tests/windows/text_fit.h"
#include "tests/windows/wait.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace rb;
using rb::testing::ClippedTexts;
using rb::testing::VisibleTexts;

namespace {

// Texts that read the same in both languages.
bool SameInBothLanguages(const QString &text)
{
    static const QStringList words{QStringLiteral("Start"), QStringLiteral("End"),  QStringLiteral("Menu"),
                                   QStringLiteral("on"),    QStringLiteral("off"),  QStringLiteral("A"),
                                   QStringLiteral("B"),     QStringLiteral("Material"), QStringLiteral("Text2"),
                                   QStringLiteral("Polarisation:"), QStringLiteral("parallel (p)")};
    return words.contains(text.trimmed()) || !text.contains(QRegularExpression(QStringLiteral("[A-Za-zÄÖÜäöüß]")));
}

using Make = std::function<std::unique_ptr<QWidget>()>;

template <typename F> std::unique_ptr<QWidget> Loaded()
{
    auto f = std::make_unique<F>();
    f->Form_Load();
    f->show();
    return f;
}

std::unique_ptr<QWidget> WaveWindowAfterASweep()
{
    auto f = std::make_unique<tavrin::Form5>();
    f->Form_Load();
    f->show();
    // The readout and its caption, as a sweep leaves them.
    f->Text2->setText(QStringLiteral("42.71°"));
    f->Text2->show();
    f->Label12->show();
    return f;
}

} // namespace

TEST(Language, EnglishForAnEnglishLocaleGermanForEveryOther)
{
    const struct {
        const char *locale;
        Language language;
    } cases[] = {{"en_US", Language::English}, {"en_GB", Language::English}, {"de_DE", Language::German},
                 {"de_AT", Language::German},  {"fr_FR", Language::German},  {"C", Language::German}};
    for (const auto &c : cases)
        EXPECT_EQ(LanguageOfLocale(QLocale(QString::fromLatin1(c.locale))), c.language) << c.locale;
    EXPECT_EQ(ChooseLanguage(Language::German), Language::German);
    // --lang through the programs' command line, a wrong value refused.
    const struct {
        QStringList arguments;
        std::optional<int> status;
        std::optional<Language> language;
    } lines[] = {{{QStringLiteral("--lang"), QStringLiteral("en")}, std::nullopt, Language::English},
                 {{QStringLiteral("--lang=de")}, std::nullopt, Language::German},
                 {{QStringLiteral("--lang=fr")}, CommandLine::kUsageError, std::nullopt}};
    for (const auto &l : lines) {
        CommandLine commandLine(QStringLiteral("prisma"), QString());
        std::optional<Language> chosen;
        AddLanguageOption(commandLine, chosen);
        EXPECT_EQ(commandLine.Parse(l.arguments), l.status) << l.arguments.join(' ').toStdString();
        EXPECT_EQ(chosen, l.language);
    }
    EXPECT_EQ(ParseLanguage(QStringLiteral("fr")), std::nullopt);
    // This test runs under an English locale.
    EXPECT_EQ(InstalledLanguage(), Language::English);
}

TEST(Language, EveryTextOfEveryWindowIsEnglishAndFits)
{
    const struct {
        const char *name;
        Make make;
    } windows[] = {
        {"streu", Loaded<streu::Form1>},          {"prisma", Loaded<prisma::Form1>},
        {"tavrin start", Loaded<tavrin::Form3>},  {"ray model", Loaded<tavrin::form2>},
        {"wave model", WaveWindowAfterASweep},
    };
    for (const auto &w : windows) {
        InstallLanguage(*qApp, Language::German);
        const QStringList german = VisibleTexts(w.make().get());
        InstallLanguage(*qApp, Language::English);
        const auto window = w.make();
        ASSERT_TRUE(rb::testing::Settle(window.get())) << w.name;
        const QStringList english = VisibleTexts(window.get());
        ASSERT_EQ(english.size(), german.size()) << w.name;
        for (qsizetype i = 0; i < english.size(); ++i)
            EXPECT_TRUE(english[i] != german[i] || SameInBothLanguages(german[i]))
                << w.name << ": untranslated '" << german[i].toStdString() << "'";
        const QStringList clipped = ClippedTexts(window.get());
        EXPECT_TRUE(clipped.isEmpty()) << w.name << ":\n" << clipped.join(QLatin1Char('\n')).toStdString();
    }
}
