// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors

// The pace of the wave model's sweep: with the figures on, each observation
// position takes its time so that the chain can be followed; the user may
// run it at a quarter of that pace up to four times as fast.
#include "tavrin/wavemodel/form5.h"

#include "common/widgets/fonts.h"
#include "tavrin/wavemodel/form5_design.h"

#include <QComboBox>
#include <array>

namespace rb::tavrin {

using namespace wave_window;

namespace {
struct Speed {
    const char *text;
    double factor;
};
constexpr std::array<Speed, 5> kSpeeds{{{QT_TRANSLATE_NOOP("rb::tavrin::Form5", "¼×"), 0.25},
                                        {QT_TRANSLATE_NOOP("rb::tavrin::Form5", "½×"), 0.5},
                                        {QT_TRANSLATE_NOOP("rb::tavrin::Form5", "1×"), 1.0},
                                        {QT_TRANSLATE_NOOP("rb::tavrin::Form5", "2×"), 2.0},
                                        {QT_TRANSLATE_NOOP("rb::tavrin::Form5", "4×"), 4.0}}};
constexpr int kUsualSpeed = 2; // 1×
} // namespace

void Form5::MakeSpeedControl()
{
    Combo1 = new QComboBox(this);
    Combo1->setFont(UiFont(kModelFont.points, true));
    for (const Speed &s : kSpeeds) Combo1->addItem(tr(s.text));
    Combo1->setCurrentIndex(kUsualSpeed);
    Combo1->setAccessibleName(tr("Tempo des Bogensystems"));
    Combo1->setToolTip(tr("Tempo des Bogensystems bei eingeschalteten Bildern I / II"));
    connect(Combo1, &QComboBox::currentIndexChanged, this, &Form5::Combo1_Change);
}

void Form5::Combo1_Change(int index)
{
    if (index < 0 || index >= int(kSpeeds.size())) return;
    model.sweepSpeed = kSpeeds[std::size_t(index)].factor;
}

} // namespace rb::tavrin
