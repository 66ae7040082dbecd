#include "wave_runs.h"

#include "wave_fan.h"

#include <cmath>
#include <utility>

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

} // namespace

WaveRuns::WaveRuns(WaveModel &model, WaveSurfaces surfaces, WaveRunHooks hooks)
    : m_(model), s_(surfaces), hooks_(std::move(hooks))
{
}

bool WaveRuns::Yield() { return !hooks_.DoEvents || hooks_.DoEvents(); }

void WaveRuns::ClearFigures()
{
    s_.picture3.Cls(); // the chain starts at the centre of Bild I
    s_.picture4.Cls();
    s_.picture4.Circle(0.0, 0.0, m_.dropRadius);
}

void WaveRuns::DrawBar(double amplitude)
{
    const double x = m_.obsCoord + m_.barOffset;
    s_.picture1.SetDrawWidth(kBarWidth);
    s_.picture1.Line(x, 0.0, x, kBarUnitsPerAmplitude * amplitude, m_.RayColor());
    if (hooks_.BarDrawn) hooks_.BarDrawn(x, amplitude);
}

RunEnd WaveRuns::AutomaticSweep()
{
    m_.UpdateWaveUnits();
    m_.stopRequest = false;
    if (hooks_.ShowReadout) hooks_.ShowReadout(true);

    // obsCoord itself is the counter: a sweep started during a yield moves
    // it for this one too.
    for (m_.obsCoord = kObsFirst; m_.obsCoord <= kObsLast; m_.obsCoord += kObsStep) {
        if (hooks_.ShowAngle) hooks_.ShowAngle(ReadoutAngle(m_.obsCoord, m_.piValue));
        if (m_.drawFigures) ClearFigures();
        double c = 0.0, s = 0.0;
        for (double b = kFanFirst; b >= kFanLast; b -= kFanStep) {
            if (m_.stopRequest) break;
            const Phasor p = m_.TraceRayPhase(b, kObserverX, m_.obsCoord, s_.picture4);
            c += p.cosPhi;
            s += p.sinPhi;
            if (m_.drawFigures) s_.picture3.LineTo(c / kSweepChainScale, s / kSweepChainScale);
            if (!Yield()) return RunEnd::ProgramEnding;
        }
        // An interrupted position would give a wrong bar: draw none.
        if (m_.stopRequest) return RunEnd::Stopped;
        DrawBar(std::sqrt(c * c + s * s));
        if (!Yield()) return RunEnd::ProgramEnding;
    }
    m_.stopRequest = false;
    return RunEnd::Completed;
}

void WaveRuns::DrawResultant(double c, double s)
{
    s_.picture3.SetDrawWidth(kThickPen);
    s_.picture3.Line(0.0, 0.0, c, s, kResultantColor);
    s_.picture3.SetDrawWidth(kThinPen);
}

RunEnd WaveRuns::ObservationPointByHand(double x, double y)
{
    m_.UpdateWaveUnits();
    m_.stopRequest = false;
    if (hooks_.ShowReadout) hooks_.ShowReadout(false);
    if (m_.drawFigures) ClearFigures();
    // The origin of Bild I is marked, figures or not, and becomes the start
    // of the chain.
    s_.picture3.SetDrawWidth(kThickPen);
    s_.picture3.PSet(0.0, 0.0);
    s_.picture3.SetDrawWidth(kThinPen);

    double c = 0.0, s = 0.0;
    bool stopped = false;
    for (double b = kFanFirst; b >= kFanLast; b -= kFanStep) {
        if (m_.stopRequest) {
            stopped = true;
            break;
        }
        const Phasor p = m_.TraceRayPhase(b, x, y, s_.picture4);
        c += p.cosPhi;
        s += p.sinPhi;
        if (m_.drawFigures) s_.picture3.LineTo(c, s);
        if (!Yield()) return RunEnd::ProgramEnding;
    }
    // Also after a stop: the resultant of the rays summed so far.
    if (m_.drawFigures) DrawResultant(c, s);
    if (!Yield()) return RunEnd::ProgramEnding;
    m_.stopRequest = false;
    return stopped ? RunEnd::Stopped : RunEnd::Completed;
}

bool WaveRuns::SingleRay(double x, double y, int button)
{
    const double r = m_.dropRadius;
    if (!(r * r - y * y > 0.0)) return false;
    m_.StartRay(y);
    // In window units the entry point lies left of the window: the visible
    // part is a stroke from the press to the left edge.
    s_.form.Line(x, y, m_.curX, m_.curY, m_.RayColor());

    m_.DrawReflectedRay(s_.picture4);
    const int crossings = button == kRightButton ? 3 : 2; // the right button adds the secondary bow
    for (int i = 0; i < crossings; ++i) {
        m_.AdvanceToSurface(s_.picture4);
        m_.TurnAtSurface();
        m_.DrawExitRay(s_.picture4);
    }
    return true;
}

} // namespace rb::tavrin
