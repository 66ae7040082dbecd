// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors

// Lorenz–Mie theory in the wave window: a check box and the choice of all
// paths or the bow ray only, in the wave-optics frame; the exact curve for
// the colour, the diameter and the polarisation shown, one value per device
// pixel of Bild III. A 2000 µm drop in blue light takes longer than a frame,
// so the curve is computed on worker threads and handed to this thread by a
// queued call; any change of colour, diameter, polarisation or choice, and
// "cls", stops it, and a close ends the program without waiting for it.
#include "tavrin/wavemodel/form5.h"

#include "common/widgets/controls.h"
#include "common/widgets/event_loop.h"
#include "common/widgets/fonts.h"
#include "common/widgets/number_text.h"
#include "tavrin/wavemodel/form5_design.h"
#include "tavrin/wavemodel/model/angle_scale.h"
#include "tavrin/wavemodel/model/mie_heights.h"
#include "tavrin/wavemodel/model/wave_fan.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

namespace rb::tavrin {

using namespace wave_window;

namespace {

// Black: apart from the bars' three colours and from Airy's darker shades
// of them.
constexpr Color kMieColour = RGB(0, 0, 0);
// Airy's main maximum in the whole drop's bars, as wave_runs draws it; the
// fan's bars are drawn four units per unit of amplitude.
constexpr double kWholeDropPeak = 1000, kFanUnitsPerAmplitude = 4;
constexpr int kInnerBowsTold = 3;

MiePolarisation MieLight(Polarisation p)
{
    switch (p) {
    case Polarisation::Perpendicular: return MiePolarisation::S;
    case Polarisation::Parallel: return MiePolarisation::P;
    case Polarisation::None:
    case Polarisation::Unpolarised: break;
    }
    // Light without polarisation is the mean of the two intensities.
    return MiePolarisation::Unpolarised;
}

double ElapsedMs(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since).count();
}

} // namespace

struct Form5::MieJob {
    std::atomic<bool> cancel{false}, done{false};
    std::thread worker;
    ~MieJob()
    {
        cancel = true;
        if (worker.joinable()) worker.join();
    }
};

void Form5::MakeMieControls()
{
    Check3 = new QCheckBox(tr("Mie-Theorie"), Frame3D4);
    Check3->setFont(UiFont(kModelFont.points, kModelFont.bold));
    // Beside the outer reflection, so the frame grows by one row only and
    // its foot stays above the tallest bar.
    Frame3D4->layout()->removeWidget(Check2);
    AddOpticsRow(Check2, false);
    AddOpticsRow(Check3, false);
    Option3D12 = MakeOption(Frame3D4, tr("alle Wege"), kModelFont, false);
    Option3D13 = MakeOption(Frame3D4, tr("nur Bogenstrahl"), kModelFont, false);
    // A group of their own, apart from the polarisation options beside them;
    // checked only once in it, or it would uncheck "ohne".
    auto *paths = new QButtonGroup(Frame3D4);
    paths->addButton(Option3D12);
    paths->addButton(Option3D13);
    Option3D12->setChecked(true);
    AddOpticsRow(Option3D12, false);
    AddOpticsRow(Option3D13, false);
    Check3->setAccessibleDescription(
        tr("Die exakte Kurve der Lorenz-Mie-Theorie in Bild III, schwarz, als Amplitude: das Hauptmaximum des "
           "Bogenterms so hoch wie das der Airy-Theorie"));
    Option3D12->setAccessibleDescription(tr("Mie-Theorie: die ganze Reihe, mit dem außen gespiegelten Licht"));
    Option3D13->setAccessibleDescription(tr("Mie-Theorie: nur das einmal innen gespiegelte Licht (Debye p = 2)"));

    connect(Check3, &QCheckBox::clicked, this, &Form5::Check3_Click);
    connect(Option3D12, &QRadioButton::clicked, this, &Form5::Option3D12_Click);
    connect(Option3D13, &QRadioButton::clicked, this, &Form5::Option3D13_Click);
    // What the curve depends on: a change stops the one being computed.
    for (QRadioButton *o : {Option3D1, Option3D2, Option3D3, Option3D8, Option3D9, Option3D10, Option3D11})
        connect(o, &QRadioButton::clicked, this, &Form5::CancelMie);
    connect(VScroll1, &QScrollBar::valueChanged, this, &Form5::CancelMie);
    connect(Command1, &QPushButton::clicked, this, [this] {
        CancelMie();
        mieDescription_.clear();
        DescribePictures();
    });
    // A close ends the program: the worker is told to stop, not waited for.
    connect(this, &Form::Unload, this, [this] { CancelMie(); });
}

void Form5::Check3_Click()
{
    if (Check3->isChecked()) StartMie();
    else CancelMie();
}

void Form5::Option3D12_Click()
{
    if (Check3->isChecked()) StartMie();
}
void Form5::Option3D13_Click() { Option3D12_Click(); }

bool Form5::MieBusy() const { return mieJob_ != nullptr; }

void Form5::CancelMie()
{
    ++mieGeneration_;
    // A stopped worker finishes its block on its own; it is joined once it
    // has, or at the window's end, so this thread never waits for it.
    std::erase_if(mieRetired_, [](const std::shared_ptr<MieJob> &j) { return j->done.load(); });
    if (!mieJob_) return;
    mieJob_->cancel = true;
    mieRetired_.push_back(std::move(mieJob_));
}

void Form5::MieAfterSweep(unsigned generationBefore)
{
    // As Airy's curve, drawn again after a sweep, unless the settings
    // changed during it.
    if (generationBefore == mieGeneration_ && Check3->isChecked() && !EndRequested()) StartMie();
}

void Form5::StartMie()
{
    CancelMie();
    const unsigned generation = mieGeneration_;
    const MieCurveRequest request{.colour = model.colour,
                                  .diameterMicrons = double(model.diameterValue),
                                  .polarisation = MieLight(model.polarisation),
                                  .paths = Option3D13->isChecked() ? MiePaths::BowRay : MiePaths::All,
                                  .pixels = std::max(1, int(std::lround(Picture1->width() * devicePixelRatioF())))};
    const bool wholeDrop = model.phasorModel == PhasorModel::WholeDrop;
    // Airy's main maximum stands as high as the whole drop's bars are
    // scaled, or as the fan's tallest bar. The fan's sweep is worked out
    // here, as for Airy's curve: it cannot be stopped midway, and a worker
    // must stop within a block when the window closes.
    double peak = kWholeDropPeak;
    if (!wholeDrop) {
        WaveModel probe = model; // leaves the window's ray state alone
        const std::vector<double> a = SweepAmplitudes(probe);
        peak = kFanUnitsPerAmplitude * *std::max_element(a.begin(), a.end());
    }
    auto job = std::make_shared<MieJob>();
    std::atomic<bool> &cancel = job->cancel, &done = job->done;
    job->worker = std::thread([this, &cancel, &done, request, wholeDrop, generation, peak,
                               started = std::chrono::steady_clock::now()] {
        std::vector<double> heights = MieCurveHeights(request, peak, cancel);
        if (heights.empty()) {
            done = true;
            return;
        }
        const double perAmplitude = wholeDrop ? 1.0 : kFanUnitsPerAmplitude;
        QMetaObject::invokeMethod(
            this,
            [this, generation, heights = std::move(heights), perAmplitude, started] {
                mieMs_ = ElapsedMs(started);
                ShowMie(generation, heights, perAmplitude);
            },
            Qt::QueuedConnection);
        done = true;
    });
    mieJob_ = std::move(job);
}

void Form5::ShowMie(unsigned generation, const std::vector<double> &heights, double unitsPerAmplitude)
{
    if (generation != mieGeneration_ || EndRequested()) return;
    mieJob_.reset(); // its worker is at its end: the join is immediate
    const std::size_t n = heights.size();
    const double step = kBild3.width / double(n);
    const auto xAt = [&](std::size_t i) { return kBild3.left + (double(i) + 0.5) * step; };
    Picture1->SetDrawWidth(1);
    for (std::size_t i = 1; i < n; ++i) Picture1->Line(xAt(i - 1), heights[i - 1], xAt(i), heights[i], kMieColour);

    // The table keeps each curve once, as drawn last.
    const QString choice = Option3D13->isChecked() ? Option3D13->text() : Option3D12->text();
    const QString polarisation = PolarisationName();
    const Color colour = model.RayColor();
    const int diameter = model.diameterValue;
    std::vector<WaveCurvePoint> &theory = record.theory;
    std::erase_if(theory, [&](const WaveCurvePoint &p) {
        return p.mie && p.colour == colour && p.diameter == diameter && p.model == choice &&
               p.polarisation == polarisation;
    });
    // The full series holds the light reflected off the outside.
    const bool outer = !Option3D13->isChecked();
    for (std::size_t i = 0; i < n && theory.size() < WaveRecord::kMaxBars; ++i)
        theory.push_back({AngleScaleDegrees(xAt(i), model.piValue), heights[i] / unitsPerAmplitude, colour, diameter,
                          choice, polarisation, outer, QString(), true});

    const MieCurveRequest geometry{.colour = model.colour, .diameterMicrons = double(diameter), .pixels = int(n)};
    const std::vector<std::size_t> maxima = BowMaxima(heights, BowMaximaWindow(geometry), kInnerBowsTold);
    const auto at = [&](std::size_t i) {
        return tr("%1° (Amplitude %2)")
            .arg(HundredthsText(AngleScaleDegrees(xAt(i), model.piValue)),
                 NumberText(std::round(heights[i] / unitsPerAmplitude)));
    };
    mieDescription_ = tr("; Mie-Theorie (%1): höchstes Maximum bei %2").arg(choice, at(maxima.front()));
    QStringList bows;
    for (std::size_t k = 1; k < maxima.size(); ++k) bows << at(maxima[k]);
    if (!bows.isEmpty()) mieDescription_ += tr(", innere Bögen bei %1").arg(bows.join(QStringLiteral(", ")));
    DescribePictures();
}

} // namespace rb::tavrin
