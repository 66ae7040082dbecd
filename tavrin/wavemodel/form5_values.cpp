// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors

// The numbers on Bild III: with "Werte" on, the latest sweep's tallest bar
// and the first two inner bows beside it carry their angle as the scale
// reads it. Each label stands just above the bars under it, so it hides no
// bar's top, and moves up or aside where the caption, the wave-optics
// frame, a Descartes label, a theory curve or Descartes' line, or another
// value stands. Off at the start; the labels follow every sweep's end, the
// box and "cls", and are in the table and the description for screen
// readers.
#include "tavrin/wavemodel/form5.h"

#include "common/widgets/values_box.h"
#include "common/widgets/controls.h"
#include "common/widgets/fonts.h"
#include "common/widgets/number_text.h"
#include "tavrin/wavemodel/form5_design.h"
#include "tavrin/wavemodel/model/angle_scale.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <algorithm>
#include <cmath>

namespace rb::tavrin {

using namespace wave_window;

namespace {
// The inner bows written on the picture, after the tallest bar.
constexpr int kInnerBowsShown = 2;
// Pixels kept free between a label and the bars under it, and around the
// things it keeps clear of.
constexpr int kGap = 2;
// How often a label may move up by its own height to find a free place.
constexpr int kLifts = 6;

QString AngleText(double degrees) { return HundredthsText(degrees) + QStringLiteral("°"); }

// Whether a line other than a bar runs through the area (in logical pixels)
// of Bild III's image: a theory curve or Descartes' line. The bars are of
// the three pure colours of the light; the background is white.
bool HasLines(const QImage &image, const QRect &area)
{
    const double ratio = image.devicePixelRatio();
    const QRect device = QRect(QPoint(int(std::floor(area.left() * ratio)), int(std::floor(area.top() * ratio))),
                               QPoint(int(std::ceil((area.right() + 1) * ratio)) - 1,
                                      int(std::ceil((area.bottom() + 1) * ratio)) - 1))
                             .intersected(image.rect());
    for (int y = device.top(); y <= device.bottom(); ++y)
        for (int x = device.left(); x <= device.right(); ++x) {
            const QRgb p = image.pixel(x, y) & 0xffffff;
            if (p != 0xffffff && p != 0xff0000 && p != 0x00ff00 && p != 0x0000ff) return true;
        }
    return false;
}
} // namespace

QCheckBox *Form5::MakeValuesBox()
{
    Check4 = rb::MakeValuesBox(Frame3D4, UiFont(kModelFont.points, kModelFont.bold));
    Label17 = MakeValueLabel(Picture1, kModelFont);
    Label18 = MakeValueLabel(Picture1, kModelFont);
    Label19 = MakeValueLabel(Picture1, kModelFont);
    for (QLabel *l : {Label17, Label18, Label19}) l->setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(Check4, &QCheckBox::toggled, this, [this] { DescribePictures(); });
    return Check4;
}

std::vector<WaveMark> Form5::ValueMarks() const
{
    if (!Check4->isChecked()) return {};
    const QString names[] = {tr("höchster Balken"), tr("1. innerer Bogen"), tr("2. innerer Bogen")};
    std::vector<WaveMark> marks;
    const std::vector<std::size_t> bows = Bows(kInnerBowsShown);
    for (std::size_t k = 0; k < bows.size(); ++k) marks.push_back({bows[k], names[k]});
    return marks;
}

void Form5::ShowValues()
{
    const std::vector<QLabel *> labels{Label17, Label18, Label19};
    for (QLabel *l : labels) l->hide();
    if (!Check4->isChecked() || record.bars.empty()) return;

    // The highest bar top in each pixel column, all bars since "cls".
    const ScaleMap m = Picture1->Map();
    const int width = Picture1->width();
    // The angle scale lies over Bild III's foot.
    const int height = std::min(Picture1->height(), Picture2->y() - Picture1->y());
    std::vector<int> columnTop(std::size_t(std::max(width, 0)), height);
    for (const WaveBar &b : record.bars) {
        const long c = std::lround(m.ToPixelX(b.x));
        if (c < 0 || c >= width) continue;
        int &top = columnTop[std::size_t(c)];
        top = std::min(top, int(std::floor(m.ToPixelY(b.top))));
    }
    std::vector<QRect> taken{Label9->geometry(), Frame3D4->geometry()};
    for (const QLabel *l : DescartesLabels())
        if (l->isVisible()) taken.push_back(l->geometry());
    const QImage &image = Picture1->Image();

    const std::vector<std::size_t> bows = Bows(kInnerBowsShown);
    for (std::size_t k = 0; k < bows.size(); ++k) {
        const WaveBar &bar = record.bars[bows[k]];
        QLabel *label = labels[k];
        label->setText(AngleText(AngleScaleDegrees(bar.x, model.piValue)));
        label->adjustSize();
        const int w = label->width(), h = label->height();
        const int x = int(std::lround(m.ToPixelX(bar.x)));
        // Centred over the bar; else beside it, half a label or a whole one.
        const int shifts[] = {0, w / 2 + kGap, -(w / 2 + kGap), w + kGap, -(w + kGap)};
        for (int shift : shifts) {
            const int left = x - w / 2 + shift;
            if (left < 0 || left + w > width) continue;
            int bottom = height;
            for (int c = left; c < left + w; ++c) bottom = std::min(bottom, columnTop[std::size_t(c)]);
            bool placed = false;
            for (int lift = 0; lift <= kLifts && !placed; ++lift) {
                const QRect r(left, bottom - kGap - h * (lift + 1), w, h);
                if (r.top() < 0) break;
                const QRect around = r.adjusted(-kGap, -kGap, kGap, kGap);
                if (std::any_of(taken.begin(), taken.end(), [&](const QRect &t) { return t.intersects(around); }) ||
                    HasLines(image, around))
                    continue;
                label->move(r.topLeft());
                label->show();
                taken.push_back(r);
                placed = true;
            }
            if (placed) break;
        }
    }
}

QString Form5::DescribeValues() const
{
    if (!Check4->isChecked() || record.bars.empty()) return QString();
    QStringList values;
    for (std::size_t i : Bows(kInnerBowsShown)) values << AngleText(AngleScaleDegrees(record.bars[i].x, model.piValue));
    return tr("; Werte im Bild: %1").arg(values.join(QStringLiteral(", ")));
}

} // namespace rb::tavrin
