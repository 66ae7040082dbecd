// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The windows of streu and prisma as a user meets them: texts, the plot on
// the screen, the scroll bars and the text boxes beside them.
#include "tests/windows/bar_input.h"
#include "common/widgets/controls.h"
#include "prisma/form1.h"
#include "streu/form1.h"
#include "tests/windows/pixels.h"
#include "tests/windows/scoped_locale.h"
#include "tests/windows/text_fit.h"
#include "tests/windows/wait.h"
#include "common/widgets/window_frame.h"
#include "common/canvas/dropped_calls.h"

#include <QGuiApplication>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QScreen>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTimer>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace rb;
using rb::testing::ClippedTexts;
using rb::testing::DarkNear;
using rb::testing::DriveByKeysAndWheel;
using rb::testing::OverlappingControls;
using rb::testing::Settle;
using rb::testing::TabReaches;

namespace {

// The left and right end of the dark letters of a control, in its parent's
// coordinates.
std::pair<int, int> InkSpan(QWidget *w)
{
    const QImage img = w->grab().toImage();
    const double dpr = img.devicePixelRatio();
    int left = img.width(), right = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 100) left = std::min(left, x), right = std::max(right, x);
    return {w->x() + int(left / dpr), w->x() + int(right / dpr)};
}

// The texts of the context menu a widget opens for a right click.
QStringList ContextMenuTexts(QWidget *w)
{
    QStringList texts;
    QTimer::singleShot(0, [&texts] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu) return;
        for (const QAction *a : menu->actions()) texts << a->text();
        menu->close();
    });
    const QPoint at = w->rect().center();
    QContextMenuEvent e(QContextMenuEvent::Mouse, at, w->mapToGlobal(at));
    QApplication::sendEvent(w, &e);
    return texts;
}
} // namespace

TEST(StreuWindow, OpensWithOneReflectionAndFollowsTheScrollBar)
{
    streu::Form1 f;
    f.Form_Load();
    f.show();
    ASSERT_TRUE(Settle(&f));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Richtung des vom Tropfen gestreuten Lichts als Funktion des "
                                              "Stoßparameters und der Zahl der  Reflexionen im Tropfen"));
    EXPECT_EQ(f.Text1->text(), QStringLiteral("1"));
    EXPECT_TRUE(DarkNear(f.Picture1, 0, 3700 - 1800)); // k = 1 starts at 180°
    f.HScroll1->setValue(15);
    EXPECT_EQ(f.reflCount, 15);
    EXPECT_EQ(f.Text1->text(), QStringLiteral("15"));
    // Typing into the text box changes nothing.
    QTest::keyClicks(f.Text1, QStringLiteral("3"));
    EXPECT_EQ(f.reflCount, 15);
    EXPECT_TRUE(ClippedTexts(&f).isEmpty()) << ClippedTexts(&f).join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(OverlappingControls(&f).isEmpty()) << OverlappingControls(&f).join(QLatin1Char('\n')).toStdString();
    // The title under the scroll bar is centred on it: its box, and the
    // letters drawn in it.
    const int barCentre = f.HScroll1->geometry().center().x();
    EXPECT_NEAR(f.Label11->geometry().center().x(), barCentre, 2);
    const auto [left, right] = InkSpan(f.Label11);
    EXPECT_NEAR((left + right) / 2.0, barCentre, 2);
    EXPECT_EQ(f.Text1->x(), f.HScroll1->x() + f.HScroll1->width());
}

// The frame is only an expectation until a window is shown. Where the
// window then gets another one, it is laid out again to fit its share of
// the screen with the frame it really has.
TEST(StreuWindow, IsLaidOutAgainWhenItsFrameTurnsOutOtherThanExpected)
{
    const QMargins real = ExpectedFrame();
    SetExpectedFrame(real + QMargins(0, 40, 0, 0));
    streu::Form1 f;
    f.Form_Load();
    const int screenH = QGuiApplication::primaryScreen()->availableGeometry().height();
    ASSERT_EQ(f.height(), screenH - 40 - real.top() - real.bottom());
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    SetExpectedFrame(real);
    EXPECT_EQ(f.height(), screenH - real.top() - real.bottom());
    EXPECT_NEAR(f.Picture1->height(), 0.8 * f.height(), 1);
    EXPECT_GT(f.Label11->y(), f.HScroll1->y());
}

TEST(ScrollBars, TakeTheFocusByClickOrTabAndMoveByKeysAndWheel)
{
    streu::Form1 s;
    s.Form_Load();
    prisma::Form1 p;
    p.Form_Load();
    struct Case {
        QWidget *window;
        QScrollBar *bar;
        std::function<bool()> shown; // the window follows the bar
    };
    const Case cases[] = {
        {&s, s.HScroll1, [&s] { return s.reflCount == s.HScroll1->value() && s.Text1->text() == QString::number(s.reflCount); }},
        {&p, p.HScroll1, [&p] { return p.Text1->text() == QString::number(p.HScroll1->value()); }},
        // The box reads, in the user's locale, the bar's value in hundredths.
        {&p, p.HScroll2, [&p] { return QLocale().toDouble(p.Text2->text()) == p.HScroll2->value() / 100.0; }},
    };
    for (const Case &c : cases) {
        c.window->show();
        QApplication::setActiveWindow(c.window);
        const QStringList errors = DriveByKeysAndWheel(c.bar);
        EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(c.shown());
        // Typing now goes to the bar, not to the text box beside it.
        const int value = c.bar->value();
        QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_5);
        EXPECT_EQ(c.bar->value(), value);
        EXPECT_TRUE(c.shown());
        EXPECT_TRUE(TabReaches(c.window, c.bar));
        c.window->hide();
    }
}

TEST(Toolkit, SpeaksGermanWhateverTheLocale)
{
    streu::Form1 f;
    f.Form_Load();
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    const QStringList bar = ContextMenuTexts(f.HScroll1);
    EXPECT_TRUE(bar.contains(QStringLiteral("Hierher scrollen"))) << bar.join(QLatin1Char('|')).toStdString();
    std::unique_ptr<QMenu> box(f.Text1->createStandardContextMenu());
    QStringList texts;
    for (const QAction *a : box->actions()) texts << a->text();
    EXPECT_TRUE(texts.join(QLatin1Char('|')).contains(QStringLiteral("Alles auswählen")))
        << texts.join(QLatin1Char('|')).toStdString();
}

TEST(ScrollBars, ReportAChangeOnlyWhenADraggedThumbIsReleased)
{
    streu::Form1 f;
    f.Form_Load();
    f.show();
    ASSERT_TRUE(Settle(&f));
    // A bar as the windows make it; streu's and prisma's own follow the
    // thumb (controls_in_class_test).
    auto *bar = MakeScrollBar(&f, Qt::Horizontal, 1, 15, 1, 1, 1);
    QSignalSpy spy(bar, &QScrollBar::valueChanged);
    bar->setSliderDown(true);
    bar->setSliderPosition(7);
    bar->setSliderPosition(9);
    EXPECT_EQ(spy.count(), 0);
    EXPECT_EQ(bar->value(), 1);
    bar->setSliderDown(false);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(bar->value(), 9);
    f.HScroll1->setValue(9);
    // arrow steps and keys report at once
    f.HScroll1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(f.reflCount, 10);
    f.HScroll1->setFocus();
    QTest::keyClick(f.HScroll1, Qt::Key_Left);
    EXPECT_EQ(f.reflCount, 9);
    QTest::keyClick(f.HScroll1, Qt::Key_Right);
    EXPECT_EQ(f.reflCount, 10);
    // a vertical bar: Down moves towards the bottom end
    auto *v = MakeScrollBar(&f, Qt::Vertical, 50, 2000, 1, 1, 1000);
    v->setFocus();
    QTest::keyClick(v, Qt::Key_Down);
    EXPECT_EQ(v->value(), 1001);
}

TEST(PrismaWindow, OpensWithTheStartValues)
{
    const rb::testing::ScopedLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
    prisma::Form1 f;
    f.Form_Load();
    f.show();
    ASSERT_TRUE(Settle(&f));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Minimum der Ablenkung bei einem Prisma"));
    EXPECT_EQ(f.Text1->text(), QStringLiteral("60"));
    EXPECT_EQ(f.Text2->text(), QStringLiteral("1.5")); // crown glass, the scroll bar at 150
    EXPECT_EQ(f.HScroll1->value(), 60);
    EXPECT_EQ(f.HScroll2->value(), 150);
    // The curve's lowest point (37.2° at 48.6°) is on the screen.
    EXPECT_TRUE(DarkNear(f.Picture1, 486, 1000 - 372));
    EXPECT_TRUE(ClippedTexts(&f).isEmpty()) << ClippedTexts(&f).join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(OverlappingControls(&f).isEmpty()) << OverlappingControls(&f).join(QLatin1Char('\n')).toStdString();
}

TEST(PrismaWindow, RefractiveIndexShowsInTheLocaleWithoutFloatNoise)
{
    prisma::Form1 f;
    f.Form_Load();
    struct Case {
        QLocale locale;
        int value;
        const char *text;
    };
    const Case cases[] = {
        {QLocale(QLocale::German, QLocale::Germany), 150, "1,5"},
        {QLocale(QLocale::German, QLocale::Germany), 133, "1,33"},
        {QLocale(QLocale::English, QLocale::UnitedStates), 150, "1.5"},
        {QLocale(QLocale::English, QLocale::UnitedStates), 133, "1.33"},
        {QLocale(QLocale::English, QLocale::UnitedStates), 200, "2"},
        {QLocale(QLocale::English, QLocale::UnitedStates), 50, "0.5"},
    };
    const QLocale saved;
    for (const Case &c : cases) {
        QLocale::setDefault(c.locale);
        f.HScroll2->setValue(c.value == f.HScroll2->value() ? c.value + 1 : c.value);
        f.HScroll2->setValue(c.value);
        EXPECT_EQ(f.Text2->text().toStdString(), c.text);
        EXPECT_EQ(f.refrIndex, static_cast<float>(c.value / 100.0));
    }
    QLocale::setDefault(saved);
}

TEST(PrismaWindow, ApexAngleEdgesAndTypingChangeNothingBad)
{
    prisma::Form1 f;
    f.Form_Load();
    f.show();
    ASSERT_TRUE(Settle(&f));
    ResetDroppedNonFiniteCalls();
    for (int a : {180, 1}) {
        f.HScroll1->setValue(a);
        EXPECT_EQ(f.Text1->text(), QString::number(a));
        EXPECT_NEAR(f.apexAngle, f.piValue * a / 180, 1e-15);
    }
    for (int n : {50, 200}) f.HScroll2->setValue(n);
    EXPECT_EQ(DroppedNonFiniteCalls(), 0u);
    const double apex = f.apexAngle;
    QTest::keyClicks(f.Text1, QStringLiteral("45"));
    QTest::keyClicks(f.Text2, QStringLiteral("9"));
    EXPECT_EQ(f.apexAngle, apex);
    EXPECT_EQ(f.refrIndex, 2.0f);
}
