// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// Rays placed with the mouse: traced at the pointer's height and marked on
// the strip.
#include "tavrin/raymodel/model/ray_model.h"
#include "tests/support/recording_canvas.h"
#include "common/canvas/dropped_calls.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace rb;
using namespace rb::tavrin;

namespace {

constexpr double kDeg = 180 / std::numbers::pi;

struct Window {
    RayModel model;
    RecordingCanvas scene, strip;
};

// The mark's height on the strip, or NaN when none was drawn.
double MarkY(const RecordingCanvas &strip)
{
    const auto marks = strip.OfKind(DrawOp::Segment);
    return marks.empty() ? std::nan("") : marks.back().y1;
}

} // namespace

TEST(MouseRay, PressAtTheBowMarksTheStripInTheRayColour)
{
    Window w;
    w.model.refrIndex = 1.5; // replaced by the press
    ASSERT_TRUE(w.model.PlaceRayByPress(w.scene, w.strip, -689));
    EXPECT_EQ(w.model.refrIndex, 1.3312);
    EXPECT_NEAR(w.model.scatterAngle, 42.34, 0.005);
    const auto marks = w.strip.OfKind(DrawOp::Segment);
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0].x1, 0);
    EXPECT_EQ(marks[0].x2, 150);
    EXPECT_EQ(marks[0].y1, marks[0].y2);
    EXPECT_NEAR(marks[0].y1, 1850 - 30 * 42.34, 0.2);
    EXPECT_EQ(marks[0].color, RGB(255, 0, 0));
    EXPECT_EQ(w.scene.Count(DrawOp::Segment), 6u);
    EXPECT_EQ(w.scene.Ops()[0].y1, -689);
}

TEST(MouseRay, PointerLevelWithTheDropEdgeOrBeyondDrawsNothing)
{
    for (float y : {800.0f, -800.0f, 800.5f, -1200.0f, 5000.0f}) {
        Window w;
        EXPECT_FALSE(w.model.PlaceRayByPress(w.scene, w.strip, y)) << y;
        EXPECT_FALSE(w.model.PlaceRay(w.scene, w.strip, y)) << y;
        EXPECT_TRUE(w.scene.Ops().empty()) << y;
        EXPECT_TRUE(w.strip.Ops().empty()) << y;
    }
    Window w; // just inside still traces
    EXPECT_TRUE(w.model.PlaceRay(w.scene, w.strip, 799.99f));
    EXPECT_EQ(DroppedNonFiniteCalls(), 0u);
}

// With three reflections a press and a move at the same height give the
// same W, 180° beyond the strip.
TEST(MouseRay, PressAndMoveMarkTheSameAngle)
{
    for (int k : {1, 2, 3, 5}) {
        Window press, move;
        press.model.reflCount = move.model.reflCount = static_cast<std::int16_t>(k);
        press.model.PlaceRayByPress(press.scene, press.strip, -100);
        move.model.SetRefractiveIndex();
        move.model.PlaceRay(move.scene, move.strip, -100);
        EXPECT_EQ(MarkY(press.strip), MarkY(move.strip)) << "k=" << k;
        EXPECT_EQ(press.scene.Ops().size(), move.scene.Ops().size());
        if (k == 3) {
            EXPECT_NEAR(press.model.incAngle * kDeg, -7.18, 0.005);
            EXPECT_NEAR(press.model.refrAngle * kDeg, -5.39, 0.005);
            EXPECT_NEAR(press.model.scatterAngle, 208.7, 0.05);
            EXPECT_LT(MarkY(press.strip), 0); // above the strip, not seen
        }
    }
}

TEST(MouseRay, DragKeepsTheIndexOfItsPress)
{
    Window w;
    w.model.PlaceRayByPress(w.scene, w.strip, -600);
    w.model.material = 1; // glass chosen in the middle of a drag
    w.model.PlaceRay(w.scene, w.strip, -610);
    EXPECT_EQ(w.model.refrIndex, 1.3312);
    w.model.PlaceRayByPress(w.scene, w.strip, -620);
    EXPECT_EQ(w.model.refrIndex, 1.5076);
}
