// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// Lee's diagram in the sunlight window. Its rows are computed one at a time
// on the worker threads, smallest drops first, and only while the chosen
// size's own picture is not being computed: that comes first. A row that
// arrives is drawn at once and the next one started; a change of the theory,
// the sun's disc, the filter or the picture's width throws the rows away, a
// change of the diameter or the spread keeps them (the spread is a mean over
// rows, lee_diagram.h). Hiding the window stops the row in hand.
#include "tavrin/sunlight/sun_form.h"

#include "common/widgets/number_text.h"
#include "tavrin/sunlight/model/sky_colours.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace rb::tavrin {

namespace {

constexpr Color kMarkColour = RGB(255, 255, 255);
constexpr double kMarkDeg = 1.2; // the ticks' length at each end

double RowHeight() { return std::log10(kLeeLargest / kLeeSmallest) / (kLeeRows - 1); }

bool SameDiagram(const SunBowRequest &a, const SunBowRequest &b)
{
    return a.theory == b.theory && a.sunDisc == b.sunDisc && a.filter == b.filter && a.pixels == b.pixels &&
           a.firstDeg == b.firstDeg && a.lastDeg == b.lastDeg;
}

// The rows within reach of row i when averaged over the spread: those a
// spread row reads, and those that read it.
int Reach(double spread)
{
    if (spread <= 0) return 0;
    const double perRow = std::log(kLeeLargest / kLeeSmallest) / (kLeeRows - 1);
    return static_cast<int>(std::ceil(std::log(1 + 3 * spread) / perRow)) + 1;
}

} // namespace

int SunForm::LeeRowsDone() const
{
    return static_cast<int>(std::count_if(leeRows_.begin(), leeRows_.end(), [](const auto &r) { return r.has_value(); }));
}

void SunForm::ResetLeeIfSettingsChanged()
{
    const SunBowRequest now = Request();
    if (SameDiagram(now, leeSettings_)) return;
    leeSettings_ = now;
    leeRows_.assign(kLeeRows, std::nullopt);
    leeAngles_.clear();
    DrawLee();
    ShowLeeProgress();
}

void SunForm::SpreadMoved()
{
    spreadPercent_ = HScroll2->value();
    Text2->setText(NumberText(static_cast<double>(spreadPercent_)));
    Recompute();
    DrawLee();
}

void SunForm::StartLeeRow()
{
    ShowLeeProgress();
    if (job_.Running() || leeJob_.Running() || !isVisible()) return;
    const auto missing = std::find_if(leeRows_.begin(), leeRows_.end(), [](const auto &r) { return !r; });
    if (missing == leeRows_.end()) return;
    const auto i = static_cast<std::size_t>(missing - leeRows_.begin());
    leeJob_.Start(LeeRowRequest(leeSettings_, i), [this](const SunBow &bow) { LeeRowDone(bow); });
}

void SunForm::LeeRowDone(const SunBow &bow)
{
    const int i = LeeRowNear(bow.request.diameterMicrons);
    leeRows_[static_cast<std::size_t>(i)] = LeeRowOf(bow);
    leeAngles_ = bow.angleDeg;
    const int reach = Reach(spreadPercent_ / 100.0);
    DrawLeeRows(i - reach, i + reach);
    DrawLeeMark();
    StartLeeRow();
    if (!LeeFilling()) DescribeLee();
}

void SunForm::ShowLeeProgress()
{
    const int done = LeeRowsDone();
    Busy2->setValue(done);
    Label9->setText(done < kLeeRows ? tr("Lee-Diagramm: %1 von %2 Durchmessern").arg(done).arg(kLeeRows)
                                    : tr("Lee-Diagramm: alle %1 Durchmesser").arg(kLeeRows));
}

void SunForm::DrawLee()
{
    Picture &p = *Picture3;
    const double h = RowHeight();
    p.Scale(leeSettings_.firstDeg, std::log10(kLeeLargest) + h / 2, leeSettings_.lastDeg - leeSettings_.firstDeg,
            -(std::log10(kLeeLargest / kLeeSmallest) + h));
    p.Cls();
    DrawLeeRows(0, kLeeRows - 1);
    leeMarkRow_ = -1;
    DrawLeeMark();
}

// Each row as runs of equal colour, one line as high as the row.
void SunForm::DrawLeeRows(int from, int to)
{
    Picture &p = *Picture3;
    const double h = RowHeight(), pxPerRow = p.height() * h / (std::log10(kLeeLargest / kLeeSmallest) + h);
    p.SetDrawWidth(std::max(1, int(std::ceil(pxPerRow)) + 1));
    const double spread = spreadPercent_ / 100.0;
    const std::size_t n = leeAngles_.size();
    if (n < 2) return;
    const double first = leeSettings_.firstDeg, w = (leeSettings_.lastDeg - first) / static_cast<double>(n);
    for (int i = std::max(0, from); i <= std::min(kLeeRows - 1, to); ++i) {
        const std::optional<LeeRow> row = SpreadRow(leeRows_, static_cast<std::size_t>(i), spread);
        const double y = std::log10(LeeDiameters()[static_cast<std::size_t>(i)]);
        if (!row || row->xyz.size() != n) {
            p.Line(first, y, leeSettings_.lastDeg, y, p.BackColor());
            continue;
        }
        const std::vector<ScreenColour> c = BowColours(row->balanced, row->xyz);
        std::size_t start = 0;
        for (std::size_t k = 1; k <= n; ++k) {
            if (k < n && c[k].r == c[start].r && c[k].g == c[start].g && c[k].b == c[start].b) continue;
            p.Line(first + w * static_cast<double>(start), y, first + w * (static_cast<double>(k) - 0.25), y,
                   RGB(c[start].r, c[start].g, c[start].b));
            start = k;
        }
    }
    p.SetDrawWidth(1);
}

// Ticks at both ends at the chosen diameter; the rows under the old ticks
// are drawn anew first.
void SunForm::DrawLeeMark()
{
    Picture &p = *Picture3;
    if (leeMarkRow_ >= 0) DrawLeeRows(leeMarkRow_ - 2, leeMarkRow_ + 2);
    leeMarkRow_ = LeeRowNear(diameter_);
    const double y = std::log10(diameter_), first = leeSettings_.firstDeg, last = leeSettings_.lastDeg;
    p.SetDrawWidth(2);
    p.Line(first, y, first + kMarkDeg, y, kMarkColour);
    p.Line(last - kMarkDeg, y, last, y, kMarkColour);
    p.SetDrawWidth(1);
}

void SunForm::ChooseDiameter(double d)
{
    SetDiameter(std::round(d * 10) / 10);
    if (!LeeFilling()) DescribeLee();
}

void SunForm::Picture3_MouseDown(int button, int, double, double y)
{
    if (button != kLeftButton) return;
    ChooseDiameter(LeeDiameters()[static_cast<std::size_t>(LeeRowNear(std::pow(10.0, y)))]);
}

// Up and down step through the rows, page up and down by ten.
void SunForm::Picture3_KeyDown(int key, int)
{
    int step = 0;
    if (key == Qt::Key_Up) step = 1;
    else if (key == Qt::Key_Down) step = -1;
    else if (key == Qt::Key_PageUp) step = 10;
    else if (key == Qt::Key_PageDown) step = -10;
    if (step == 0) return;
    const int row = std::clamp(LeeRowNear(diameter_) + step, 0, kLeeRows - 1);
    ChooseDiameter(LeeDiameters()[static_cast<std::size_t>(row)]);
}

// Where the primary bow is brightest for a few sizes, and below which size
// it is almost white.
void SunForm::DescribeLee()
{
    QStringList peaks;
    double palest = 0;
    for (std::size_t i = 0; i < leeRows_.size(); ++i)
        if (leeRows_[i] && LeeSaturation(*leeRows_[i], leeAngles_) < 0.25) palest = LeeDiameters()[i];
    for (const double d : {20.0, 100.0, 500.0, 2000.0}) {
        const auto &row = leeRows_[static_cast<std::size_t>(LeeRowNear(d))];
        if (row)
            peaks << tr("%1° bei %2 µm")
                         .arg(NumberText(std::round(LeePeakDegrees(*row, leeAngles_) * 10) / 10),
                              NumberText(std::round(row->diameterMicrons)));
    }
    Picture3->setAccessibleDescription(
        tr("Lee-Diagramm, Winkel 35° bis 57° nach rechts, Tropfendurchmesser 10 bis 2000 µm nach oben. Der "
           "Hauptbogen ist am hellsten bei %1; je kleiner die Tropfen, desto breiter und weiter innen. Bis etwa "
           "%2 µm ist er fast weiß (Nebelbogen). Gewählt: %3 µm.")
            .arg(peaks.join(QStringLiteral(", ")), NumberText(std::round(palest)), NumberText(diameter_)));
}

} // namespace rb::tavrin
