// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The wave-model window for screen readers and the keyboard: names for the
// controls that have no caption of their own, the four pictures told in
// words, with the numbers they show, after every run, and Bild II's keys.
#include "tavrin/wavemodel/form5.h"

#include "common/widgets/number_text.h"
#include "tavrin/wavemodel/model/wave_fan.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace rb::tavrin {

namespace {
// The inner bows named in the description, at most.
constexpr int kInnerBowsTold = 3;
// The observer's distance and the offset of the angle scale's marks
// (x = −2000 − 200000·tan θ).
constexpr double kScaleDistance = 200000, kScaleOffset = 2000;

// The angle at which the scale under Bild III reads an x of Bild III.
double ScaleAngle(double x, double piValue) { return std::atan(-(x + kScaleOffset) / kScaleDistance) * 180 / piValue; }

QString Whole(double v) { return NumberText(std::round(v)); }
} // namespace

void Form5::NameControls()
{
    const QString diameter = Label5->text() + QLatin1Char(' ') + Label6->text();
    VScroll1->setAccessibleName(diameter);
    text1->setAccessibleName(diameter);
    Text2->setAccessibleName(Label12->text());
    Picture3->setAccessibleName(tr("Bild I"));
    Picture4->setAccessibleName(tr("Bild II"));
    Picture1->setAccessibleName(tr("Bild III"));
    Picture2->setAccessibleName(tr("Winkelskala"));
    Picture2->setAccessibleDescription(tr("Beobachtungswinkel von 44° links bis 39° rechts"));
    Frame3D4->setAccessibleDescription(
        tr("Welches Licht die Zeiger darstellen: ohne Polarisation Zeiger der Länge 1; senkrecht oder parallel "
           "zur Streuebene Zeiger so lang wie ihre drei Fresnel-Amplituden; unpolarisiert beide Ketten"));
    Check2->setAccessibleDescription(
        tr("Dazu als letztes Glied jeder Kette der Zeiger des außen am Tropfen gespiegelten Lichts"));
    Picture4->TakeKeyboardFocus();
    Picture4->SetMarker(Picture::Marker::Point, keyX_, keyY_);
    Picture4->setToolTip(tr("Tastatur: die Pfeiltasten verschieben den markierten Punkt, mit Umschalt in "
                            "kleinen Schritten; Eingabe rechnet für diesen Punkt."));
}

// The tallest bar of the latest sweep and the maxima beside it at smaller
// angles, the inner bows, as the angle scale reads them.
QString Form5::DescribeBars() const
{
    const std::vector<WaveBar> &all = record.bars;
    if (all.empty()) return tr("Amplitude gegen Beobachtungswinkel: keine Balken");
    QString text = tr("Amplitude gegen Beobachtungswinkel: %n Balken", nullptr, int(all.size()));
    const std::vector<std::size_t> bows = Bows(kInnerBowsTold);
    const WaveBar &tallest = all[bows.front()];
    text += tr("; höchster Balken bei %1° (Amplitude %2)")
                .arg(HundredthsText(ScaleAngle(tallest.x, model.piValue)), Whole(tallest.amplitude));
    QStringList inner;
    for (std::size_t k = 1; k < bows.size(); ++k)
        inner << tr("%1° (Amplitude %2)")
                     .arg(HundredthsText(ScaleAngle(all[bows[k]].x, model.piValue)), Whole(all[bows[k]].amplitude));
    if (!inner.isEmpty()) text += tr("; innere Bögen bei %1").arg(inner.join(QStringLiteral(", ")));
    return text;
}

std::vector<std::size_t> Form5::Bows(int innerBows) const
{
    const std::vector<WaveBar> &all = record.bars;
    if (all.empty()) return {};
    const auto first = all.begin() + std::ptrdiff_t(record.LatestSweepFrom());
    const auto tallest = std::max_element(first, all.end(),
                                          [](const WaveBar &a, const WaveBar &b) { return a.amplitude < b.amplitude; });
    std::vector<std::size_t> bows{std::size_t(tallest - all.begin())};
    for (auto i = tallest + 1; i + 1 < all.end() && int(bows.size()) <= innerBows; ++i)
        if (i->amplitude > (i - 1)->amplitude && i->amplitude >= (i + 1)->amplitude)
            bows.push_back(std::size_t(i - all.begin()));
    return bows;
}

void Form5::DescribePictures()
{
    ShowValues();
    Picture1->setAccessibleDescription(DescribeBars() + DescribePolarisation() + mieDescription_ + DescribeValues());

    const PictureState &p = shown_;
    // The whole-drop runs draw their sum without reporting it.
    const bool known = std::isfinite(p.c) && std::isfinite(p.s);
    const QString sum = known ? tr("; Summenzeiger der Länge %1").arg(HundredthsText(std::hypot(p.c, p.s))) : QString();
    QString chain, rays;
    switch (p.figures) {
    case Figures::Empty:
        chain = tr("Zeigerkette: leer");
        rays = tr("Tropfen und Strahlen: leer");
        break;
    case Figures::Sweep:
        chain = tr("Zeigerkette für %1°, auf ein Viertel verkleinert").arg(HundredthsText(p.angle)) + sum;
        rays = tr("Tropfen mit %n Strahlen zum Beobachter unter %1°", nullptr, kFanRays).arg(HundredthsText(p.angle));
        break;
    case Figures::ByHand:
        chain = tr("Zeigerkette für den gewählten Punkt") + sum;
        rays = tr("Tropfen mit %n Strahlen zum Punkt (%1; %2)", nullptr, kFanRays).arg(Whole(p.pointX), Whole(p.pointY));
        break;
    case Figures::OriginOnly:
        chain = tr("Zeigerkette: nur der Ursprung markiert") + sum;
        rays = tr("Tropfen und Strahlen: unverändert");
        break;
    }
    if (p.singleRays > 0) rays += tr("; dazu %n einzelne Strahlen", nullptr, p.singleRays);
    Picture3->setAccessibleDescription(chain);
    Picture4->setAccessibleDescription(rays);
}

} // namespace rb::tavrin
