// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// What a screen reader learns from the windows, read through the toolkit's
// accessibility interface: every control is named by its caption, and every
// picture tells what it shows, with its numbers, and tells it anew after a
// run.
#include "common/widgets/event_loop.h"
#include "prisma/form1.h"
#include "streu/form1.h"
#include "tavrin/raymodel/form2.h"
#include "tavrin/start/form3.h"
#include "tavrin/wavemodel/form5.h"
#include "tavrin/navigation.h"
#include "tests/windows/scoped_locale.h"
#include "tests/windows/text_fit.h"
#include "tests/windows/wait.h"

#include <QAccessible>
#include <QRadioButton>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace rb;
using rb::testing::TextOf;

namespace {

QString Name(QWidget *w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); }
QString Description(QWidget *w)
{
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
}

// Every captioned control is named by its caption; scroll bars and text
// boxes by a caption beside them; every picture has a description.
void ExpectNamed(QWidget *window, const char *what)
{
    QStringList captions;
    for (QWidget *w : window->findChildren<QLabel *>())
        if (w->isVisibleTo(window)) captions << TextOf(w);
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window)) continue;
        if (qobject_cast<QScrollBar *>(w) || qobject_cast<QLineEdit *>(w)) {
            const QString name = Name(w);
            EXPECT_TRUE(!name.isEmpty() && std::any_of(captions.begin(), captions.end(), [&](const QString &c) {
                return name.contains(c);
            })) << what << ": '" << name.toStdString() << "'";
        } else if (!TextOf(w).isEmpty()) {
            EXPECT_EQ(Name(w), TextOf(w)) << what;
        } else if (qobject_cast<Picture *>(w)) {
            EXPECT_FALSE(Description(w).isEmpty()) << what << ": " << w->metaObject()->className();
            EXPECT_FALSE(Name(w).isEmpty()) << what;
        }
    }
}

// The numbers in a text, read with the locale's decimal separator.
std::vector<double> Numbers(const QString &text)
{
    std::vector<double> out;
    const QString point = QLocale().decimalPoint();
    const QRegularExpression number(QStringLiteral("-?\\d+(%1\\d+)?").arg(QRegularExpression::escape(point)));
    for (auto it = number.globalMatch(text); it.hasNext();)
        out.push_back(QLocale().toDouble(it.next().captured()));
    return out;
}

// The numbers after `phrase` in the text.
std::vector<double> NumbersAfter(const QString &text, const QString &phrase)
{
    const qsizetype at = text.indexOf(phrase);
    return at < 0 ? std::vector<double>{} : Numbers(text.mid(at + phrase.size()));
}

template <typename F> std::unique_ptr<F> Open()
{
    auto f = std::make_unique<F>();
    f->Form_Load();
    f->show();
    EXPECT_TRUE(rb::testing::Settle(f.get()));
    return f;
}

} // namespace

TEST(Accessibility, EveryControlIsNamedByItsCaptionAndEveryPictureDescribed)
{
    ExpectNamed(Open<streu::Form1>().get(), "streu");
    ExpectNamed(Open<prisma::Form1>().get(), "prisma");
    ExpectNamed(Open<tavrin::Form3>().get(), "start window");
    ExpectNamed(Open<tavrin::form2>().get(), "ray model");
    ExpectNamed(Open<tavrin::Form5>().get(), "wave model");
}

TEST(Accessibility, PlotsTellTheirValuesAndExtremes)
{
    const rb::testing::ScopedLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
    auto prism = Open<prisma::Form1>();
    const QString before = Description(prism->Picture1);
    EXPECT_TRUE(before.contains(QStringLiteral("A = 60°"))) << before.toStdString();
    EXPECT_TRUE(before.contains(QStringLiteral("n = 1.5"))) << before.toStdString();
    // The symmetric passage: 37.18° at 48.59°.
    const auto minimum = NumbersAfter(before, QStringLiteral("Minimum"));
    ASSERT_EQ(minimum.size(), 2u) << before.toStdString();
    EXPECT_NEAR(minimum[0], 37.18, 0.006);
    EXPECT_NEAR(minimum[1], 48.59, 0.006);
    prism->HScroll2->setValue(133);
    EXPECT_TRUE(Description(prism->Picture1).contains(QStringLiteral("n = 1.33"))) << Description(prism->Picture1).toStdString();
    prism->HScroll1->setValue(180); // no ray passes
    EXPECT_TRUE(NumbersAfter(Description(prism->Picture1), QStringLiteral("Minimum")).empty());

    auto drop = Open<streu::Form1>();
    const QString primary = Description(drop->Picture1);
    const auto turn = NumbersAfter(primary, QStringLiteral("Umkehrpunkt"));
    ASSERT_FALSE(turn.empty()) << primary.toStdString();
    EXPECT_NEAR(turn[0], 137.97, 0.006);
    drop->HScroll1->setValue(2);
    EXPECT_NE(Description(drop->Picture1), primary);
    EXPECT_TRUE(Description(drop->Picture1).contains(QStringLiteral("k = 2")));
}

TEST(Accessibility, RayModelTellsItsRaysAndMarksAfterEveryRun)
{
    const rb::testing::ScopedLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
    tavrin::form2 f;
    f.Form_Load();
    // Water, red, one reflection: the ray at b = −689 comes back at 42.34°.
    f.Picture3_MouseDown(kLeftButton, 0, 0, -689);
    const QString scene = Description(f.Picture3), strip = Description(f.Picture1);
    const auto marks = Numbers(strip);
    ASSERT_GE(marks.size(), 5u) << strip.toStdString();
    EXPECT_EQ(marks[2], 1) << strip.toStdString(); // "30° to 60°: 1 mark from W to W"
    EXPECT_NEAR(marks[3], 42.34, 0.01);
    EXPECT_EQ(marks[3], marks[4]);
    EXPECT_TRUE(scene.contains(QStringLiteral("42.34"))) << scene.toStdString();
    f.Command7_Click(); // the fast sweep
    EXPECT_NE(Description(f.Picture3), scene);
    EXPECT_GT(Numbers(Description(f.Picture1))[2], 1);
    f.Command3_Click(); // the strip wiped
    EXPECT_EQ(Numbers(Description(f.Picture1)).size(), 2u) << Description(f.Picture1).toStdString();
}

TEST(Accessibility, WaveModelTellsTheTallestBarAndTheInnerBows)
{
    const rb::testing::ScopedLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
    ResetEndRequest();
    tavrin::Form5 &f = tavrin::Navigation::Get().WaveForm();
    f.show();
    const QString empty = Description(f.Picture1);
    f.Option3D5->click(); // figures off: the bars alone
    f.Command2_Click();
    const QString bars = Description(f.Picture1);
    EXPECT_NE(bars, empty);
    EXPECT_EQ(Numbers(bars).front(), 191) << bars.toStdString();
    // Red light, 1 mm drops: the bow and the inner bows beside it, as the
    // scale reads them (0.3° below the readout's 42.8°, 42.1° and 41.5°).
    const auto tallest = NumbersAfter(bars, QStringLiteral("höchster Balken bei"));
    const auto inner = NumbersAfter(bars, QStringLiteral("innere Bögen bei"));
    ASSERT_FALSE(tallest.empty()) << bars.toStdString();
    ASSERT_GE(inner.size(), 4u) << bars.toStdString();
    EXPECT_NEAR(tallest[0], 42.5, 0.15);
    EXPECT_GT(tallest[1], 250);
    EXPECT_NEAR(inner[0], 41.8, 0.15) << bars.toStdString();
    EXPECT_NEAR(inner[2], 41.2, 0.15);
    EXPECT_GT(tallest[1], inner[1]);
    EXPECT_GT(inner[1], inner[3]);

    f.Option3D4->click();
    const QString chainBefore = Description(f.Picture3);
    f.Picture4_MouseDown(kLeftButton, 0, -10000, -9000);
    EXPECT_NE(Description(f.Picture3), chainBefore);
    // The point pressed, as the picture's user units read it.
    EXPECT_TRUE(Description(f.Picture4).contains(QStringLiteral("-10000"))) << Description(f.Picture4).toStdString();
    tavrin::Navigation::Get().Reset();
}
