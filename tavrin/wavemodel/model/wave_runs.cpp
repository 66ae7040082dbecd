// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tavrin/wavemodel/model/wave_runs.h"

#include "tavrin/wavemodel/model/airy_theory.h"
#include "tavrin/wavemodel/model/angle_scale.h"
#include "tavrin/wavemodel/model/fan_reflection.h"
#include "tavrin/wavemodel/model/polarised_chain.h"
#include "tavrin/wavemodel/model/wave_fan.h"
#include "tavrin/wavemodel/model/whole_drop.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace rb::tavrin {

namespace {

// The sweep draws its chain at a quarter: at most 321 / 4 fits in Bild I's
// ±100. The by-hand run draws it at full scale and lets the surface clip.
constexpr double kSweepChainScale = 4.0;
// Bars grow 4 units per unit of amplitude: at most 1284 of Bild III's 2000.
constexpr double kBarUnitsPerAmplitude = 4.0;
constexpr int kBarWidth = 1;
constexpr int kThinPen = 1, kThickPen = 3;
constexpr Color kResultantColor = RGB(255, 0, 0);
constexpr int kRightButton = 2;

// Whole drop: the chain fills this much of Bild I's ±100; Bild II shows
// about this many of the fan's rays, each running this far towards the
// observer at infinity.
constexpr double kChainFill = 90.0;
constexpr int kRaysShown = 12;
constexpr double kSweepRayLength = 40000.0;
constexpr double kPi = 3.14159265358979323846;

double RoundedDegrees(double radians) { return std::floor(100.0 * radians * 180.0 / kPi + 0.5) / 100.0; }

double runPace = 1.0;

} // namespace

void SetRunPace(double factor) { runPace = factor; }
double RunPace() { return runPace; }

WaveRuns::WaveRuns(WaveModel &model, WaveSurfaces surfaces, WaveRunHooks hooks)
    : m_(model), s_(surfaces), hooks_(std::move(hooks))
{
}

bool WaveRuns::Yield() { return !hooks_.DoEvents || hooks_.DoEvents(); }

bool WaveRuns::PacedYield(Clock::time_point start, double paceMs, int done, int steps)
{
    if (paceMs > 0.0 && hooks_.Wait) {
        const auto due = start + std::chrono::duration<double, std::milli>(paceMs * done / steps);
        const double ahead = std::chrono::duration<double, std::milli>(due - Clock::now()).count();
        if (ahead >= 1.0) return hooks_.Wait(int(ahead));
    }
    return Yield();
}

void WaveRuns::ClearFigures()
{
    s_.chain.Cls(); // the chain starts at the centre of Bild I
    s_.drop.Cls();
    s_.drop.Circle(0.0, 0.0, m_.dropRadius);
}

void WaveRuns::DrawBar(double amplitude)
{
    const double x = m_.obsCoord + m_.barOffset;
    s_.bars.SetDrawWidth(kBarWidth);
    s_.bars.Line(x, 0.0, x, kBarUnitsPerAmplitude * amplitude, m_.RayColor());
    if (hooks_.BarDrawn) hooks_.BarDrawn(x, amplitude, kBarUnitsPerAmplitude * amplitude);
}

RunEnd WaveRuns::AutomaticSweep()
{
    if (m_.phasorModel == PhasorModel::WholeDrop) return WholeDropSweep();
    m_.UpdateWaveUnits();
    m_.stopRequest = false;
    if (hooks_.ShowReadout) hooks_.ShowReadout(true);

    // obsCoord itself is the counter: a sweep started during a yield moves
    // it for this one too.
    for (m_.obsCoord = kObsFirst; m_.obsCoord <= kObsLast; m_.obsCoord += kObsStep) {
        if (hooks_.ShowAngle) hooks_.ShowAngle(ReadoutAngle(m_.obsCoord, m_.piValue));
        if (m_.drawFigures) ClearFigures();
        const double pace = m_.drawFigures ? kPositionPaceMs * runPace / m_.sweepSpeed : 0.0;
        const Clock::time_point start = Clock::now();
        PolarisedChains sum(m_.polarisation);
        int traced = 0;
        for (double b = kFanFirst; b >= kFanLast; b -= kFanStep) {
            if (m_.stopRequest) break;
            const Phasor p = m_.TraceRayPhase(b, kObserverX, m_.obsCoord, s_.drop);
            sum.AddRay(p, m_.incAngle, m_.refrAngle);
            if (m_.drawFigures)
                sum.DrawLinks(s_.chain, sum.C() / kSweepChainScale, sum.S() / kSweepChainScale,
                              sum.C2() / kSweepChainScale, sum.S2() / kSweepChainScale);
            if (!PacedYield(start, pace, ++traced, kFanRays)) return RunEnd::ProgramEnding;
        }
        // An interrupted position would give a wrong bar: draw none.
        if (m_.stopRequest) return RunEnd::Stopped;
        if (m_.outerReflection) AddFanReflection(sum, kObserverX, m_.obsCoord, 1.0 / kSweepChainScale);
        if (hooks_.ChainSummed) hooks_.ChainSummed(sum.C(), sum.S());
        DrawBar(sum.Amplitude());
        if (!Yield()) return RunEnd::ProgramEnding;
    }
    m_.stopRequest = false;
    if (m_.showTheory) DrawTheory();
    return RunEnd::Completed;
}

void WaveRuns::AddFanReflection(PolarisedChains &sum, double bx, double by, double chainScale)
{
    const FanReflection r = ReflectionTowards(m_, bx, by);
    if (!r.reaches) return;
    const double n = m_.refrIndex, radius = m_.dropRadius;
    sum.Add(r.For(sum.First(), n, radius), sum.Two() ? r.For(sum.Second(), n, radius) : Phasor{0.0, 0.0});
    if (!m_.drawFigures) return;
    s_.drop.Line(kIncomingFromX, r.b, r.qx, r.qy, m_.RayColor());
    s_.drop.Line(r.qx, r.qy, bx, by, m_.RayColor());
    sum.DrawLinks(s_.chain, chainScale * sum.C(), chainScale * sum.S(), chainScale * sum.C2(), chainScale * sum.S2());
}

void WaveRuns::DrawResultant(double c, double s)
{
    s_.chain.SetDrawWidth(kThickPen);
    s_.chain.Line(0.0, 0.0, c, s, kResultantColor);
    s_.chain.SetDrawWidth(kThinPen);
}

void WaveRuns::DrawResultants(const PolarisedChains &sum, double scale)
{
    DrawResultant(scale * sum.C(), scale * sum.S());
    if (sum.Two()) DrawResultant(scale * sum.C2(), scale * sum.S2());
}

void WaveRuns::StartByHand()
{
    m_.stopRequest = false;
    if (hooks_.ShowReadout) hooks_.ShowReadout(false);
    if (m_.drawFigures) ClearFigures();
    // The origin of Bild I is marked, figures or not, and becomes the start
    // of the chain.
    s_.chain.SetDrawWidth(kThickPen);
    s_.chain.PSet(0.0, 0.0);
    s_.chain.SetDrawWidth(kThinPen);
}

RunEnd WaveRuns::ObservationPointByHand(double x, double y)
{
    if (m_.phasorModel == PhasorModel::WholeDrop) return WholeDropByHand(x, y);
    m_.UpdateWaveUnits();
    StartByHand();

    const double pace = m_.drawFigures ? kByHandPaceMs * runPace : 0.0;
    const Clock::time_point start = Clock::now();
    PolarisedChains sum(m_.polarisation);
    bool stopped = false;
    int traced = 0;
    for (double b = kFanFirst; b >= kFanLast; b -= kFanStep) {
        if (m_.stopRequest) {
            stopped = true;
            break;
        }
        const Phasor p = m_.TraceRayPhase(b, x, y, s_.drop);
        sum.AddRay(p, m_.incAngle, m_.refrAngle);
        if (m_.drawFigures) sum.DrawLinks(s_.chain, sum.C(), sum.S(), sum.C2(), sum.S2());
        if (!PacedYield(start, pace, ++traced, kFanRays)) return RunEnd::ProgramEnding;
    }
    if (!stopped && m_.outerReflection) AddFanReflection(sum, x, y, 1.0);
    // Also after a stop: the resultant of the rays summed so far.
    if (m_.drawFigures) DrawResultants(sum, 1.0);
    if (hooks_.ChainSummed) hooks_.ChainSummed(sum.C(), sum.S());
    if (!Yield()) return RunEnd::ProgramEnding;
    m_.stopRequest = false;
    return stopped ? RunEnd::Stopped : RunEnd::Completed;
}

// --- the whole drop ----------------------------------------------------------

WholeDropFans WaveRuns::FanFor(double thetaFrom, double thetaTo)
{
    const double n = WaterIndex(m_.colour);
    const double ka = SizeParameter(m_.diameterValue, WavelengthMicrons(m_.colour));
    const bool sweep = thetaFrom != thetaTo;
    const ChainComponents parts = ComponentsOf(m_.polarisation);
    // The plain fan is laid out for the directions it serves; the partial
    // waves serve every direction, by hand too, and s and p share the
    // drop's surface coefficients.
    std::optional<optics::DebyeSurfaces> surfaces;
    auto make = [&](std::shared_ptr<const WholeDropFan> &kept, Component c) {
        const bool reusable = sweep || c != Component::Unit;
        if (reusable && kept && kept->RefrIndex() == n && kept->SizeParameter() == ka && kept->Part() == c)
            return kept;
        std::shared_ptr<const WholeDropFan> fan;
        if (c == Component::Unit) {
            fan = std::make_shared<const WholeDropFan>(n, ka, thetaFrom, thetaTo, c);
        } else {
            if (!surfaces) surfaces.emplace(optics::DebyeSurfacesFor(optics::Complex(n, 0.0), ka));
            fan = std::make_shared<const WholeDropFan>(*surfaces, n, ka, c);
        }
        if (reusable) kept = fan;
        return fan;
    };
    WholeDropFans fans{make(fan_, parts.first), nullptr};
    if (parts.two) fans.second = make(fan2_, parts.second);
    return fans;
}

double WaveRuns::DrawWholeDropDirection(const WholeDropFans &fans, double theta, double rayLength, double paceMs,
                                        bool resultant, RunEnd &end)
{
    // The whole chain first, to scale it to fit Bild I; then it is drawn
    // link by link with its rays, as the fan of 321 rays draws its own.
    // The outer reflection, if asked for, is the last link of each chain.
    const WholeDropFan &fan = *fans.first;
    const optics::FanDirection towards(theta);
    const int links = fan.Rays() + (m_.outerReflection ? 1 : 0);
    std::vector<Phasor> chain(links), chain2(fans.second ? links : 0);
    double c = 0.0, s = 0.0, c2 = 0.0, s2 = 0.0, extent = 0.0;
    for (int j = 0; j < links; ++j) {
        const bool last = j == fan.Rays();
        const Phasor p = last ? fan.OuterReflection(theta) : fan.Term(j, towards);
        c += p.cosPhi;
        s += p.sinPhi;
        chain[j] = {c, s};
        extent = std::max({extent, std::fabs(c), std::fabs(s)});
        if (!fans.second) continue;
        const Phasor q = last ? fans.second->OuterReflection(theta) : fans.second->Term(j, towards);
        c2 += q.cosPhi;
        s2 += q.sinPhi;
        chain2[j] = {c2, s2};
        extent = std::max({extent, std::fabs(c2), std::fabs(s2)});
    }
    const double scale = extent > 0.0 ? kChainFill / extent : 1.0;
    const int stride = std::max(1, fan.Rays() / kRaysShown);

    const Clock::time_point start = Clock::now();
    end = RunEnd::Completed;
    PolarisedChains sum(m_.polarisation);
    double lastC = 0.0, lastS = 0.0, lastC2 = 0.0, lastS2 = 0.0;
    for (int j = 0; j < links; ++j) {
        if (m_.stopRequest) {
            end = RunEnd::Stopped;
            break;
        }
        lastC = chain[j].cosPhi;
        lastS = chain[j].sinPhi;
        if (fans.second) {
            lastC2 = chain2[j].cosPhi;
            lastS2 = chain2[j].sinPhi;
        }
        sum.DrawLinks(s_.chain, scale * lastC, scale * lastS, scale * lastC2, scale * lastS2);
        if (j < fan.Rays() && j % stride == stride / 2)
            DrawWholeDropRay(s_.drop, fan, j, theta, m_.dropRadius, rayLength, m_.RayColor());
        if (j == fan.Rays()) DrawWholeDropReflection(s_.drop, theta, m_.dropRadius, rayLength, m_.RayColor());
        if (!PacedYield(start, paceMs, j + 1, links)) {
            end = RunEnd::ProgramEnding;
            return -1.0;
        }
    }
    if (resultant) {
        DrawResultant(scale * lastC, scale * lastS);
        if (fans.second) DrawResultant(scale * lastC2, scale * lastS2);
    }
    if (end != RunEnd::Completed) return -1.0;
    return fan.BarScaleAt(theta) * BarAmplitude(fans.second != nullptr, lastC, lastS, lastC2, lastS2);
}

RunEnd WaveRuns::WholeDropSweep()
{
    m_.stopRequest = false;
    if (hooks_.ShowReadout) hooks_.ShowReadout(true);
    const double pi = kPi;
    const WholeDropFans fans = FanFor(kBowFromDegrees * pi / 180.0, kBowToDegrees * pi / 180.0);
    const WholeDropFan &fan = *fans.first;

    for (m_.obsCoord = kObsFirst; m_.obsCoord <= kObsLast; m_.obsCoord += kObsStep) {
        // The direction the angle scale gives this place: readout, bar and
        // scale agree.
        const double theta = AngleAtScaleX(m_.obsCoord);
        if (hooks_.ShowAngle) hooks_.ShowAngle(RoundedDegrees(theta));
        double amplitude = 0.0;
        if (m_.drawFigures) {
            ClearFigures();
            RunEnd end = RunEnd::Completed;
            amplitude = DrawWholeDropDirection(fans, theta, kSweepRayLength,
                                               kPositionPaceMs * runPace / m_.sweepSpeed, false, end);
            if (end == RunEnd::ProgramEnding) return end;
        } else {
            const optics::FanDirection towards(theta);
            PolarisedChains sum(m_.polarisation);
            for (int j = 0; j < fan.Rays(); ++j) {
                if (m_.stopRequest) break;
                sum.Add(fan.Term(j, towards), fans.second ? fans.second->Term(j, towards) : Phasor{0.0, 0.0});
                if (!Yield()) return RunEnd::ProgramEnding;
            }
            if (m_.outerReflection)
                sum.Add(fan.OuterReflection(theta), fans.second ? fans.second->OuterReflection(theta) : Phasor{0.0, 0.0});
            amplitude = fan.BarScaleAt(theta) * sum.Amplitude();
        }
        if (m_.stopRequest) return RunEnd::Stopped;
        // Normalised to Airy's main maximum, 1000 of Bild III's 2000.
        s_.bars.SetDrawWidth(kBarWidth);
        s_.bars.Line(m_.obsCoord, 0.0, m_.obsCoord, amplitude, m_.RayColor());
        if (hooks_.BarDrawn) hooks_.BarDrawn(m_.obsCoord, amplitude, amplitude);
        if (!Yield()) return RunEnd::ProgramEnding;
    }
    m_.stopRequest = false;
    if (m_.showTheory) DrawTheory();
    return RunEnd::Completed;
}

RunEnd WaveRuns::WholeDropByHand(double x, double y)
{
    StartByHand();
    if (!m_.drawFigures) {
        if (!Yield()) return RunEnd::ProgramEnding;
        m_.stopRequest = false;
        return RunEnd::Completed;
    }
    // The observer at infinity in the direction of the clicked point, seen
    // from the drop's centre; the rays run out to the point's distance.
    const double theta = std::atan2(-y, -x);
    const WholeDropFans fans = FanFor(theta, theta);
    RunEnd end = RunEnd::Completed;
    DrawWholeDropDirection(fans, theta, std::hypot(x, y), kByHandPaceMs * runPace, true, end);
    if (end == RunEnd::ProgramEnding || !Yield()) return RunEnd::ProgramEnding;
    m_.stopRequest = false;
    return end;
}

void WaveRuns::DrawTheory()
{
    const bool wholeDrop = m_.phasorModel == PhasorModel::WholeDrop;
    // The fan of 321 rays computes with its own refractive index (1.33
    // until a colour is chosen); the theory shown beside it uses the same.
    const double n = wholeDrop ? WaterIndex(m_.colour) : m_.refrIndex;
    const AiryBow bow = AiryBowFor(n, m_.diameterValue, WavelengthMicrons(m_.colour));
    double peak = 1000.0;
    if (!wholeDrop) {
        WaveModel probe = m_; // leaves the window's ray state alone
        const std::vector<double> a = SweepAmplitudes(probe);
        peak = kBarUnitsPerAmplitude * *std::max_element(a.begin(), a.end());
    }
    DrawAiryTheory(s_.bars, bow, peak, TheoryColour(m_.colour), m_.piValue, descartesTop_);
    // The fan's bars are drawn four units per unit of amplitude; the whole
    // drop's in units of their own.
    if (hooks_.TheoryDrawn) hooks_.TheoryDrawn(bow, wholeDrop ? peak : peak / kBarUnitsPerAmplitude);
    if (hooks_.ShowDescartes)
        hooks_.ShowDescartes(m_.colour, RoundedDegrees(bow.thetaR), AngleScaleX(bow.thetaR * 180.0 / m_.piValue, m_.piValue));
}

bool WaveRuns::SingleRay(double x, double y, int button)
{
    const double r = m_.dropRadius;
    if (!(r * r - y * y > 0.0)) return false;
    m_.StartRay(y);
    // In window units the entry point lies left of the window: the visible
    // part is a stroke from the press to the left edge.
    s_.background.Line(x, y, m_.curX, m_.curY, m_.RayColor());

    m_.DrawReflectedRay(s_.drop);
    const int crossings = button == kRightButton ? 3 : 2; // the right button adds the secondary bow
    for (int i = 0; i < crossings; ++i) {
        m_.AdvanceToSurface(s_.drop);
        m_.TurnAtSurface();
        m_.DrawExitRay(s_.drop);
    }
    return true;
}

} // namespace rb::tavrin
