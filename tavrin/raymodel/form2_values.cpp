// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors

// The numbers on the ray model's strip: with "Werte" on, Descartes' angle
// of the chosen colour, material and number of reflections is marked where
// the ticks are, with its value on the side of it where no ray's mark can
// lie (above the largest W of one reflection, below the smallest of two),
// so neither hides the crowd of marks that is the bow. The mark follows
// every option; it is not drawn into the strip, whose marks stay as rays
// left them. Off at the start.
#include "tavrin/raymodel/form2.h"

#include "common/widgets/values_box.h"
#include "common/widgets/controls.h"
#include "common/widgets/number_text.h"
#include "tavrin/raymodel/form2_design.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <algorithm>
#include <cmath>

namespace rb::tavrin {

using namespace ray_window;

namespace {
// Beside the scene's "cls", in the scene's units, as high as that button.
constexpr DesignBox kCheck1{-1950, -995, 500, 150};
// The mark spans the ticks' zone of the strip, in its units.
constexpr double kMarkFrom = 150;
constexpr int kMarkPixels = 2, kLabelGap = 1;
constexpr QRgb kMarkColour = 0xffffd700; // gold: no ray colour, clear on black
} // namespace

void form2::MakeValuesBox()
{
    Check1 = rb::MakeValuesBox(Picture3, font());
    Line1 = new QFrame(Picture1);
    Line1->setAutoFillBackground(true);
    QPalette pal = Line1->palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(kMarkColour));
    pal.setColor(QPalette::WindowText, QColor::fromRgb(kMarkColour));
    Line1->setPalette(pal);
    Label7 = MakeClearLabel(Picture1, QString(), kWindowFont);
    Label7->setPalette(pal);
    Label7->setWordWrap(false);
    for (QWidget *w : {static_cast<QWidget *>(Line1), static_cast<QWidget *>(Label7)}) {
        w->setAttribute(Qt::WA_TransparentForMouseEvents);
        w->hide();
    }
    connect(Check1, &QCheckBox::toggled, this, [this] {
        ShowDescartesMark();
        DescribePictures();
    });
    for (QRadioButton *o : {Option1, Option2, Option6, Option7, Option3, Option4, Option5, Option13, Option14})
        connect(o, &QRadioButton::toggled, this, [this](bool on) {
            if (on) ShowDescartesMark();
        });
}

void form2::PlaceValuesBox()
{
    Picture3->Move(Check1, kCheck1.left, kCheck1.top);
    Check1->resize(Check1->sizeHint().width(), Command2->height());
    ShowDescartesMark();
}

std::optional<RayModel::DescartesMark> form2::MarkedDescartes() const
{
    if (!Check1->isChecked()) return std::nullopt;
    return model.DescartesOnStrip();
}

void form2::ShowDescartesMark()
{
    const auto d = MarkedDescartes();
    const ScaleMap m = Picture1->Map();
    const int y = d ? int(std::lround(m.ToPixelY(kStripZeroY - kStripScale * d->angle))) : -1;
    const bool onStrip = d && y >= 0 && y < Picture1->height();
    Line1->setVisible(onStrip);
    Label7->setVisible(onStrip);
    if (!onStrip) return;
    const int from = int(std::lround(m.ToPixelX(kMarkFrom)));
    Line1->setGeometry(from, y - kMarkPixels / 2, Picture1->width() - from, kMarkPixels);
    Label7->setText(HundredthsText(d->angle) + QStringLiteral("°"));
    Label7->adjustSize();
    const int top = d->highest ? y - kMarkPixels - kLabelGap - Label7->height() : y + kMarkPixels + kLabelGap;
    Label7->move(0, std::clamp(top, 0, Picture1->height() - Label7->height()));
}

QString form2::DescartesDescription() const
{
    const auto d = MarkedDescartes();
    if (!d) return QString();
    return tr("; Descartes-Winkel %1° markiert").arg(HundredthsText(d->angle));
}

} // namespace rb::tavrin
