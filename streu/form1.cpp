// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "streu/form1.h"

#include "common/export/window_saver.h"
#include "common/widgets/bar_text.h"
#include "common/widgets/controls.h"
#include "common/widgets/event_loop.h"
#include "common/widgets/fonts.h"
#include "common/widgets/number_text.h"
#include "common/widgets/units.h"
#include "streu/model/rainbow_ray.h"
#include "streu/model/scatter_plot.h"
#include "streu/scatter_table.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <cmath>

namespace rb::streu {

namespace {
constexpr FontSpec kWindowFont{8.25, true};
constexpr FontSpec kCaptionFont{12, true};

// Axis captions: the window's label and its text, position in plot units,
// size in 1/1440 inch. Each direction caption stands 50 units above its thick
// line, each impact-parameter caption 100 units below the bottom line.
struct PlotLabel {
    QLabel *Form1::*label;
    const char *caption;
    double left, top, width, height;
};
constexpr PlotLabel kPlotLabels[] = {
    {&Form1::Label1, QT_TRANSLATE_NOOP("rb::streu::Form1", "0°"), -60, 3650, 735, 495},
    {&Form1::Label2, QT_TRANSLATE_NOOP("rb::streu::Form1", "90°"), -60, 2750, 615, 375},
    {&Form1::Label3, QT_TRANSLATE_NOOP("rb::streu::Form1", "180°"), -60, 1850, 735, 375},
    {&Form1::Label4, QT_TRANSLATE_NOOP("rb::streu::Form1", "270°"), -60, 950, 615, 375},
    {&Form1::Label5, QT_TRANSLATE_NOOP("rb::streu::Form1", "360°"), -60, 50, 615, 375},
    {&Form1::Label6, QT_TRANSLATE_NOOP("rb::streu::Form1", "0.0"), 0, 3800, 615, 375},
    {&Form1::Label7, QT_TRANSLATE_NOOP("rb::streu::Form1", "0.5"), 500, 3800, 615, 375},
    {&Form1::Label8, QT_TRANSLATE_NOOP("rb::streu::Form1", "1.0"), 1000, 3800, 615, 375},
    {&Form1::Label9, QT_TRANSLATE_NOOP("rb::streu::Form1", "Stoßparameter"), 700, 3800, 2295, 255},
};
} // namespace

Form1::Form1()
{
    setWindowTitle(tr("Richtung des vom Tropfen gestreuten Lichts als Funktion des Stoßparameters und der "
                      "Zahl der  Reflexionen im Tropfen"));
    SetBackColor(RGB(192, 192, 192));
    setFont(UiFont(kWindowFont.points, kWindowFont.bold));

    Picture1 = new Picture(this);
    for (const PlotLabel &p : kPlotLabels) {
        this->*p.label = MakeClearLabel(Picture1, tr(p.caption), kCaptionFont);
        (this->*p.label)->setWordWrap(false);
    }

    HScroll1 = MakeScrollBar(this, Qt::Horizontal, 1, 15, 1, 1, 1);
    PlaceTwips(HScroll1, 0, 0, 3975, 375);
    Text1 = MakeTextBox(this, QString(), kWindowFont);
    PlaceTwips(Text1, 0, 0, 495, 375);
    Label11 = MakeLabel(this, tr("Anzahl der Reflexionen im Tropfen"), kCaptionFont, RGB(192, 192, 192));
    MakeValuesBox();
    Label11->setWordWrap(false);
    // Centred under the bar: the box and the text in it.
    Label11->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    PlaceTwips(Label11, 0, 0, 4935, 375);
    FitText(Label11);

    // The bar and its text box are named by the caption under the bar.
    HScroll1->setAccessibleName(Label11->text());
    Text1->setAccessibleName(Label11->text());
    Picture1->setAccessibleName(tr("Diagramm"));

    // A typed number moves the bar; the curve follows a dragged thumb.
    new BarText(Text1, HScroll1, 1, [](int v) { return QString::number(v); });
    HScroll1->setTracking(true);
    connect(HScroll1, &QScrollBar::valueChanged, this, &Form1::HScroll1_Change);
    connect(Picture1, &Picture::Paint, this, &Form1::Picture1_Paint);
    connect(this, &Form::Unload, this, [] { End(); });
    new WindowSaver(this, QStringLiteral("streu"),
                    [this] { return ScatterCsv(reflCount, refrIndex, piValue, MarkedTurningPoint()); });
}

void Form1::Form_Load()
{
    LayOut();
    reflCount = 1;
    Text1->setText(QStringLiteral("1"));
    piValue = static_cast<float>(4.0 * std::atan(1.0));
    refrIndex = 4.0 / 3.0;
    DescribePlot();
}

// The whole usable screen, frame included.
void Form1::LayOut()
{
    SetOuterGeometryTwips(LeftTwips(), TopTwips(), ScreenWidthTwips(), ScreenHeightTwips());
    const double W = WidthTwips(), H = HeightTwips();
    Place(Picture1, 0.01 * W, 0.01 * H, 0.97 * W, 0.8 * H);
    Picture1->Scale(kPlotScaleLeft, kPlotScaleTop, kPlotScaleWidth, kPlotScaleHeight);
    MoveTwips(1, 1);
    PlacePlotLabels();

    const double picLeft = ChildLeft(Picture1), picTop = ChildTop(Picture1);
    const double picWidth = ChildWidth(Picture1), picHeight = ChildHeight(Picture1);
    const double barWidth = ChildWidth(HScroll1), barHeight = ChildHeight(HScroll1);
    const double barTop = picTop + picHeight + 0.01 * H;
    const double barLeft = picLeft + (picWidth - barWidth) / 2;
    Place(HScroll1, barLeft, barTop, barWidth, barHeight);
    const double labelWidth = ChildWidth(Label11);
    Place(Label11, barLeft + (barWidth - labelWidth) / 2, barTop + barHeight + 0.01 * H, labelWidth,
          ChildHeight(Label11));
    Place(Text1, barLeft + barWidth, barTop, ChildWidth(Text1), ChildHeight(Text1));
    // "Werte" right of the box, level with the bar.
    Place(Check1, barLeft + barWidth + ChildWidth(Text1) + 0.01 * W, barTop, ChildWidth(Check1), barHeight);
    FreezeSize();
}

void Form1::DescribePlot()
{
    QString text = tr("Richtung des gestreuten Lichts gegen Stoßparameter für k = %n Reflexionen", nullptr, reflCount);
    if (const auto b = RainbowImpact(reflCount, refrIndex)) {
        const double direction = ScatterDirection(*b, reflCount, refrIndex, piValue);
        text += tr("; Umkehrpunkt bei %1° für Stoßparameter %2")
                    .arg(HundredthsText(direction), NumberText(std::round(*b * 1000) / 1000));
        if (ShowsValues()) text += tr("; auf dem Diagramm markiert");
    }
    Picture1->setAccessibleDescription(text);
}

void Form1::PlacePlotLabels()
{
    for (const PlotLabel &p : kPlotLabels) {
        QLabel *l = this->*p.label;
        Picture1->Move(l, p.left, p.top);
        l->resize(int(std::lround(TwipsToPixels(p.width))), int(std::lround(TwipsToPixels(p.height))));
        FitText(l);
    }
}

void Form1::HScroll1_Change()
{
    reflCount = static_cast<std::int16_t>(HScroll1->value());
    Text1->setText(QString::number(reflCount));
    Picture1->Cls();
    DrawScatterGrid(*Picture1);
    DrawScatterCurve(*Picture1, reflCount, refrIndex, piValue);
    DrawValues();
    DescribePlot();
}

void Form1::Picture1_Paint()
{
    Picture1->Cls();
    DrawScatterGrid(*Picture1);
    DrawScatterCurve(*Picture1, reflCount, refrIndex, piValue);
    DrawValues();
}

} // namespace rb::streu
