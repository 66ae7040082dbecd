#include "tavrin/wavemodel/model/whole_drop.h"

#include "tavrin/wavemodel/model/airy.h"
#include "tavrin/wavemodel/model/airy_theory.h"
#include "tavrin/wavemodel/model/outer_reflection.h"

#include <algorithm>
#include <cmath>

namespace rb::tavrin {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTurn = 2.0 * kPi;

// The fan and its faded ends, in drop radii: the plain fan's, and the
// physical fan's outer fade, past the outer ray of every direction shown.
constexpr double kFanFrom = 0.50, kFullFrom = 0.68, kFullTo = 0.90, kFanTo = 0.97;
constexpr double kPhysicalFullTo = 0.95, kPhysicalFanTo = 0.972;
// Neighbouring phasors differ by at most this part of a turn.
constexpr double kMaxPhaseStep = kTurn / 20.0;
// Points at which the phase slope is sampled to choose the step, and the
// margin laid on the largest slope found between them.
constexpr int kSlopeSamples = 2000;
constexpr double kSlopeMargin = 1.1;
// A direction far from the bow needs a finer fan; this keeps a by-hand run
// towards any point of Bild II within a few milliseconds of maths.
constexpr int kMostRays = 400000;
// Bild II's rays come in from here, as the fan of 321 rays does.
constexpr double kIncomingFromX = -14000.0;

// A smooth step from 0 at t ≤ 0 to 1 at t ≥ 1 with every derivative 0 at
// both ends, so the faded ends of the fan diffract nothing of their own.
double SmoothStep(double t)
{
    if (t <= 0.0) return 0.0;
    if (t >= 1.0) return 1.0;
    return 1.0 / (1.0 + std::exp(1.0 / t - 1.0 / (1.0 - t)));
}

double Fade(double u, double fullTo, double fanTo)
{
    return SmoothStep((u - kFanFrom) / (kFullFrom - kFanFrom)) * SmoothStep((fanTo - u) / (fanTo - fullTo));
}

struct RayGeometry {
    double alpha, beta;
    double px, py;     // exit point P on the unit circle
    double path;       // 1 − cos α + 4n·cos β
    double exitAngle;  // the outgoing direction as a scattering angle, 4β − 2α
    double stripWidth; // dp/du = |1 − 4·cos α / (n·cos β)|
    double pSpeed;     // |dP/du| = dp/du / cos α
};

RayGeometry Geometry(double u, double n)
{
    RayGeometry g;
    g.alpha = std::asin(u);
    g.beta = std::asin(u / n);
    const double exitPosition = 4.0 * g.beta - g.alpha - kPi;
    g.px = std::cos(exitPosition);
    g.py = std::sin(exitPosition);
    g.path = 1.0 - std::cos(g.alpha) + 4.0 * n * std::cos(g.beta);
    g.exitAngle = 4.0 * g.beta - 2.0 * g.alpha;
    g.stripWidth = std::fabs(1.0 - 4.0 * std::cos(g.alpha) / (n * std::cos(g.beta)));
    g.pSpeed = g.stripWidth / std::cos(g.alpha);
    return g;
}

// The largest |dφ/du| / (k·a) over the fan for θ in [from, to]:
// dφ/du = k·a·(t̂ − ŝ)·dP/du, bounded by |t̂ − ŝ|·|dP/du|, and |t̂ − ŝ| =
// 2·|sin((θ_ray − θ)/2)| is largest at one end of the range.
double LargestSlope(double n, double from, double to, double fanTo)
{
    double most = 0.0;
    for (int i = 0; i <= kSlopeSamples; ++i) {
        const double u = kFanFrom + (fanTo - kFanFrom) * i / kSlopeSamples;
        const RayGeometry g = Geometry(u, n);
        const double apart = std::max(std::fabs(std::sin((g.exitAngle - from) / 2.0)),
                                      std::fabs(std::sin((g.exitAngle - to) / 2.0)));
        most = std::max(most, 2.0 * apart * g.pSpeed);
    }
    return most;
}

} // namespace

double SizeParameter(double diameterMicrons, double waveMicrons)
{
    return kTurn / waveMicrons * diameterMicrons / 2.0;
}

WholeDropFan::WholeDropFan(double n, double ka, double thetaFrom, double thetaTo, Component component)
    : n_(n), ka_(ka), component_(component)
{
    const bool physical = component != Component::Unit;
    const double fullTo = physical ? kPhysicalFullTo : kFullTo, fanTo = physical ? kPhysicalFanTo : kFanTo;
    const double slope = kSlopeMargin * LargestSlope(n, thetaFrom, thetaTo, fanTo);
    const int rays = std::clamp(int(std::ceil((fanTo - kFanFrom) * ka * slope / kMaxPhaseStep)) + 1, 2,
                                kMostRays);
    step_ = (fanTo - kFanFrom) / (rays - 1);
    // The rainbow ray, where the strip width is 1 (see the header).
    const double uRainbow = std::sqrt((4.0 - n * n) / 3.0);
    sinRainbow_ = std::sin(Geometry(uRainbow, n).exitAngle);
    u_.reserve(rays);
    weight_.reserve(rays);
    phase0_.reserve(rays);
    kpx_.reserve(rays);
    kpy_.reserve(rays);
    for (int j = 0; j < rays; ++j) {
        const double u = kFanFrom + j * step_;
        const RayGeometry g = Geometry(u, n);
        u_.push_back(u);
        const double light =
            physical ? PhasorLength(component, g.alpha, g.beta) * std::sqrt(u / uRainbow) * g.stripWidth : g.stripWidth;
        weight_.push_back(light * Fade(u, fullTo, fanTo));
        // The constant part of the phase is large (up to 10⁵ radians);
        // reduced to one turn it leaves the sine and cosine their digits.
        phase0_.push_back(std::fmod(ka * g.path, kTurn));
        kpx_.push_back(ka * g.px);
        kpy_.push_back(ka * g.py);
    }
    // Near the rainbow ray the sum is (1/step)·∫ e^{iφ} du, and Airy's
    // integral gives its main maximum as 2π·(k·a·h)^{−1/3}·Ai(a′_1).
    const double airyPeak = kTurn * std::cbrt(1.0 / (ka * DeviationCurvature(n))) * kAiryPeak;
    barScale_ = 1000.0 * step_ / airyPeak;
}

Phasor WholeDropFan::Term(int j, double cosTheta, double sinTheta) const
{
    // −P·ŝ = P_x·cos θ + P_y·sin θ.
    const double phi = phase0_[j] + kpx_[j] * cosTheta + kpy_[j] * sinTheta;
    return {weight_[j] * std::cos(phi), weight_[j] * std::sin(phi)};
}

double WholeDropFan::BarScaleAt(double theta) const
{
    if (component_ == Component::Unit) return barScale_;
    // A by-hand point may look in any direction: towards the axis the
    // spreading would grow without bound (the glory, which this model does
    // not describe), so it is held at its value 3° from the axis.
    constexpr double kLeastSine = 0.052;
    return barScale_ * std::sqrt(sinRainbow_ / std::max(kLeastSine, std::fabs(std::sin(theta))));
}

double WholeDropFan::Amplitude(double theta, bool outer) const
{
    const double ct = std::cos(theta), st = std::sin(theta);
    double c = 0.0, s = 0.0;
    for (int j = 0; j < Rays(); ++j) {
        const Phasor p = Term(j, ct, st);
        c += p.cosPhi;
        s += p.sinPhi;
    }
    if (outer) {
        const Phasor r = OuterReflection(theta);
        c += r.cosPhi;
        s += r.sinPhi;
    }
    return BarScaleAt(theta) * std::sqrt(c * c + s * s);
}

Phasor WholeDropFan::OuterReflection(double theta) const
{
    return OuterReflectionPhasor(n_, ka_, step_, component_, theta);
}

void WholeDropFan::DrawRay(Canvas &picture4, int j, double theta, double radius, double outLength, Color c) const
{
    const RayGeometry g = Geometry(u_[j], n_);
    // Position angles of the entry point, the point of reflection at the
    // back and the exit point: each chord turns it by 2β − π.
    const double entry = kPi - g.alpha, back = entry + 2.0 * g.beta - kPi, exit = back + 2.0 * g.beta - kPi;
    const double ex = radius * std::cos(entry), ey = radius * std::sin(entry);
    const double bx = radius * std::cos(back), by = radius * std::sin(back);
    const double xx = radius * std::cos(exit), xy = radius * std::sin(exit);
    picture4.Line(kIncomingFromX, ey, ex, ey, c);
    picture4.Line(ex, ey, bx, by, c);
    picture4.Line(bx, by, xx, xy, c);
    picture4.Line(xx, xy, xx - outLength * std::cos(theta), xy - outLength * std::sin(theta), c);
}

} // namespace rb::tavrin
