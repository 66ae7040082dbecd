// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tavrin/sunlight/sun_form.h"

#include "common/export/window_saver.h"
#include "common/widgets/controls.h"
#include "common/widgets/fonts.h"
#include "common/widgets/number_text.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>

namespace rb::tavrin {

namespace {

constexpr FontSpec kControlFont{9.75, true};
constexpr FontSpec kOptionFont{8.25, false};
constexpr Color kWindowColour = RGB(224, 224, 224);

// The step of the bar nearest to a diameter, on the logarithmic scale.
int NearestStep(double d)
{
    const std::vector<double> &steps = SunForm::Diameters();
    int best = 0;
    for (int i = 0; i < static_cast<int>(steps.size()); ++i)
        if (std::abs(std::log(steps[static_cast<std::size_t>(i)] / d)) <
            std::abs(std::log(steps[static_cast<std::size_t>(best)] / d)))
            best = i;
    return best;
}

} // namespace

const std::vector<double> &SunForm::Diameters()
{
    static const std::vector<double> steps{10,  12,  15,  20,  25,  30,  40,  50,   60,   80,   100,  120,
                                           150, 200, 250, 300, 400, 500, 600, 800, 1000, 1200, 1500, 2000};
    return steps;
}

SunForm::SunForm()
{
    setWindowTitle(tr("Regenbogen im Sonnenlicht"));
    SetBackColor(kWindowColour);
    setFont(UiFont(kControlFont.points, kControlFont.bold));

    Label1 = MakeLabel(this, tr("Tropfendurchmesser in µm"), kControlFont, kWindowColour);
    HScroll1 = MakeScrollBar(this, Qt::Horizontal, 0, static_cast<int>(Diameters().size()) - 1, 1, 3,
                             NearestStep(diameter_));
    Text1 = MakeTextBox(this, NumberText(diameter_), kControlFont);
    Text1->setReadOnly(false);
    Frame1 = MakeFrame(this, tr("Theorie"), kControlFont);
    Option1 = MakeOption(Frame1, tr("Mie (exakt)"), kOptionFont, true);
    Option2 = MakeOption(Frame1, tr("Airy"), kOptionFont, false);
    Option6 = MakeOption(Frame1, tr("Zeiger des ganzen Tropfens"), kOptionFont, false);
    Check1 = new QCheckBox(tr("Sonnenscheibe 0,53°"), this);
    Check1->setFont(UiFont(kOptionFont.points, kOptionFont.bold));
    Check1->setChecked(true);
    Frame2 = MakeFrame(this, tr("Polarisationsfilter"), kControlFont);
    Option3 = MakeOption(Frame2, tr("keiner"), kOptionFont, true);
    Option4 = MakeOption(Frame2, tr("s (senkrecht)"), kOptionFont, false);
    Option5 = MakeOption(Frame2, tr("p (parallel)"), kOptionFont, false);
    Label2 = MakeLabel(this, QString(), kOptionFont, kWindowColour);
    Label2->setWordWrap(true);
    Busy = new QProgressBar(this);
    Busy->setRange(0, 0); // a bar that moves without an end: computing
    Busy->setTextVisible(false);
    Label3 = MakeLabel(this,
                       tr("Feste Belichtung: das Licht der Tropfen je Querschnittsfläche, für jede Größe gleich "
                          "belichtet, über einem gleichmäßig grauen Himmel."),
                       kOptionFont, kWindowColour);
    Label3->setWordWrap(true);
    Label4 = MakeLabel(this, tr("Der Himmel gegenüber der Sonne"), kControlFont, kWindowColour);
    Label5 = MakeLabel(this, tr("Das Spektrum dahinter: Intensität gegen den Winkel zum Gegenpunkt der Sonne"),
                       kControlFont, kWindowColour);
    Picture1 = new Picture(this);
    // The sky's bands are as wide as the pixels they have to fill.
    Picture1->SetPensFollowZoom(false);
    Picture2 = new Picture(this);
    Picture2->SetBackColor(RGB(255, 255, 255));
    for (int deg = 35; deg <= 55; deg += 5)
        degreeLabels.push_back(MakeLabel(this, QStringLiteral("%1°").arg(deg), kOptionFont, kWindowColour));
    Label6 = MakeLabel(this, tr("Farbige Linien: 405, 455, 505, 555, 605 und 655 nm; schwarz: Leuchtdichte"),
                       kOptionFont, kWindowColour);
    Label7 = MakeLabel(this, tr("Streuung der Größen in %"), kControlFont, kWindowColour);
    HScroll2 = MakeScrollBar(this, Qt::Horizontal, 0, 30, 1, 5, 0);
    Text2 = MakeTextBox(this, NumberText(0.0), kControlFont);
    Label8 = MakeLabel(this, tr("Lee-Diagramm: die Farben für jeden Tropfendurchmesser (µm, logarithmisch)"),
                       kControlFont, kWindowColour);
    Picture3 = new Picture(this);
    Picture3->SetBackColor(RGB(96, 96, 96));
    Picture3->TakeKeyboardFocus();
    for (int deg = 35; deg <= 55; deg += 5)
        leeDegreeLabels.push_back(MakeLabel(this, QStringLiteral("%1°").arg(deg), kOptionFont, kWindowColour));
    for (const char *d : {"10", "100", "1000"})
        diameterLabels.push_back(MakeLabel(this, QString::fromLatin1(d), kOptionFont, kWindowColour));
    Label9 = MakeLabel(this, QString(), kOptionFont, kWindowColour);
    Label9->setWordWrap(true);
    Busy2 = new QProgressBar(this);
    Busy2->setRange(0, kLeeRows);
    Busy2->setTextVisible(false);

    Label1->setBuddy(HScroll1);
    for (QWidget *w : {static_cast<QWidget *>(HScroll1), static_cast<QWidget *>(Text1)})
        w->setAccessibleName(tr("Tropfendurchmesser in µm"));
    Picture1->setAccessibleName(tr("Der Himmel gegenüber der Sonne"));
    Picture2->setAccessibleName(tr("Spektrum"));
    Busy->setAccessibleName(tr("Rechnet"));
    for (QWidget *w : {static_cast<QWidget *>(HScroll2), static_cast<QWidget *>(Text2)})
        w->setAccessibleName(tr("Streuung der Größen in %"));
    Label7->setBuddy(HScroll2);
    Picture3->setAccessibleName(tr("Lee-Diagramm"));
    Busy2->setAccessibleName(tr("Lee-Diagramm: berechnete Zeilen"));
    setTabOrder(HScroll1, Text1);
    setTabOrder(Text1, HScroll2);
    setTabOrder(HScroll2, Option1);
    setTabOrder(Option1, Option2);
    setTabOrder(Option2, Option6);
    setTabOrder(Option6, Check1);
    setTabOrder(Check1, Option3);
    setTabOrder(Option3, Option4);
    setTabOrder(Option4, Option5);
    setTabOrder(Option5, Picture3);

    connect(HScroll1, &QScrollBar::valueChanged, this, &SunForm::BarMoved);
    connect(Text1, &QLineEdit::editingFinished, this, &SunForm::TextTyped);
    // An option that goes off is followed by the one that comes on: only
    // that one computes.
    for (QRadioButton *b : {Option1, Option2, Option6, Option3, Option4, Option5})
        connect(b, &QAbstractButton::toggled, this, [this](bool on) {
            if (on) Recompute();
        });
    connect(Check1, &QAbstractButton::toggled, this, [this](bool) { Recompute(); });
    connect(Picture1, &Picture::Paint, this, &SunForm::DrawSky);
    connect(Picture2, &Picture::Paint, this, &SunForm::DrawSpectrum);
    connect(HScroll2, &QScrollBar::valueChanged, this, &SunForm::SpreadMoved);
    connect(Picture3, &Picture::Paint, this, &SunForm::DrawLee);
    connect(Picture3, &Picture::MouseDown, this, &SunForm::Picture3_MouseDown);
    connect(Picture3, &Picture::KeyDown, this, &SunForm::Picture3_KeyDown);
    new WindowSaver(this, QStringLiteral("sonnenlicht"), [this] { return Csv(); });
}

SunForm::~SunForm() = default;

void SunForm::Form_Load()
{
    LayOut();
    Recompute();
}

SunBowRequest SunForm::Request() const
{
    SunBowRequest r;
    r.diameterMicrons = diameter_;
    r.spread = spreadPercent_ / 100.0;
    r.theory = Option2->isChecked() ? BowTheory::Airy : Option6->isChecked() ? BowTheory::WholeDrop : BowTheory::Mie;
    r.sunDisc = Check1->isChecked();
    r.filter = Option4->isChecked() ? BowFilter::S : Option5->isChecked() ? BowFilter::P : BowFilter::None;
    r.pixels = AnglePixels();
    return r;
}

void SunForm::SetDiameter(double microns)
{
    Text1->setText(NumberText(microns));
    TextTyped();
}

void SunForm::SetSpread(int percent) { HScroll2->setValue(percent); }

void SunForm::BarMoved()
{
    const double d = Diameters()[static_cast<std::size_t>(HScroll1->value())];
    diameter_ = d;
    Text1->setText(NumberText(diameter_));
    Recompute();
}

// A typed diameter is taken as it is, within 10–2000 µm; the bar moves to
// the step nearest to it. Text that is no number puts the last value back.
void SunForm::TextTyped()
{
    bool ok = false;
    const double d = QLocale().toDouble(Text1->text().trimmed(), &ok);
    if (!ok || !std::isfinite(d)) {
        Text1->setText(NumberText(diameter_));
        return;
    }
    const double clamped = std::clamp(std::round(d * 10) / 10, 10.0, 2000.0);
    Text1->setText(NumberText(clamped));
    if (clamped == diameter_) return;
    diameter_ = clamped;
    {
        const QSignalBlocker quiet(HScroll1);
        HScroll1->setValue(NearestStep(diameter_));
    }
    Recompute();
}

// Every change starts the computation anew; the older one stops. The sky and
// the spectrum keep showing the last picture until the new one is done.
void SunForm::Recompute()
{
    if (!isVisible() && shown_) {
        stale_ = true;
        return;
    }
    stale_ = false;
    Busy->show();
    Label2->setText(tr("Rechnet …"));
    // The chosen size first: Lee's diagram waits for it.
    leeJob_.Cancel();
    ResetLeeIfSettingsChanged();
    DrawLeeMark();
    job_.Start(Request(), [this](const SunBow &bow) { Finished(bow); });
}

// What the model summed, for the label under the options; the layout asks
// for its longest form to give the label its height.
QString SunForm::SummaryText(BowTheory theory, int wavelengths, long long summed, long long angles, int sizes)
{
    const QLocale locale;
    QString text;
    if (theory == BowTheory::Mie)
        text = tr("Summiert: %1 Wellenlängen, %2 Mie-Terme, je Wellenlänge bis %3 Winkel")
                   .arg(wavelengths)
                   .arg(locale.toString(summed))
                   .arg(locale.toString(angles));
    else if (theory == BowTheory::WholeDrop)
        text = tr("Summiert: %1 Wellenlängen, %2 Zeiger (Strahlen durch Haupt- und Nebenbogen), je "
                  "Wellenlänge bis %3 Winkel")
                   .arg(wavelengths)
                   .arg(locale.toString(summed))
                   .arg(locale.toString(angles));
    else
        text = tr("Summiert: %1 Wellenlängen, je zwei Airy-Bögen (Haupt- und Nebenbogen)").arg(wavelengths);
    if (sizes > 1) text += tr(", über %1 Tropfengrößen").arg(sizes);
    return text;
}

void SunForm::Finished(const SunBow &bow)
{
    shown_ = bow;
    Busy->hide();
    Label2->setText(SummaryText(bow.request.theory, int(bow.nm.size()),
                                bow.request.theory == BowTheory::WholeDrop ? bow.rays : bow.terms,
                                bow.anglesPerBand, bow.sizes));
    DrawSky();
    DrawSpectrum();
    Describe();
    StartLeeRow();
}

// A hidden window computes nothing; shown again it catches up.
void SunForm::hideEvent(QHideEvent *event)
{
    if (job_.Running()) {
        job_.Cancel();
        stale_ = true;
    }
    leeJob_.Cancel();
    Form::hideEvent(event);
}

void SunForm::showEvent(QShowEvent *event)
{
    Form::showEvent(event);
    if (stale_) Recompute();
    else StartLeeRow();
}

} // namespace rb::tavrin
