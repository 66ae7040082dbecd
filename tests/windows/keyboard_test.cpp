// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// tavrin with the keyboard alone: Tab reaches every button, option and the
// pictures that take keys, and a user opens both models, places rays, runs
// both sweeps, chooses an observation point and ends the program without
// touching the mouse.
#include "common/widgets/event_loop.h"
#include "tavrin/raymodel/form2.h"
#include "tavrin/start/form3.h"
#include "tavrin/wavemodel/form5.h"
#include "tavrin/navigation.h"
#include "tests/windows/wait.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>
#include <set>

using namespace rb;
using namespace rb::tavrin;

namespace {

QWidget *Focus() { return QApplication::focusWidget(); }

void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = Focus() ? Focus() : QApplication::activeWindow();
    ASSERT_NE(target, nullptr) << "no window takes the keys";
    QTest::keyClick(target, key, modifiers);
}

// Presses Tab until the focus is on target, at most once round the window.
bool TabTo(QWidget *target)
{
    for (int i = 0; i < 60 && Focus() != target; ++i) Key(Qt::Key_Tab);
    return Focus() == target;
}

bool Active(QWidget *w) { return QTest::qWaitForWindowActive(w, 2000); }

// Every widget the focus visits in one round of Tab.
std::set<QWidget *> TabRound(QWidget *window)
{
    std::set<QWidget *> seen;
    for (int i = 0; i < 80; ++i) {
        Key(Qt::Key_Tab);
        if (Focus() && Focus()->window() == window) seen.insert(Focus());
    }
    return seen;
}

// Tab reaches every button, every frame of options (at its selected option)
// and the given pictures.
void ExpectAllReachable(QWidget *window, std::initializer_list<QWidget *> pictures)
{
    const std::set<QWidget *> seen = TabRound(window);
    for (QPushButton *b : window->findChildren<QPushButton *>()) {
        if (b->isVisibleTo(window)) {
            EXPECT_TRUE(seen.count(b)) << b->text().toStdString();
        }
    }
    for (QGroupBox *g : window->findChildren<QGroupBox *>()) {
        const auto options = g->findChildren<QRadioButton *>();
        if (options.isEmpty()) continue;
        EXPECT_TRUE(std::any_of(options.begin(), options.end(), [&](QRadioButton *o) { return seen.count(o) > 0; }))
            << g->title().toStdString();
    }
    for (QWidget *p : pictures) EXPECT_TRUE(seen.count(p)) << p->accessibleName().toStdString();
}

} // namespace

TEST(Keyboard, TabReachesEveryControlAndThePicturesThatTakeKeys)
{
    ResetEndRequest();
    Form3 &start = Navigation::Get().StartForm();
    start.show();
    ASSERT_TRUE(Active(&start));
    ExpectAllReachable(&start, {});
    form2 &ray = Navigation::Get().RayForm();
    ASSERT_TRUE(Active(&ray));
    ExpectAllReachable(&ray, {ray.Picture3});
    Form5 &wave = Navigation::Get().WaveForm();
    wave.show();
    ASSERT_TRUE(Active(&wave));
    ExpectAllReachable(&wave, {wave.Picture4});
    Navigation::Get().Reset();
}

TEST(Keyboard, BothModelsRaysSweepsAPointAndTheEndWithKeysAlone)
{
    ResetEndRequest();
    Form3 &start = Navigation::Get().StartForm();
    start.show();
    ASSERT_TRUE(Active(&start));

    // The ray model, by its "Start".
    ASSERT_TRUE(TabTo(start.Command4));
    Key(Qt::Key_Space);
    form2 *ray = Navigation::Get().LoadedRayForm();
    ASSERT_NE(ray, nullptr);
    ASSERT_TRUE(Active(ray));
    EXPECT_FALSE(start.isVisible());

    // A ray at the marked height, then one a step further up.
    ASSERT_TRUE(TabTo(ray->Picture3));
    const QImage strip = ray->Picture1->Image().copy();
    const QImage scene = ray->Picture3->Image().copy();
    Key(Qt::Key_Return);
    EXPECT_NE(ray->Picture1->Image(), strip) << "no mark on the strip";
    EXPECT_NE(ray->Picture3->Image(), scene) << "no ray in the scene";
    EXPECT_FALSE(ray->Label6->isVisible());
    const double height = ray->KeyHeight();
    Key(Qt::Key_Up);
    EXPECT_LT(ray->KeyHeight(), height);
    const QImage afterFirst = ray->Picture1->Image().copy();
    Key(Qt::Key_Enter);
    EXPECT_NE(ray->Picture1->Image(), afterFirst) << "no second mark";
    const QImage afterRays = ray->Picture1->Image().copy();

    // Both sweeps.
    ASSERT_TRUE(TabTo(ray->Command6));
    Key(Qt::Key_Space);
    const QImage afterSlow = ray->Picture1->Image().copy();
    EXPECT_NE(afterSlow, afterRays);
    ASSERT_TRUE(TabTo(ray->Command7));
    Key(Qt::Key_Space);
    EXPECT_NE(ray->Picture1->Image(), afterSlow);

    // Back to the start window, and the wave model by its "Start".
    ASSERT_TRUE(TabTo(ray->Command4));
    Key(Qt::Key_Space);
    ASSERT_TRUE(Active(&start));
    ASSERT_TRUE(TabTo(start.Command3));
    Key(Qt::Key_Space);
    Form5 *wave = Navigation::Get().LoadedWaveForm();
    ASSERT_NE(wave, nullptr);
    ASSERT_TRUE(Active(wave));

    // An observation point moved by the arrows and run by Enter.
    ASSERT_TRUE(TabTo(wave->Picture4));
    const double x = wave->KeyX(), y = wave->KeyY();
    Key(Qt::Key_Left);
    Key(Qt::Key_Down);
    EXPECT_LT(wave->KeyX(), x);
    EXPECT_LT(wave->KeyY(), y);
    const QImage chain = wave->Picture3->Image().copy();
    Key(Qt::Key_Return);
    EXPECT_NE(wave->Picture3->Image(), chain) << "no phasor chain in Bild I";

    // The end, by "End" in the start window.
    ASSERT_TRUE(TabTo(wave->Command3));
    Key(Qt::Key_Space);
    ASSERT_TRUE(Active(&start));
    ASSERT_TRUE(TabTo(start.Command1));
    Key(Qt::Key_Space);
    EXPECT_TRUE(EndRequested());
    Navigation::Get().Reset();
    ResetEndRequest();
}

TEST(Keyboard, TheMarkersAreNeverDrawnIntoThePictures)
{
    // The same ray by mouse and by key draws the same pixels: the marked
    // height lies over the picture, not in it.
    form2 byMouse, byKey;
    for (form2 *f : {&byMouse, &byKey}) f->Form_Load();
    byKey.Picture3->setFocus();
    for (form2 *f : {&byMouse, &byKey}) ASSERT_TRUE(rb::testing::Settle(f));
    byMouse.Picture3_MouseDown(kLeftButton, 0, 0, byKey.KeyHeight());
    byMouse.Picture3_MouseUp(kLeftButton, 0, 0, byKey.KeyHeight());
    byKey.Picture3_KeyDown(Qt::Key_Return, 0);
    EXPECT_EQ(byKey.Picture3->Image(), byMouse.Picture3->Image());
    EXPECT_EQ(byKey.Picture1->Image(), byMouse.Picture1->Image());
}
