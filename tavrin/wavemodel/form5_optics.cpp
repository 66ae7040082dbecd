// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors

// The wave-optics frame of the wave window. It stands inside Bild III at
// its upper left, under the caption, over the dark side of the bow: there
// the bars are lowest, and the frame's foot stays above the tallest bar any
// sweep can draw, so it hides none of them. Its controls sit in a grid two
// to a row, a wide one taking a row of its own; a new control is one call
// of AddOpticsRow.
#include "tavrin/wavemodel/form5.h"

#include "common/widgets/controls.h"
#include "common/widgets/fonts.h"
#include "common/widgets/number_text.h"
#include "tavrin/wavemodel/form5_design.h"
#include "tavrin/wavemodel/model/polarisation_degree.h"
#include "tavrin/wavemodel/model/polarised_chain.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <algorithm>
#include <cmath>

namespace rb::tavrin {

using namespace wave_window;

namespace {

// The frame's upper left corner in Bild III's units: just right of the
// left edge (44.7°), and a little under the top, where the caption stands;
// the frame goes lower still if the caption needs it.
constexpr double kOpticsLeft = -197800;
constexpr double kOpticsTop = 1890;
constexpr int kCaptionGap = 2; // pixels between the caption and the frame
constexpr int kColumns = 2;

QString Hex(Color c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)).name(); }

} // namespace

void Form5::MakeOpticsFrame()
{
    Frame3D4 = MakeFrame(Picture1, tr("Wellenoptik"), kOnOffFont);
    Frame3D4->setAttribute(Qt::WA_NoMousePropagation);
    auto *grid = new QGridLayout(Frame3D4);
    grid->setContentsMargins(4, 0, 4, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(0);

    auto *title = MakeClearLabel(Frame3D4, tr("Polarisation:"), kModelFont);
    title->setWordWrap(false);
    AddOpticsRow(title, false);
    // The values share the title's row: one row more and the frame's foot
    // would reach down to the bars of the bow.
    AddOpticsRow(MakeValuesBox(), false);
    Option3D8 = MakeOption(Frame3D4, tr("ohne"), kModelFont, true);
    Option3D9 = MakeOption(Frame3D4, tr("senkrecht (s)"), kModelFont, false);
    Option3D10 = MakeOption(Frame3D4, tr("parallel (p)"), kModelFont, false);
    Option3D11 = MakeOption(Frame3D4, tr("unpolarisiert"), kModelFont, false);
    for (QRadioButton *o : {Option3D8, Option3D9, Option3D10, Option3D11}) AddOpticsRow(o, false);
    Check2 = new QCheckBox(tr("Außenreflexion"), Frame3D4);
    Check2->setFont(UiFont(kModelFont.points, kModelFont.bold));
    AddOpticsRow(Check2, true);
    MakeMieControls();

    // Bild I's legend, shown while both chains of unpolarised light are.
    Label16 = MakeClearLabel(Picture3, QString(), kModelFont);
    Label16->setTextFormat(Qt::RichText);
    Label16->setText(tr("<span style=\"color:%1\">&#9473; senkrecht (s)</span>&nbsp;&nbsp;"
                        "<span style=\"color:%2\">&#9473;&#9473; parallel (p)</span>")
                         .arg(Hex(RGB(0, 0, 0)), Hex(kParallelChainColour)));
    Label16->setWordWrap(false);
    Label16->hide();

    connect(Option3D8, &QRadioButton::clicked, this, &Form5::Option3D8_Click);
    connect(Option3D9, &QRadioButton::clicked, this, &Form5::Option3D9_Click);
    connect(Option3D10, &QRadioButton::clicked, this, &Form5::Option3D10_Click);
    connect(Option3D11, &QRadioButton::clicked, this, &Form5::Option3D11_Click);
    connect(Check2, &QCheckBox::clicked, this, &Form5::Check2_Click);
}

void Form5::AddOpticsRow(QWidget *control, bool wide)
{
    auto *grid = static_cast<QGridLayout *>(Frame3D4->layout());
    // The next free cell: after the last control, a wide one on a row of
    // its own.
    int row = grid->rowCount(), column = 0;
    if (grid->count() == 0) row = 0;
    else {
        int r = 0, c = 0, rs = 0, cs = 0;
        grid->getItemPosition(grid->count() - 1, &r, &c, &rs, &cs);
        row = r;
        column = c + cs;
        if (wide || column >= kColumns) {
            row = r + 1;
            column = 0;
        }
    }
    grid->addWidget(control, row, column, 1, wide ? kColumns : 1);
}

void Form5::PlaceOpticsFrame()
{
    Frame3D4->adjustSize();
    Picture1->Move(Frame3D4, kOpticsLeft, kOpticsTop);
    const int below = Label9->y() + Label9->height() + kCaptionGap;
    if (Frame3D4->y() < below) Frame3D4->move(Frame3D4->x(), below);
    Frame3D4->raise();
    Label16->adjustSize();
    Label16->move(2, Picture3->height() - Label16->height() - 2);
}

void Form5::SelectPolarisation(Polarisation p)
{
    model.SelectPolarisation(p);
    Label16->setVisible(p == Polarisation::Unpolarised);
}

void Form5::Option3D8_Click() { SelectPolarisation(Polarisation::None); }
void Form5::Option3D9_Click() { SelectPolarisation(Polarisation::Perpendicular); }
void Form5::Option3D10_Click() { SelectPolarisation(Polarisation::Parallel); }
void Form5::Option3D11_Click() { SelectPolarisation(Polarisation::Unpolarised); }
void Form5::Check2_Click() { model.SetOuterReflection(Check2->isChecked()); }

QString Form5::PolarisationName() const
{
    switch (model.polarisation) {
    case Polarisation::Perpendicular: return Option3D9->text();
    case Polarisation::Parallel: return Option3D10->text();
    case Polarisation::Unpolarised: return Option3D11->text();
    case Polarisation::None: break;
    }
    return Option3D8->text();
}

// The degree of polarisation at the latest sweep's tallest bar, for screen
// readers; empty without polarisation.
QString Form5::DescribePolarisation() const
{
    const std::vector<WaveBar> &all = record.bars;
    if (model.polarisation == Polarisation::None || all.empty()) return QString();
    const auto tallest = std::max_element(all.begin() + std::ptrdiff_t(record.LatestSweepFrom()), all.end(),
                                          [](const WaveBar &a, const WaveBar &b) { return a.amplitude < b.amplitude; });
    // The fan's bars stand beside their observation point by the colour's
    // offset; the whole drop's stand at it.
    const double x = model.phasorModel == PhasorModel::WholeDrop ? tallest->x : tallest->x - model.barOffset;
    return tr("; Polarisation %1, Polarisationsgrad am höchsten Balken %2")
        .arg(PolarisationName(), HundredthsText(DegreeOfPolarisation(model, x)));
}

} // namespace rb::tavrin
