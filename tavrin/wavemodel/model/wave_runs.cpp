// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tavrin/wavemodel/model/wave_runs.h"

#include "tavrin/wavemodel/model/airy_theory.h"
#include "tavrin/wavemodel/model/angle_scale.h"
#include "tavrin/wavemodel/model/wave_fan.h"
#include "tavrin/wavemodel/model/whole_drop.h"

#include <algorithm>
#include <cmath>
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
    if (hooks_.BarDrawn) hooks_.BarDrawn(x, amplitude);
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
        const double pace = m_.drawFigures ? kPositionPaceMs * runPace : 0.0;
        const Clock::time_point start = Clock::now();
        double c = 0.0, s = 0.0;
        int traced = 0;
        for (double b = kFanFirst; b >= kFanLast; b -= kFanStep) {
            if (m_.stopRequest) break;
            const Phasor p = m_.TraceRayPhase(b, kObserverX, m_.obsCoord, s_.drop);
            c += p.cosPhi;
            s += p.sinPhi;
            if (m_.drawFigures) s_.chain.LineTo(c / kSweepChainScale, s / kSweepChainScale);
            if (!PacedYield(start, pace, ++traced, kFanRays)) return RunEnd::ProgramEnding;
        }
        // An interrupted position would give a wrong bar: draw none.
        if (m_.stopRequest) return RunEnd::Stopped;
        if (hooks_.ChainSummed) hooks_.ChainSummed(c, s);
        DrawBar(std::sqrt(c * c + s * s));
        if (!Yield()) return RunEnd::ProgramEnding;
    }
    m_.stopRequest = false;
    if (m_.showTheory) DrawTheory();
    return RunEnd::Completed;
}

void WaveRuns::DrawResultant(double c, double s)
{
    s_.chain.SetDrawWidth(kThickPen);
    s_.chain.Line(0.0, 0.0, c, s, kResultantColor);
    s_.chain.SetDrawWidth(kThinPen);
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
    double c = 0.0, s = 0.0;
    bool stopped = false;
    int traced = 0;
    for (double b = kFanFirst; b >= kFanLast; b -= kFanStep) {
        if (m_.stopRequest) {
            stopped = true;
            break;
        }
        const Phasor p = m_.TraceRayPhase(b, x, y, s_.drop);
        c += p.cosPhi;
        s += p.sinPhi;
        if (m_.drawFigures) s_.chain.LineTo(c, s);
        if (!PacedYield(start, pace, ++traced, kFanRays)) return RunEnd::ProgramEnding;
    }
    // Also after a stop: the resultant of the rays summed so far.
    if (m_.drawFigures) DrawResultant(c, s);
    if (hooks_.ChainSummed) hooks_.ChainSummed(c, s);
    if (!Yield()) return RunEnd::ProgramEnding;
    m_.stopRequest = false;
    return stopped ? RunEnd::Stopped : RunEnd::Completed;
}

// --- the whole drop ----------------------------------------------------------

std::shared_ptr<const WholeDropFan> WaveRuns::FanFor(double thetaFrom, double thetaTo)
{
    const double n = WaterIndex(m_.colour);
    const double ka = SizeParameter(m_.diameterValue, WavelengthMicrons(m_.colour));
    const bool sweep = thetaFrom != thetaTo;
    if (sweep && fan_ && fan_->RefrIndex() == n && fan_->SizeParameter() == ka) return fan_;
    auto fan = std::make_shared<const WholeDropFan>(n, ka, thetaFrom, thetaTo);
    if (sweep) fan_ = fan;
    return fan;
}

double WaveRuns::DrawWholeDropDirection(const WholeDropFan &fan, double theta, double rayLength, double paceMs,
                                        bool resultant, RunEnd &end)
{
    // The whole chain first, to scale it to fit Bild I; then it is drawn
    // link by link with its rays, as the fan of 321 rays draws its own.
    const double ct = std::cos(theta), st = std::sin(theta);
    std::vector<Phasor> chain(fan.Rays());
    double c = 0.0, s = 0.0, extent = 0.0;
    for (int j = 0; j < fan.Rays(); ++j) {
        const Phasor p = fan.Term(j, ct, st);
        c += p.cosPhi;
        s += p.sinPhi;
        chain[j] = {c, s};
        extent = std::max({extent, std::fabs(c), std::fabs(s)});
    }
    const double scale = extent > 0.0 ? kChainFill / extent : 1.0;
    const int stride = std::max(1, fan.Rays() / kRaysShown);

    const Clock::time_point start = Clock::now();
    end = RunEnd::Completed;
    double lastC = 0.0, lastS = 0.0;
    for (int j = 0; j < fan.Rays(); ++j) {
        if (m_.stopRequest) {
            end = RunEnd::Stopped;
            break;
        }
        lastC = chain[j].cosPhi;
        lastS = chain[j].sinPhi;
        s_.chain.LineTo(scale * lastC, scale * lastS);
        if (j % stride == stride / 2) fan.DrawRay(s_.drop, j, theta, m_.dropRadius, rayLength, m_.RayColor());
        if (!PacedYield(start, paceMs, j + 1, fan.Rays())) {
            end = RunEnd::ProgramEnding;
            return -1.0;
        }
    }
    if (resultant) DrawResultant(scale * lastC, scale * lastS);
    if (end != RunEnd::Completed) return -1.0;
    return fan.BarScale() * std::sqrt(lastC * lastC + lastS * lastS);
}

RunEnd WaveRuns::WholeDropSweep()
{
    m_.stopRequest = false;
    if (hooks_.ShowReadout) hooks_.ShowReadout(true);
    const double pi = kPi;
    const auto fan = FanFor(kBowFromDegrees * pi / 180.0, kBowToDegrees * pi / 180.0);

    for (m_.obsCoord = kObsFirst; m_.obsCoord <= kObsLast; m_.obsCoord += kObsStep) {
        // The direction the angle scale gives this place: readout, bar and
        // scale agree.
        const double theta = AngleAtScaleX(m_.obsCoord);
        if (hooks_.ShowAngle) hooks_.ShowAngle(RoundedDegrees(theta));
        double amplitude = 0.0;
        if (m_.drawFigures) {
            ClearFigures();
            RunEnd end = RunEnd::Completed;
            amplitude = DrawWholeDropDirection(*fan, theta, kSweepRayLength, kPositionPaceMs * runPace, false, end);
            if (end == RunEnd::ProgramEnding) return end;
        } else {
            const double ct = std::cos(theta), st = std::sin(theta);
            double c = 0.0, s = 0.0;
            for (int j = 0; j < fan->Rays(); ++j) {
                if (m_.stopRequest) break;
                const Phasor p = fan->Term(j, ct, st);
                c += p.cosPhi;
                s += p.sinPhi;
                if (!Yield()) return RunEnd::ProgramEnding;
            }
            amplitude = fan->BarScale() * std::sqrt(c * c + s * s);
        }
        if (m_.stopRequest) return RunEnd::Stopped;
        // Normalised to Airy's main maximum, 1000 of Bild III's 2000.
        s_.bars.SetDrawWidth(kBarWidth);
        s_.bars.Line(m_.obsCoord, 0.0, m_.obsCoord, amplitude, m_.RayColor());
        if (hooks_.BarDrawn) hooks_.BarDrawn(m_.obsCoord, amplitude);
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
    const auto fan = FanFor(theta, theta);
    RunEnd end = RunEnd::Completed;
    DrawWholeDropDirection(*fan, theta, std::hypot(x, y), kByHandPaceMs * runPace, true, end);
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
    DrawAiryTheory(s_.bars, bow, peak, TheoryColour(m_.colour), m_.piValue);
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
