// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The sweep, the observation point by hand, the single ray and the angle
// scale, drawn on recording surfaces.
#include "tavrin/wavemodel/model/angle_scale.h"
#include "tavrin/wavemodel/model/fan_reflection.h"
#include "tests/support/recording_canvas.h"
#include "tavrin/wavemodel/model/wave_fan.h"
#include "tavrin/wavemodel/model/wave_runs.h"
#include "tavrin/wavemodel/model/whole_drop.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

using namespace rb;
using namespace rb::tavrin;

namespace {

constexpr double kPi = 3.14159265358979323846;

// The runs of the wave model (sweep, point by hand, single ray) on four
// recording surfaces in place of the window's pictures, with hooks that
// note the readout and the yields as a window would see them.
class RecordedWaveRuns : public ::testing::Test {
protected:
    WaveModel model;
    RecordingCanvas form, picture3, picture4, picture1;
    std::vector<double> angles;
    std::vector<std::pair<double, double>> descartes; // degrees, x
    bool readoutVisible = false;
    int yields = 0;
    // Runs during the n-th yield (counted from 1); false ends the program.
    std::function<bool(int)> onYield = [](int) { return true; };

    WaveRuns runs{model,
                  {.background = form, .chain = picture3, .drop = picture4, .bars = picture1},
                  {.DoEvents = [this] { return onYield(++yields); },
                   .ShowAngle = [this](double a) { angles.push_back(a); },
                   .ShowReadout = [this](bool v) { readoutVisible = v; },
                   .ShowDescartes = [this](WaveColour, double degrees,
                                           double x) { descartes.push_back({degrees, x}); }}};

    std::vector<DrawOp> Bars() const { return picture1.OfKind(DrawOp::Segment); }
    // Amplitude of a bar: 4 drawing units per unit.
    static double Amplitude(const DrawOp &bar) { return bar.y2 / 4.0; }
};

const DrawOp &TallestBar(const std::vector<DrawOp> &bars, double fromX, double toX)
{
    const DrawOp *best = nullptr;
    for (const DrawOp &b : bars)
        if (b.x1 >= fromX && b.x1 <= toX && (!best || b.y2 > best->y2)) best = &b;
    return *best;
}

} // namespace

TEST_F(RecordedWaveRuns, SweepShowsMainBowAndInnerBows)
{
    model.drawFigures = false;
    EXPECT_EQ(runs.AutomaticSweep(), RunEnd::Completed);
    const auto bars = Bars();
    ASSERT_EQ(bars.size(), 191u);
    EXPECT_EQ(bars.front().x1, -198000);
    EXPECT_EQ(bars.back().x1, -160000);
    EXPECT_EQ(bars.front().color, RGB(255, 0, 0));

    // The main bow: every bar above 250 stands near 42.6° … 42.9°, the
    // tallest with nearly all 321 phasors in line.
    const DrawOp &top = TallestBar(bars, -200000, 0);
    EXPECT_GE(top.x1, -186000);
    EXPECT_LE(top.x1, -184000);
    EXPECT_GT(Amplitude(top), 310);
    for (const DrawOp &b : bars)
        EXPECT_TRUE(Amplitude(b) <= 250 || (b.x1 >= -186200 && b.x1 <= -184000)) << b.x1;
    // The inner bows, further right at smaller angles.
    const DrawOp &inner1 = TallestBar(bars, -182000, -178600);
    EXPECT_NEAR(ReadoutAngle(inner1.x1, model.piValue), 42.1, 0.05);
    EXPECT_NEAR(Amplitude(inner1), 100, 5);
    const DrawOp &inner2 = TallestBar(bars, -178400, -175200);
    EXPECT_NEAR(ReadoutAngle(inner2.x1, model.piValue), 41.5, 0.05);
    EXPECT_NEAR(Amplitude(inner2), 55, 5);

    // The bare loop computes the very same amplitudes.
    const std::vector<double> bare = SweepAmplitudes(model);
    ASSERT_EQ(bare.size(), bars.size());
    for (std::size_t i = 0; i < bare.size(); ++i) EXPECT_DOUBLE_EQ(4 * bare[i], bars[i].y2);

    ASSERT_EQ(angles.size(), 191u);
    EXPECT_EQ(angles.front(), 44.71);
    EXPECT_EQ(angles.back(), 38.66);
    EXPECT_TRUE(readoutVisible);
    EXPECT_TRUE(picture3.Ops().empty());
    EXPECT_TRUE(picture4.Ops().empty());
    EXPECT_EQ(yields, 191 * 321 + 191);
    EXPECT_FALSE(model.stopRequest);

    // Bild III is never cleared: a green sweep interleaves its bars 50 units
    // to the right of the red ones.
    model.SelectColour(WaveColour::Green);
    runs.AutomaticSweep();
    const auto both = Bars();
    ASSERT_EQ(both.size(), 2u * 191);
    EXPECT_EQ(both[191].x1, -197950);
    EXPECT_EQ(both[191].color, RGB(0, 255, 0));
}

TEST_F(RecordedWaveRuns, StopDuringAYieldTakesEffectBeforeTheNextRay)
{
    // Stopped at the yield after ray k of the second position: k = 321 is
    // the last ray, so the position's bar is not drawn either way.
    for (int k : {100, 321}) {
        model = WaveModel();
        picture1.Forget();
        picture3.Forget();
        picture4.Forget();
        angles.clear();
        yields = 0;
        const int stopAt = 322 + k; // 321 rays + the bar's yield, then k rays
        onYield = [&](int n) {
            if (n == stopAt) model.stopRequest = true;
            return true;
        };
        EXPECT_EQ(runs.AutomaticSweep(), RunEnd::Stopped) << k;
        EXPECT_EQ(yields, stopAt);
        EXPECT_EQ(Bars().size(), 1u); // only the first position's bar
        EXPECT_EQ(angles.back(), 44.68);
        // Four lines per ray traced: all of the first position, k of the second.
        EXPECT_EQ(picture4.Count(DrawOp::Segment), (321u + k) * 4);
        EXPECT_EQ(picture3.Count(DrawOp::Segment), 321u + k);
    }
}

TEST_F(RecordedWaveRuns, EndingProgramUnwindsAtOnce)
{
    onYield = [](int n) { return n < 50; };
    EXPECT_EQ(runs.AutomaticSweep(), RunEnd::ProgramEnding);
    const std::size_t drawn = picture4.Ops().size();
    EXPECT_EQ(yields, 50);
    EXPECT_EQ(drawn, 2u + 50 * 4); // clear, circle, 50 rays
    EXPECT_TRUE(Bars().empty());

    yields = 0;
    picture3.Forget();
    EXPECT_EQ(runs.ObservationPointByHand(-20000, -10000), RunEnd::ProgramEnding);
    EXPECT_EQ(picture3.Count(DrawOp::Segment), 50u); // the chain so far; no resultant
}

TEST_F(RecordedWaveRuns, NestedByHandRunLetsTheSweepGoOn)
{
    model.drawFigures = false;
    onYield = [&](int n) {
        if (n == 1000) {
            model.stopRequest = true; // e.g. a colour click, then a click into Bild II
            runs.ObservationPointByHand(-20000, -10000);
        }
        return true;
    };
    EXPECT_EQ(runs.AutomaticSweep(), RunEnd::Completed);
    EXPECT_EQ(Bars().size(), 191u);
}

TEST_F(RecordedWaveRuns, NestedSweepEndsTheInterruptedOneAfterItsPosition)
{
    model.drawFigures = false;
    bool nested = false;
    onYield = [&](int n) {
        if (n == 400 && !nested) { // inside the second position
            nested = true;
            EXPECT_EQ(runs.AutomaticSweep(), RunEnd::Completed);
        }
        return true;
    };
    EXPECT_EQ(runs.AutomaticSweep(), RunEnd::Completed);
    const auto bars = Bars();
    // The outer sweep's first bar, the nested sweep's 191, then the outer's
    // interrupted position at obsCoord past the end, beyond Bild III.
    ASSERT_EQ(bars.size(), 1u + 191 + 1);
    EXPECT_EQ(bars.back().x1, -159800);
}

TEST_F(RecordedWaveRuns, ByHandRunDrawsRaysChainAndResultant)
{
    picture3.SetForeColor(RGB(0, 0, 0));
    EXPECT_EQ(runs.ObservationPointByHand(-20000, -12000), RunEnd::Completed);
    EXPECT_FALSE(readoutVisible);
    EXPECT_TRUE(picture1.Ops().empty());
    EXPECT_EQ(picture4.Count(DrawOp::Arc), 1u);
    const auto rays = picture4.OfKind(DrawOp::Segment);
    ASSERT_EQ(rays.size(), 321u * 4); // incoming, two chords, to the point
    EXPECT_EQ(std::count_if(rays.begin(), rays.end(),
                            [](const DrawOp &r) { return r.x2 == -20000 && r.y2 == -12000; }),
              321);
    ASSERT_EQ(picture3.Count(DrawOp::Dot), 1u);
    const auto chain = picture3.OfKind(DrawOp::Segment);
    ASSERT_EQ(chain.size(), 321u + 1);
    EXPECT_EQ(chain.front().x1, 0);
    const DrawOp &resultant = chain.back();
    EXPECT_EQ(resultant.color, RGB(255, 0, 0));
    EXPECT_EQ(resultant.width, 3);
    EXPECT_EQ(resultant.x2, chain[320].x2);
    EXPECT_EQ(resultant.y2, chain[320].y2);
    EXPECT_EQ(picture3.DrawWidth(), 1);

    // With the figures off only the centre dot of Bild I.
    picture3.Forget();
    picture4.Forget();
    model.drawFigures = false;
    runs.ObservationPointByHand(-20000, -12000);
    EXPECT_EQ(picture3.Ops().size(), 1u);
    EXPECT_EQ(picture3.Count(DrawOp::Dot), 1u);
    EXPECT_TRUE(picture4.Ops().empty());
}

TEST_F(RecordedWaveRuns, StoppedByHandRunStillDrawsTheResultantAndClearsTheStop)
{
    onYield = [&](int n) {
        if (n == 10) model.stopRequest = true;
        return true;
    };
    EXPECT_EQ(runs.ObservationPointByHand(-20000, -12000), RunEnd::Stopped);
    EXPECT_EQ(picture3.Count(DrawOp::Segment), 10u + 1);
    EXPECT_FALSE(model.stopRequest);
}

TEST_F(RecordedWaveRuns, SingleRayDrawsTheBowsOfItsButton)
{
    struct Case {
        double y;
        int button;
        bool figures;
        std::size_t onForm, inBild2;
    };
    const Case cases[] = {
        {1800, 1, true, 1, 5},  // reflected, two chords, transmitted, primary bow
        {1800, 2, true, 1, 7},  // and a chord and the secondary bow
        {500, 4, true, 1, 5},   // the middle button counts as left
        {1800, 1, false, 1, 0}, // the stroke on the window only
        {2000, 1, true, 0, 0},  // below the drop: nothing
        {2600, 2, true, 0, 0},
    };
    for (const Case &c : cases) {
        form.Forget();
        picture4.Forget();
        model.drawFigures = c.figures;
        EXPECT_EQ(runs.SingleRay(300, c.y, c.button), c.onForm == 1) << c.y;
        EXPECT_EQ(form.Count(DrawOp::Segment), c.onForm) << c.y << " " << c.button;
        EXPECT_EQ(picture4.Count(DrawOp::Segment), c.inBild2) << c.y << " " << c.button;
    }
    EXPECT_EQ(yields, 0);
}

TEST(AngleScale, HasSixLongAndSixtyShortMarks)
{
    RecordingCanvas picture2;
    const double pi = 4 * std::atan(1.0);
    DrawAngleScale(picture2, pi);
    const auto marks = picture2.OfKind(DrawOp::Segment);
    const auto isLong = [](const DrawOp &m) { return m.width == 3 && m.y2 == 100; };
    const auto isShort = [](const DrawOp &m) { return m.width == 1 && m.y2 == 50; };
    ASSERT_EQ(std::count_if(marks.begin(), marks.end(), isLong), 6);
    ASSERT_EQ(std::count_if(marks.begin(), marks.end(), isShort), 60);
    EXPECT_DOUBLE_EQ(marks[0].x1, AngleScaleX(39, pi));
    EXPECT_NEAR(marks[6].x1, AngleScaleX(38.4, pi), 1e-6);
    EXPECT_NEAR(marks.back().x1, AngleScaleX(44.3, pi), 1e-6);
    EXPECT_EQ(picture2.DrawWidth(), 1);
    // The degree labels' places, 44° … 39°, left to right.
    EXPECT_NEAR(AngleScaleX(44, pi), -195138, 1);
    EXPECT_NEAR(AngleScaleX(39, pi), -163957, 1);
}

TEST_F(RecordedWaveRuns, WholeDropSweepDrawsNormalisedBarsAtTheScalesAnglesWithOrWithoutFigures)
{
    model.SelectPhasorModel(PhasorModel::WholeDrop);
    model.SetDiameter(200); // a coarse fan keeps the test quick
    model.showTheory = true;
    const WholeDropFan fan(WaterIndex(WaveColour::Red), SizeParameter(200, 0.656), kBowFromDegrees * kPi / 180,
                           kBowToDegrees * kPi / 180);
    for (const bool figures : {false, true}) {
        picture1.Forget();
        picture3.Forget();
        picture4.Forget();
        angles.clear();
        descartes.clear();
        model.drawFigures = figures;
        EXPECT_EQ(runs.AutomaticSweep(), RunEnd::Completed);
        // 191 bars where the scale puts their angle, no offset, as high as
        // the fan's own sum; then Airy's curve and Descartes' line.
        const auto ops = picture1.OfKind(DrawOp::Segment);
        ASSERT_GT(ops.size(), 191u);
        for (int i = 0; i < 191; ++i) {
            const double x = kObsFirst + i * kObsStep;
            ASSERT_EQ(ops[i].x1, x);
            EXPECT_DOUBLE_EQ(ops[i].y2, fan.Amplitude(AngleAtScaleX(x))) << figures << " " << i;
        }
        EXPECT_EQ(angles.front(), 44.42); // the scale's angle at the left edge
        EXPECT_EQ(angles.back(), 38.31);
        ASSERT_EQ(descartes.size(), 1u);
        EXPECT_EQ(descartes[0].first, 42.34);
        if (figures) {
            // A readable handful of rays per position, the chain inside Bild I.
            const auto rays = picture4.OfKind(DrawOp::Segment);
            EXPECT_LE(rays.size(), 191u * 13 * 4);
            for (const DrawOp &link : picture3.OfKind(DrawOp::Segment)) {
                EXPECT_LE(std::max(std::fabs(link.x2), std::fabs(link.y2)), 90.0 + 1e-9);
            }
        } else {
            EXPECT_TRUE(picture3.Ops().empty() && picture4.Ops().empty());
        }
    }
}

TEST_F(RecordedWaveRuns, WholeDropByHandLooksTowardsTheClickedPointAndStopsBeforeTheNextRay)
{
    model.SelectPhasorModel(PhasorModel::WholeDrop);
    model.SetDiameter(200);
    EXPECT_EQ(runs.ObservationPointByHand(-20000, -18000), RunEnd::Completed);
    const auto rays = picture4.OfKind(DrawOp::Segment);
    ASSERT_FALSE(rays.empty());
    // Each ray leaves towards the clicked point's direction from the centre.
    const DrawOp &out = rays[3];
    EXPECT_NEAR(std::atan2(out.y2 - out.y1, out.x2 - out.x1), std::atan2(-18000.0, -20000.0), 1e-9);
    const DrawOp resultant = picture3.OfKind(DrawOp::Segment).back();
    EXPECT_EQ(resultant.color, RGB(255, 0, 0));
    EXPECT_EQ(resultant.width, 3);

    picture3.Forget();
    onYield = [&](int n) {
        if (n == 7) model.stopRequest = true;
        return true;
    };
    yields = 0;
    EXPECT_EQ(runs.ObservationPointByHand(-20000, -18000), RunEnd::Stopped);
    EXPECT_EQ(picture3.Count(DrawOp::Segment), 7u + 1); // seven links and the resultant
}

// "Außenreflexion" with the fan of 321 rays: the light reflected off the
// drop's near side is one more link at the end of each chain, drawn with
// its ray, and changes each bar by no more than its own length.
TEST_F(RecordedWaveRuns, OuterReflectionIsTheLastLinkOfTheFansChain)
{
    const double bx = kObserverX, by = -190000; // 43.5°, in Alexander's band
    model.SetOuterReflection(true);
    EXPECT_EQ(runs.ObservationPointByHand(bx, by), RunEnd::Completed);
    const auto links = picture3.OfKind(DrawOp::Segment);
    ASSERT_EQ(links.size(), 321u + 1 + 1); // the rays, the reflection, the resultant
    model.UpdateWaveUnits();
    const FanReflection r = ReflectionTowards(model, bx, by);
    ASSERT_TRUE(r.reaches);
    EXPECT_LT(r.b, -0.3 * model.dropRadius); // the near side, a third below the centre
    const Phasor last = r.For(Component::Unit, model.refrIndex, model.dropRadius);
    const DrawOp &link = links[321];
    EXPECT_NEAR(link.x2 - link.x1, last.cosPhi, 1e-6);
    EXPECT_NEAR(link.y2 - link.y1, last.sinPhi, 1e-6);
    // Its ray in Bild II: in at the height b, reflected at the drop towards B.
    const auto rays = picture4.OfKind(DrawOp::Segment);
    ASSERT_EQ(rays.size(), 321u * 4 + 2);
    EXPECT_EQ(rays[321 * 4].y1, r.b);
    EXPECT_NEAR(std::hypot(rays.back().x1, rays.back().y1), model.dropRadius, 1e-6);
    EXPECT_EQ(rays.back().x2, bx);
    EXPECT_EQ(rays.back().y2, by);

    model.drawFigures = false;
    model.SetOuterReflection(false);
    runs.AutomaticSweep();
    const auto without = Bars();
    picture1.Forget();
    model.SetOuterReflection(true);
    runs.AutomaticSweep();
    const auto with = Bars();
    ASSERT_EQ(with.size(), 191u);
    double changed = 0;
    for (std::size_t i = 0; i < with.size(); ++i) {
        const double length = std::hypot(last.cosPhi, last.sinPhi);
        EXPECT_LE(std::fabs(Amplitude(with[i]) - Amplitude(without[i])), 1.05 * length) << i;
        changed = std::max(changed, std::fabs(Amplitude(with[i]) - Amplitude(without[i])));
    }
    EXPECT_GT(changed, 20);
}
