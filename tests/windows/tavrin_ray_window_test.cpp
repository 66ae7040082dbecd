// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// tavrin's ray model as a user meets it by hand: what the window shows when
// it opens, what presses in the scene draw and what they do not, and what
// the options and the two "cls" buttons wipe.
#include "tavrin/raymodel/form2.h"
#include "tests/windows/ray_window_checks.h"
#include "tests/windows/tavrin_windows.h"
#include "tests/windows/text_fit.h"
#include "tests/windows/wait.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

using namespace rb;
using namespace rb::tavrin;
using namespace rb::testing;

namespace {

using RayWindow = TavrinWindows;

// 42.34° is where red light leaves water after one reflection at the most:
// Descartes' angle, the main bow.
constexpr double kBowMarkY = StripY(42.34);

void SendMouse(QWidget *w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

} // namespace

TEST_F(RayWindow, OpensWithOnlyTheOutlineTheHelpAndTheTicks)
{
    form2 &f = Navigation::Get().RayForm();
    ASSERT_TRUE(Settle(&f));
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Regenbogen: Strahlenmodell (Huygens)"));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_NEAR(f.height(), 0.95 * screen.height(), 1);
    EXPECT_NEAR(f.width(), 0.95 * screen.width(), 1);
    EXPECT_NEAR(f.x(), (screen.width() - f.width()) / 2, 1);
    for (QRadioButton *o : {f.Option1, f.Option3, f.Option8, f.Option10, f.Option13}) EXPECT_TRUE(o->isChecked());
    EXPECT_TRUE(f.Label6->isVisible());
    EXPECT_TRUE(SceneShowsOnlyTheOutline(f));
    EXPECT_TRUE(StripShowsOnlyTheTicks(f));
    EXPECT_TRUE(ClippedTexts(&f).isEmpty()) << ClippedTexts(&f).join(QLatin1Char('\n')).toStdString();
    // The degree labels' strip reaches under the scene by design.
    EXPECT_TRUE(OverlappingControls(&f, {{f.Picture2, f.Picture3}}).isEmpty())
        << OverlappingControls(&f, {{f.Picture2, f.Picture3}}).join(QLatin1Char('\n')).toStdString();
    // Everything in the left column lies left of the strip.
    for (QWidget *w : {static_cast<QWidget *>(f.Command4), static_cast<QWidget *>(f.Frame3D2),
                       static_cast<QWidget *>(f.Frame3D1), static_cast<QWidget *>(f.Frame3D3),
                       static_cast<QWidget *>(f.Frame3D4), static_cast<QWidget *>(f.Frame3D5),
                       static_cast<QWidget *>(f.Frame3D6)})
        EXPECT_LE(w->geometry().right(), f.Picture1->x()) << w->objectName().toStdString();

    // The load scale draws the drop 3254/3400 as wide as high; "Details"
    // makes it round, "Überblick" a tenth the size.
    const auto ratio = [&f] { return f.Picture3->Map().PixelsPerUnitX() / f.Picture3->Map().PixelsPerUnitY(); };
    EXPECT_NEAR(ratio(), 3254.0 / 3400, 0.01);
    EXPECT_FLOAT_EQ(f.Picture3->ScaleTop(), -1000);
    EXPECT_FLOAT_EQ(f.Picture3->ScaleHeight(), 3000);
    f.Option11->setChecked(true);
    EXPECT_FLOAT_EQ(f.Picture3->ScaleLeft(), -22540);
    EXPECT_FLOAT_EQ(f.Picture3->ScaleHeight(), 30000);
    EXPECT_NEAR(ratio(), 1, 0.01);
    f.Option10->setChecked(true);
    EXPECT_FLOAT_EQ(f.Picture3->ScaleLeft(), -2254);
    EXPECT_NEAR(ratio(), 1, 0.01);
    EXPECT_TRUE(SceneShowsOnlyTheOutline(f));
}

TEST_F(RayWindow, PressesOutsideTheDropDrawNothingAndRightDragsDrawNoFan)
{
    form2 &f = Navigation::Get().RayForm();
    ASSERT_TRUE(Settle(&f));
    Picture *scene = f.Picture3;
    const QImage sceneBefore = scene->Image().copy(), stripBefore = f.Picture1->Image().copy();
    for (double y : {-900.0, 805.0, 1500.0}) QTest::mouseClick(scene, Qt::LeftButton, {}, LogicalPixel(scene, -1500, y));
    for (double y : {800.0, -800.0}) { // level with the top and bottom
        f.Picture3_MouseDown(kRightButton, 0, 0, y);
        f.Picture3_MouseUp(kRightButton, 0, 0, y);
    }
    EXPECT_FALSE(f.Label6->isVisible());
    EXPECT_EQ(scene->Image(), sceneBefore);
    EXPECT_EQ(f.Picture1->Image(), stripBefore);

    // A right press places one ray; moving with the right button held adds
    // nothing, nor with both held.
    const QPoint bow = LogicalPixel(scene, -1500, -689);
    SendMouse(scene, QEvent::MouseButtonPress, bow, Qt::RightButton, Qt::RightButton);
    const QImage oneRay = scene->Image().copy();
    EXPECT_NE(oneRay, sceneBefore);
    EXPECT_TRUE(ColourNear(f.Picture1, 75, kBowMarkY, kRed)); // red, at the bow
    for (int dy = 5; dy <= 60; dy += 5) {
        SendMouse(scene, QEvent::MouseMove, bow + QPoint(0, dy), Qt::NoButton, Qt::RightButton);
        SendMouse(scene, QEvent::MouseMove, bow - QPoint(0, dy), Qt::NoButton, Qt::RightButton | Qt::LeftButton);
    }
    EXPECT_EQ(scene->Image(), oneRay);
    SendMouse(scene, QEvent::MouseButtonRelease, bow, Qt::RightButton, Qt::NoButton);

    // With the left button every move sends a ray.
    SendMouse(scene, QEvent::MouseButtonPress, bow, Qt::LeftButton, Qt::LeftButton);
    const QImage pressed = scene->Image().copy();
    SendMouse(scene, QEvent::MouseMove, bow + QPoint(0, 40), Qt::NoButton, Qt::LeftButton);
    EXPECT_NE(scene->Image(), pressed);
    SendMouse(scene, QEvent::MouseButtonRelease, bow, Qt::LeftButton, Qt::NoButton);
}

TEST_F(RayWindow, OptionsAndClsButtonsWipeWhatTheyShould)
{
    form2 &f = Navigation::Get().RayForm();
    ASSERT_TRUE(Settle(&f));
    f.Picture3_MouseDown(kLeftButton, 0, 0, -600);
    f.Option4->setChecked(true); // green: nothing wiped
    f.Option14->setChecked(true); // glass: nothing wiped either
    EXPECT_FALSE(SceneShowsOnlyTheOutline(f));
    f.Picture3_MouseDown(kLeftButton, 0, 0, -500);
    EXPECT_EQ(f.model.refrIndex, 1.513);
    EXPECT_TRUE(HasColour(f.Picture3, qRgb(0, 255, 0)));
    EXPECT_TRUE(HasColour(f.Picture3, kRed));

    f.Option6->setChecked(true); // "3 " wipes the rays, not the strip
    EXPECT_EQ(f.model.reflCount, 3);
    EXPECT_TRUE(SceneShowsOnlyTheOutline(f));
    f.Picture3_MouseDown(kLeftButton, 0, 0, -500);
    f.Option9->setChecked(true);
    EXPECT_TRUE(SceneShowsOnlyTheOutline(f));

    // The scene's "cls" brings the help back and leaves the strip's marks.
    f.Picture3_MouseDown(kLeftButton, 0, 0, -500);
    f.Option1->setChecked(true);
    f.Option3->setChecked(true);
    f.Option13->setChecked(true);
    f.Picture3_MouseDown(kLeftButton, 0, 0, -689);
    f.Command2->click();
    EXPECT_TRUE(f.Label6->isVisible());
    EXPECT_TRUE(SceneShowsOnlyTheOutline(f));
    EXPECT_TRUE(ColourNear(f.Picture1, 75, kBowMarkY, kRed));
    EXPECT_FALSE(StripShowsOnlyTheTicks(f));
    f.Command3->click();
    EXPECT_TRUE(StripShowsOnlyTheTicks(f));
}
