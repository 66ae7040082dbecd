// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors

// The wave-optics frame in Bild III on every test screen: where it stands,
// what its options do to a run and to the bars, and the table's columns for
// them and its theory rows.
#include "common/export/window_saver.h"
#include "tavrin/wavemodel/model/angle_scale.h"
#include "tests/windows/text_fit.h"
#include "tests/windows/wave_window_fixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <algorithm>
#include <gtest/gtest.h>
#include <iostream>

using namespace rb;
using namespace rb::testing;
using rb::tavrin::Form5;

namespace {

QRect InWindow(const QWidget *w, const QWidget *window)
{
    return QRect(w->mapTo(window, QPoint(0, 0)), w->size());
}

// The rows of the wave table, split at the commas.
std::vector<QStringList> TableRows(Form5 &f)
{
    const QByteArray csv = f.findChild<WindowSaver *>()->Content(SaveFormat::Csv);
    std::vector<QStringList> rows;
    for (const QByteArray &line : csv.split('\n'))
        if (!line.isEmpty()) rows.push_back(QString::fromUtf8(line).split(QLatin1Char(',')));
    return rows;
}

double TallestBar(const Form5 &f, std::size_t from)
{
    double most = 0;
    for (std::size_t i = from; i < f.record.bars.size(); ++i) most = std::max(most, f.record.bars[i].amplitude);
    return most;
}

} // namespace

TEST_F(WaveWindow, OpticsFrameStandsOverTheDarkSideBelowTheCaptionAndAboveEveryBar)
{
    Form5 &f = Open();
    const QRect frame = f.Frame3D4->geometry(); // in Bild III
    const ScaleMap m = f.Picture1->Map();
    std::cout << "Wellenoptik frame in the window: " << InWindow(f.Frame3D4, &f).x() << ','
              << InWindow(f.Frame3D4, &f).y() << ' ' << frame.width() << 'x' << frame.height() << '\n';
    EXPECT_TRUE(f.Picture1->rect().contains(frame));
    EXPECT_GE(frame.top(), f.Label9->geometry().bottom());
    // From the left edge (44.7°) to about 43°, and its foot above the
    // tallest bar a sweep can draw (321 phasors at 4 units each).
    EXPECT_LE(frame.right(), m.ToPixelX(tavrin::AngleScaleX(42.9, f.model.piValue)));
    EXPECT_LE(frame.bottom(), m.ToPixelY(4 * 321));
    EXPECT_TRUE(ClippedTexts(&f).isEmpty()) << ClippedTexts(&f).join(QLatin1Char('\n')).toStdString();
    // Without a change everything is as it was: no polarisation, no outer
    // reflection.
    EXPECT_TRUE(f.Option3D8->isChecked());
    EXPECT_FALSE(f.Check2->isChecked());

    // Descartes' labels of all three colours stand clear of it.
    f.Option3D7->click();
    f.Option3D5->click();
    f.Check1->click();
    for (QRadioButton *colour : {f.Option3D1, f.Option3D2, f.Option3D3}) {
        colour->click();
        f.Command2_Click();
    }
    for (const QLabel *l : {f.Label13, f.Label14, f.Label15}) {
        ASSERT_TRUE(l->isVisible());
        EXPECT_FALSE(l->geometry().intersects(frame)) << l->text().toStdString();
    }
}

TEST_F(WaveWindow, PolarisationStopsARunAndItsBarsKeepTheirScale)
{
    Form5 &f = Open();
    f.Option3D5->click(); // figures off: quick sweeps
    f.Command2_Click();
    const double plain = TallestBar(f, 0);

    // A change of polarisation during a sweep stops it, as a colour does.
    std::size_t before = f.record.bars.size();
    During([&] { return f.model.obsCoord > -190000; }, [&] { f.Option3D10->click(); });
    f.Command2_Click();
    EXPECT_LT(f.record.bars.size() - before, 191u);
    EXPECT_EQ(f.RunsActive(), 0);

    // The parallel component is a small part of the light: its tallest bar
    // about a fifth of the perpendicular one's, both below the plain bars.
    before = f.record.bars.size();
    f.Command2_Click();
    const double p = TallestBar(f, before);
    f.Option3D9->click();
    before = f.record.bars.size();
    f.Command2_Click();
    const double s = TallestBar(f, before);
    EXPECT_LT(s, 0.4 * plain);
    EXPECT_GT(p / s, 0.15);
    EXPECT_LT(p / s, 0.27);
    // Bild I's legend belongs to the two chains of unpolarised light.
    EXPECT_FALSE(f.Label16->isVisible());
    f.Option3D11->click();
    EXPECT_TRUE(f.Label16->isVisible());
    EXPECT_TRUE(f.Picture1->accessibleDescription().contains(QStringLiteral("Polarisationsgrad")))
        << f.Picture1->accessibleDescription().toStdString();
}

// Each theory curve is in the table once, however often it is drawn, and
// in the colour of its light; bars and curves name their polarisation and
// the outer reflection.
TEST_F(WaveWindow, TableHoldsEachTheoryCurveOnceWithItsColourAndPolarisation)
{
    Form5 &f = Open();
    f.Option3D5->click();
    f.Option3D7->click();
    f.Check1->click();
    f.Command2_Click();
    f.Check1->click(); // off and on: the curve is drawn again
    f.Check1->click();
    f.Command2_Click(); // a second sweep draws it once more
    f.Option3D10->click();
    f.Check2->click();
    f.Command2_Click();

    const std::vector<QStringList> rows = TableRows(f);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows[0].mid(6), (QStringList{"Polarisation", "Außenreflexion"}));
    int plain = 0, parallel = 0, curves = 0;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const QStringList &r = rows[i];
        ASSERT_EQ(r.size(), 8);
        if (r[0] == QStringLiteral("Theorie")) {
            ++curves;
            EXPECT_EQ(r[4], QStringLiteral("rot"));
        } else if (r[6] == QStringLiteral("ohne") && r[7] == QStringLiteral("nein")) {
            ++plain;
        } else if (r[6] == QStringLiteral("parallel (p)") && r[7] == QStringLiteral("ja")) {
            ++parallel;
        }
    }
    EXPECT_EQ(plain, 2 * 191);
    EXPECT_EQ(parallel, 191);
    // One curve for the plain sweeps, one for the parallel component's.
    EXPECT_EQ(curves, 2 * 191);
}

// "Werte" is off at the start; on, after a sweep with Airy's curve and its
// Descartes label, the tallest bar and the first two inner bows carry their
// angles inside Bild III, clear of each other, the caption, the frame, the
// Descartes label and its line and every bar, in falling order of angle
// (the inner bows lie on the bright side, at smaller angles); they are in
// the table and the description; "cls" and the box take them away again.
TEST_F(WaveWindow, ValuesStandClearInBildIIIAndGoIntoTheTable)
{
    Form5 &f = Open();
    const std::vector<QLabel *> values{f.Label17, f.Label18, f.Label19};
    EXPECT_FALSE(f.Check4->isChecked());
    f.Option3D5->click();
    f.Check1->click();
    f.Command2_Click();
    for (const QLabel *l : values) EXPECT_FALSE(l->isVisible());
    EXPECT_EQ(TableRows(f)[0].size(), 8);

    f.Check4->click();
    const std::size_t before = f.record.bars.size();
    f.Command2_Click();
    const ScaleMap m = f.Picture1->Map();
    const QRect inside(0, 0, f.Picture1->width(), f.Picture2->y() - f.Picture1->y());
    std::vector<double> angles;
    for (const QLabel *l : values) {
        ASSERT_TRUE(l->isVisible()) << l->text().toStdString();
        const QRect r = l->geometry();
        EXPECT_TRUE(inside.contains(r)) << l->text().toStdString();
        for (const QWidget *other : {static_cast<const QWidget *>(f.Frame3D4), static_cast<const QWidget *>(f.Label9),
                                     static_cast<const QWidget *>(f.Label13)})
            EXPECT_FALSE(r.intersects(other->geometry())) << l->text().toStdString();
        for (const QLabel *o : values)
            if (o != l) {
                EXPECT_FALSE(r.intersects(o->geometry())) << l->text().toStdString();
            }
        // Not on Descartes' line, and no red bar's pixel under the label.
        EXPECT_FALSE(r.left() <= f.Label13->x() - 4 && f.Label13->x() - 4 <= r.right()) << l->text().toStdString();
        const QRect device(DevicePixel(f.Picture1, m.ToUserX(r.left()), m.ToUserY(r.top())),
                           DevicePixel(f.Picture1, m.ToUserX(r.right() + 1), m.ToUserY(r.bottom() + 1)));
        EXPECT_EQ(CountPixels(f.Picture1, Is(qRgb(255, 0, 0)), device), 0) << l->text().toStdString();
        bool ok = false;
        angles.push_back(QLocale().toDouble(l->text().chopped(1), &ok));
        EXPECT_TRUE(ok) << l->text().toStdString();
        EXPECT_TRUE(f.Picture1->accessibleDescription().contains(l->text())) << l->text().toStdString();
    }
    EXPECT_GT(angles[0], angles[1]);
    EXPECT_GT(angles[1], angles[2]);
    // The tallest bar's label: the angle of the tallest of the latest sweep's
    // bars in the table, written beside it.
    const auto tallest = std::max_element(f.record.bars.begin() + std::ptrdiff_t(before), f.record.bars.end(),
                                          [](const auto &a, const auto &b) { return a.amplitude < b.amplitude; });
    EXPECT_NEAR(angles[0], tallest->angle, 0.005);
    const double x = m.ToPixelX(tavrin::AngleScaleX(tallest->angle, f.model.piValue));
    EXPECT_LE(std::abs(f.Label17->geometry().center().x() - x), f.Label17->width() * 1.5);

    const std::vector<QStringList> rows = TableRows(f);
    ASSERT_EQ(rows[0].size(), 9);
    EXPECT_EQ(rows[0][8], QStringLiteral("Markierung"));
    ASSERT_EQ(rows.back().size(), 9);
    EXPECT_EQ(rows.back()[8], QStringLiteral("2. innerer Bogen"));
    EXPECT_EQ(rows[rows.size() - 3][8], QStringLiteral("höchster Balken"));
    EXPECT_NEAR(rows[rows.size() - 3][2].toDouble(), tallest->angle, 1e-4);

    f.Command1_Click();
    for (const QLabel *l : values) EXPECT_FALSE(l->isVisible());
    f.Command2_Click();
    EXPECT_TRUE(f.Label17->isVisible());
    f.Check4->click();
    for (const QLabel *l : values) EXPECT_FALSE(l->isVisible());
    EXPECT_EQ(TableRows(f)[0].size(), 8);
}
