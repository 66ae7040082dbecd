// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// A program on the desktop: F1 in a window opens the About window, once,
// with version, licence and what the program shows; the windows carry the
// program's icon and name its launcher. And the texts with a number have
// their singular in both languages.
#include "common/app/about.h"
#include "common/app/command_line.h"
#include "common/app/language.h"
#include "streu/form1.h"

#include <QApplication>
#include <QMessageBox>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

TEST(About, F1InAWindowOpensItOnceWithVersionAndLicence)
{
    rb::InstallLanguage(*qApp, rb::Language::German);
    rb::CommandLine commandLine(QStringLiteral("streu"), QStringLiteral("Zeigt die Richtung des Lichts."));
    rb::InstallDesktopIdentity(*qApp, commandLine);
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("org.regenbogen.streu"));
    // Not installed here, so the icon built into the program.
    EXPECT_FALSE(QApplication::windowIcon().pixmap(32, 32).isNull());

    rb::streu::Form1 window;
    window.Form_Load();
    window.show();
    QTest::keyClick(window.HScroll1, Qt::Key_F1);
    QTest::keyClick(&window, Qt::Key_F1);
    const auto boxes = window.findChildren<QMessageBox *>(QStringLiteral("About"));
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0]->isVisible());
    const QString text = boxes[0]->text();
    EXPECT_TRUE(text.contains(QStringLiteral("streu " REGENBOGEN_VERSION))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("GPL-3.0-or-later")));
    EXPECT_TRUE(text.contains(QStringLiteral("Zeigt die Richtung des Lichts.")));
    EXPECT_EQ(boxes[0]->windowTitle(), QStringLiteral("Über streu"));
    boxes[0]->close();
}

TEST(Plurals, OneAndManyInBothLanguages)
{
    const char *context = "rb::tavrin::form2";
    const char *source = "%n Strahlen, zuletzt mit Streuwinkel %1°";
    const struct {
        rb::Language language;
        int n;
        const char *text;
    } cases[] = {
        {rb::Language::German, 1, "1 Strahl, mit Streuwinkel %1°"},
        {rb::Language::German, 3, "3 Strahlen, zuletzt mit Streuwinkel %1°"},
        {rb::Language::English, 1, "1 ray, the last with scattering angle %1°"},
        {rb::Language::English, 3, "3 rays, the last with scattering angle %1°"},
    };
    for (const auto &c : cases) {
        rb::InstallLanguage(*qApp, c.language);
        EXPECT_EQ(QCoreApplication::translate(context, source, nullptr, c.n), QString::fromUtf8(c.text));
    }
    rb::InstallLanguage(*qApp, rb::Language::German);
    EXPECT_EQ(QCoreApplication::translate("rb::streu::Form1",
                                          "Richtung des gestreuten Lichts gegen Stoßparameter für k = %n Reflexionen",
                                          nullptr, 1),
              QStringLiteral("Richtung des gestreuten Lichts gegen Stoßparameter für k = 1 Reflexion"));
}
