// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// What the sunlight window draws and tells: the sky with the bows, the
// spectrum behind it, their description for screen readers and the table
// behind both.
#include "tavrin/sunlight/sun_form.h"

#include "common/canvas/csv.h"
#include "common/widgets/number_text.h"
#include "tavrin/sunlight/model/sky_colours.h"
#include "tavrin/sunlight/model/white_light.h"

#include <QLabel>
#include <algorithm>
#include <cmath>

namespace rb::tavrin {

namespace {

constexpr double kPi = 3.14159265358979323846;
// The sky's user units: degrees from the antisolar point, which lies on the
// horizon in the middle of the bottom edge, a little ground below it.
constexpr double kSkyTop = 61, kSkyBottom = -4;
constexpr Color kGround = RGB(46, 52, 40);
// The wavelengths drawn in the spectrum, nm (bands of white_light.h).
constexpr double kShownNm[] = {405, 455, 505, 555, 605, 655};

Color ToColor(const ScreenColour &c) { return RGB(c.r, c.g, c.b); }

// A band's own hue, as bright as the screen allows, a little darker so it
// stands out on white.
Color BandColour(std::size_t band)
{
    std::vector<double> one(Sunlight().nm.size(), 0.0);
    one[band] = 1;
    const optics::Rgb c = BalancedRgb(SpectrumXyz(one));
    const double r = std::max(c.r, 0.0), g = std::max(c.g, 0.0), b = std::max(c.b, 0.0);
    const double top = std::max({r, g, b, 1e-12}) / 0.7;
    return RGB(optics::SrgbByte(r / top), optics::SrgbByte(g / top), optics::SrgbByte(b / top));
}

// The angle of the brightest pixel of a row of values between two angles.
double Peak(const SunBow &bow, const std::vector<double> &v, double from, double to)
{
    double best = -1, at = from;
    for (std::size_t p = 0; p < v.size(); ++p)
        if (bow.angleDeg[p] >= from && bow.angleDeg[p] <= to && v[p] > best) best = v[p], at = bow.angleDeg[p];
    return at;
}

std::size_t BandOf(const SunBow &bow, double nm)
{
    return static_cast<std::size_t>(std::find(bow.nm.begin(), bow.nm.end(), nm) - bow.nm.begin());
}

} // namespace

void SunForm::DrawSky()
{
    Picture &p = *Picture1;
    const double height = kSkyTop - kSkyBottom, pxPerDeg = std::max(1, p.height()) / height;
    const double width = height * std::max(1, p.width()) / std::max(1, p.height());
    p.Scale(-width / 2, kSkyTop, width, -height);
    if (!shown_) {
        p.SetBackColor(RGB(optics::SrgbByte(kSkyLinear.r), optics::SrgbByte(kSkyLinear.g),
                           optics::SrgbByte(kSkyLinear.b)));
        p.Cls();
        return;
    }
    const SunBow &bow = *shown_;
    const std::vector<ScreenColour> sky = SkyColours(bow);
    p.SetBackColor(ToColor(sky.back()));
    p.Cls();
    const double first = bow.request.firstDeg, last = bow.request.lastDeg;
    // Inside the computed range the sky keeps the colour of its inner edge.
    p.SetDrawWidth(int(std::ceil(first * pxPerDeg)) + 2);
    p.Arc(0, 0, first / 2, 0, kPi, ToColor(sky.front()));
    // One ring a pixel wide for each pixel of radius, two wide so none gaps.
    p.SetDrawWidth(2);
    const double step = 1 / pxPerDeg;
    for (double r = first; r <= last; r += step) {
        const auto i = static_cast<std::size_t>(
            std::clamp((r - first) / (last - first) * static_cast<double>(sky.size()), 0.0, sky.size() - 1.0));
        p.Arc(0, 0, r, 0, kPi, ToColor(sky[i]));
    }
    p.SetDrawWidth(int(std::ceil(-kSkyBottom * pxPerDeg)) + 2);
    p.Line(-width / 2, kSkyBottom / 2, width / 2, kSkyBottom / 2, kGround);
    p.SetDrawWidth(1);
}

void SunForm::DrawSpectrum()
{
    Picture &p = *Picture2;
    p.Cls();
    if (!shown_) return;
    const SunBow &bow = *shown_;
    double top = 0;
    for (const optics::Xyz &c : bow.xyz) top = std::max(top, c.y);
    for (const double nm : kShownNm)
        for (const double v : bow.intensity[BandOf(bow, nm)]) top = std::max(top, v);
    top = std::max(top * 1.08, 1e-12);
    const double first = bow.request.firstDeg, last = bow.request.lastDeg;
    p.Scale(first, top, last - first, -top);
    p.SetDrawWidth(1);
    for (double deg = first + 5; deg < last; deg += 5) p.Line(deg, 0, deg, top, RGB(215, 215, 215));
    const auto curve = [&](const std::vector<double> &v, Color c) {
        for (std::size_t i = 1; i < v.size(); ++i) p.Line(bow.angleDeg[i - 1], v[i - 1], bow.angleDeg[i], v[i], c);
    };
    for (const double nm : kShownNm) curve(bow.intensity[BandOf(bow, nm)], BandColour(BandOf(bow, nm)));
    std::vector<double> y;
    for (const optics::Xyz &c : bow.xyz) y.push_back(c.y);
    p.SetDrawWidth(2);
    curve(y, RGB(0, 0, 0));
    p.SetDrawWidth(1);
}

// Where the bows lie and their colours from outside in, read off the
// computed picture.
void SunForm::Describe()
{
    if (!shown_) return;
    const SunBow &bow = *shown_;
    std::vector<double> y;
    for (const optics::Xyz &c : bow.xyz) y.push_back(c.y);
    const double main = Peak(bow, y, 37, 45), second = Peak(bow, y, 48, 56);
    const std::vector<double> &red = bow.intensity[BandOf(bow, 655)], &violet = bow.intensity[BandOf(bow, 405)];
    const bool mainRedOut = Peak(bow, red, 37, 45) > Peak(bow, violet, 37, 45);
    const bool secondRedIn = Peak(bow, red, 48, 56) < Peak(bow, violet, 48, 56);
    const QString text =
        tr("Hauptbogen am hellsten bei %1°, von außen nach innen %2; Nebenbogen am hellsten bei %3°, von außen "
           "nach innen %4; dazwischen Alexanders dunkles Band, innerhalb des Hauptbogens heller Himmel. "
           "Tropfendurchmesser %5 µm.")
            .arg(NumberText(std::round(main * 10) / 10), mainRedOut ? tr("rot bis violett") : tr("violett bis rot"),
                 NumberText(std::round(second * 10) / 10), secondRedIn ? tr("violett bis rot") : tr("rot bis violett"),
                 NumberText(bow.request.diameterMicrons));
    Picture1->setAccessibleDescription(text);
    Picture2->setAccessibleDescription(
        tr("Intensität gegen den Winkel von 35° bis 57° für sechs Wellenlängen und die Leuchtdichte; %1")
            .arg(text));
}

// One row per angle: first the chosen drop size's picture, then every row
// of Lee's diagram done so far, smallest drops first, each as the diagram
// shows it (averaged over the spread).
QByteArray SunForm::Csv() const
{
    CsvTable table({tr("Winkel (°)").toStdString(), tr("Tropfendurchmesser (µm)").toStdString(), "X", "Y", "Z",
                    "R (sRGB)", "G (sRGB)", "B (sRGB)", tr("Leuchtdichte").toStdString()});
    const auto rows = [&table](const std::vector<double> &angle, double d, const std::vector<optics::Rgb> &balanced,
                               const std::vector<optics::Xyz> &xyz) {
        const std::vector<ScreenColour> colours = BowColours(balanced, xyz);
        for (std::size_t p = 0; p < angle.size() && p < xyz.size(); ++p) {
            const optics::Xyz &c = xyz[p];
            table.Row({CsvTable::Number(angle[p]), CsvTable::Number(d), CsvTable::Number(c.x),
                       CsvTable::Number(c.y), CsvTable::Number(c.z),
                       CsvTable::Number(static_cast<long long>(colours[p].r)),
                       CsvTable::Number(static_cast<long long>(colours[p].g)),
                       CsvTable::Number(static_cast<long long>(colours[p].b)), CsvTable::Number(kExposure * c.y)});
        }
    };
    if (shown_) rows(shown_->angleDeg, shown_->request.diameterMicrons, shown_->balanced, shown_->xyz);
    for (std::size_t i = 0; i < leeRows_.size(); ++i)
        if (const std::optional<LeeRow> row = SpreadRow(leeRows_, i, spreadPercent_ / 100.0))
            rows(leeAngles_, LeeDiameters()[i], row->balanced, row->xyz);
    return QByteArray::fromStdString(table.Str());
}

} // namespace rb::tavrin
