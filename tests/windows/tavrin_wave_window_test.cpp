// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The wave-model window as a user meets it outside a sweep: its layout and
// texts, what its controls do to the model, the observation point chosen
// by hand in Bild II, the single ray from the window's background, and the
// whole drop with Airy's theory.
#include "tavrin/start/form3.h"
#include "tests/windows/bar_input.h"
#include "tavrin/wavemodel/model/angle_scale.h"
#include "tests/windows/text_fit.h"
#include "tests/windows/wave_window_fixture.h"
#include "common/widgets/units.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace rb;
using namespace rb::testing;
using rb::tavrin::Form5;

namespace {

constexpr QRgb kRed = qRgb(255, 0, 0);

std::string Name(const QWidget *w)
{
    if (auto *l = qobject_cast<const QLabel *>(w)) return l->text().toStdString();
    if (auto *g = qobject_cast<const QGroupBox *>(w)) return g->title().toStdString();
    return w->metaObject()->className();
}

// The number of separate dark marks along a row of the angle scale.
int MarksAtHeight(Picture *p2, double y)
{
    const QImage &img = p2->Image();
    const int row = DevicePixel(p2, 0, y).y();
    int marks = 0;
    bool inMark = false;
    for (int x = 0; x < img.width(); ++x) {
        const bool dark = qGray(img.pixel(x, row)) < 128;
        marks += dark && !inMark;
        inMark = dark;
    }
    return marks;
}

} // namespace

TEST_F(WaveWindow, OpensEmptyWithItsScaleAndEveryTextVisible)
{
    Form5 &f = Open();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Regenbogen: Zeigerformalismus, Komibination aus Strahlen und "
                                              "Wellenoptik (Huygens-Fresnel)"));
    // 95 % of the screen, centred.
    EXPECT_NEAR(f.WidthTwips(), 0.95 * ScreenWidthTwips(), 20);
    EXPECT_NEAR(f.HeightTwips(), 0.95 * ScreenHeightTwips(), 20);
    EXPECT_NEAR(f.LeftTwips(), 0.025 * ScreenWidthTwips(), 20);
    EXPECT_NEAR(f.TopTwips(), 0.025 * ScreenHeightTwips(), 20);
    EXPECT_TRUE(ClippedTexts(&f).isEmpty()) << ClippedTexts(&f).join(QLatin1Char('\n')).toStdString();

    // Bild I, II and III are empty; the readout waits for the first sweep.
    EXPECT_EQ(Inked(f.Picture3) + Inked(f.Picture4) + Inked(f.Picture1), 0);
    EXPECT_FALSE(f.Text2->isVisible());
    EXPECT_FALSE(f.Label12->isVisible());

    // Six long marks reach the middle of the scale, sixty short ones hang
    // from its top; the scale lies over Bild III where the two overlap.
    EXPECT_EQ(MarksAtHeight(f.Picture2, 75), 6);
    EXPECT_EQ(MarksAtHeight(f.Picture2, 25), 60);
    const QPoint inOverlap = f.Picture2->geometry().topLeft() + QPoint(5, 2);
    EXPECT_EQ(f.childAt(inOverlap), f.Picture2);
    // The degree labels stand at their marks, 44° on the left to 39°.
    const QLabel *degrees[] = {f.Label10, f.Label1, f.Label2, f.Label3, f.Label4, f.Label11};
    for (int i = 0; i < 6; ++i) {
        const double mark = tavrin::AngleScaleX(44 - i, f.model.piValue);
        EXPECT_EQ(degrees[i]->text(), QStringLiteral("%1°").arg(44 - i));
        EXPECT_NEAR(degrees[i]->x(), f.Picture2->Map().ToPixelX(mark), 1) << i;
    }
    // Help texts and readout inside Bild II, clear of the drop.
    for (const QWidget *w : {static_cast<QWidget *>(f.Label8), static_cast<QWidget *>(f.Text2),
                             static_cast<QWidget *>(f.Label12)})
        EXPECT_TRUE(f.Picture4->rect().contains(w->geometry()));
    EXPECT_LT(f.Label8->geometry().right(), f.Picture4->Map().ToPixelX(-14000));

    // The left column: no control overlaps the next, the shortened frames
    // still hold their options, and the phasor model starts as the fan of
    // 321 rays without theory.
    const QWidget *column[] = {f.Command1, f.Command3, f.Command2, f.Frame3D1, f.Frame3D2,
                               f.Frame3D3, f.Label5, f.Label6, f.VScroll1};
    for (std::size_t i = 0; i + 1 < std::size(column); ++i)
        EXPECT_LE(column[i]->geometry().bottom(), column[i + 1]->geometry().top()) << i;
    EXPECT_TRUE(f.Option3D6->isChecked());
    EXPECT_FALSE(f.Check1->isChecked());
    // Controls in a picture or a frame stand at their places in 1/1440 inch
    // from its corner, the degree labels at their marks.
    const struct {
        const QWidget *control;
        double left, top; // 1/1440 inch; left < 0: at its mark
    } places[] = {{f.Label7, 0, 0},         {f.Label8, 0, 0},          {f.Label9, 120, 0},
                  {f.Text2, 4440, 3840},    {f.Label12, 5280, 3840},   {f.Label10, -1, 240},
                  {f.Label11, -1, 240},     {f.Option3D1, 120, 240},   {f.Option3D5, 120, 540}};
    for (const auto &p : places) {
        if (p.left >= 0) {
            EXPECT_NEAR(p.control->x(), TwipsToPixels(p.left), 1) << p.left;
        }
        EXPECT_NEAR(p.control->y(), TwipsToPixels(p.top), 1) << p.left;
    }
    // Nothing covers anything, but Bild III's foot under the angle scale;
    // the left column ends where its buttons end.
    EXPECT_TRUE(OverlappingControls(&f, {{f.Picture1, f.Picture2}}).isEmpty())
        << OverlappingControls(&f, {{f.Picture1, f.Picture2}}).join(QLatin1Char('\n')).toStdString();
    for (const QWidget *w : {static_cast<QWidget *>(f.Label5), static_cast<QWidget *>(f.Label6),
                             static_cast<QWidget *>(f.Frame3D1), static_cast<QWidget *>(f.Frame3D2)})
        EXPECT_LE(w->geometry().right(), f.Command1->geometry().right()) << Name(w);
}

TEST_F(WaveWindow, DiameterBarTakesTheFocusAndMovesByKeysAndWheel)
{
    Form5 &f = Open();
    // Page Up/Down move the diameter by 50 µm.
    const QStringList errors = rb::testing::DriveByKeysAndWheel(f.VScroll1, 50);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(f.model.diameterValue, f.VScroll1->value());
    EXPECT_EQ(f.text1->text(), QString::number(f.VScroll1->value()));
    EXPECT_TRUE(rb::testing::TabReaches(&f, f.VScroll1));
}

TEST_F(WaveWindow, ControlsSetTheModelAndRaiseTheStop)
{
    Form5 &f = Open();
    EXPECT_EQ(f.model.refrIndex, 1.33); // until a colour is clicked
    struct Case {
        QRadioButton *option;
        int offset;
        double waveParam, refrIndex;
        Color colour;
    };
    const Case cases[] = {
        {f.Option3D2, 50, 0.589, 1.3352, RGB(0, 255, 0)},
        {f.Option3D3, 100, 0.4, 1.3406, RGB(0, 0, 255)},
        {f.Option3D1, 0, 0.7, 1.3312, RGB(255, 0, 0)},
        {f.Option3D1, 0, 0.7, 1.3312, RGB(255, 0, 0)}, // clicking the chosen one again
    };
    for (const Case &c : cases) {
        f.model.stopRequest = false;
        QTest::mouseClick(c.option, Qt::LeftButton, Qt::NoModifier, QPoint(8, c.option->height() / 2));
        EXPECT_TRUE(c.option->isChecked());
        EXPECT_EQ(f.model.barOffset, c.offset);
        EXPECT_EQ(f.model.waveParam, c.waveParam);
        EXPECT_EQ(f.model.refrIndex, c.refrIndex);
        EXPECT_EQ(f.model.RayColor(), c.colour);
        EXPECT_TRUE(f.model.stopRequest);
    }

    QTest::mouseClick(f.Option3D5, Qt::LeftButton, Qt::NoModifier, QPoint(8, f.Option3D5->height() / 2));
    EXPECT_FALSE(f.model.drawFigures);
    QTest::mouseClick(f.Option3D4, Qt::LeftButton, Qt::NoModifier, QPoint(8, f.Option3D4->height() / 2));
    EXPECT_TRUE(f.model.drawFigures);

    // The scroll bar's top end is the smallest drop; the text box only shows.
    f.model.stopRequest = false;
    f.VScroll1->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(f.model.diameterValue, 50);
    EXPECT_EQ(f.text1->text(), QStringLiteral("50"));
    EXPECT_TRUE(f.model.stopRequest);
    f.VScroll1->setFocus();
    QTest::keyClick(f.VScroll1, Qt::Key_Down);
    EXPECT_EQ(f.model.diameterValue, 51);
    QTest::keyClicks(f.text1, QStringLiteral("7"));
    EXPECT_EQ(f.model.diameterValue, 51);

    // "cls" clears the figures, keeps the scale, raises the stop.
    f.Picture1->Line(-190000, 0, -190000, 1000);
    f.model.stopRequest = false;
    const int scale = Inked(f.Picture2);
    QTest::mouseClick(f.Command1, Qt::LeftButton);
    EXPECT_EQ(Inked(f.Picture1), 0);
    EXPECT_EQ(Inked(f.Picture2), scale);
    EXPECT_TRUE(f.model.stopRequest);

    // "Menu" brings the start window; this one stays open as it is.
    QTest::mouseClick(f.Command3, Qt::LeftButton);
    EXPECT_TRUE(tavrin::Navigation::Get().StartForm().isVisible());
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.model.diameterValue, 51);
}

TEST_F(WaveWindow, ClickIntoBildTwoShowsThatPointsChainAndResultant)
{
    for (const bool figures : {false, true}) {
        Form5 &f = Open();
        (figures ? f.Option3D4 : f.Option3D5)->click();
        // A sweep shows the readout; the click into Bild II hides it.
        During([] { return true; }, [&] { f.Command1->click(); });
        f.Command2->click();
        EXPECT_TRUE(f.Text2->isVisible());
        Press(f.Picture4, -12000, -13300);
        EXPECT_FALSE(f.Text2->isVisible());
        EXPECT_FALSE(f.Label12->isVisible());
        const QImage &chain = f.Picture3->Image();
        const double dpr = chain.devicePixelRatio();
        // The origin of Bild I, its centre, is marked either way.
        EXPECT_TRUE(IsDark(chain.pixel(chain.width() / 2, chain.height() / 2))) << figures;
        if (figures) {
            // Where the rays meet nearly in step the chain is long: the red
            // resultant runs out of Bild I.
            EXPECT_GT(Inked(f.Picture4), 1000);
            EXPECT_GT(Inked(f.Picture3), int(300 * dpr));
            const int red = CountPixels(f.Picture3, Is(kRed));
            EXPECT_GT(red, int(f.Picture3->Map().PixelsPerUnitX() * 100 * dpr)) << "resultant";
        } else {
            EXPECT_LT(Inked(f.Picture3), int(25 * dpr * dpr));
        }
        TearDown(); // a fresh window for the next case
        SetUp();
    }
}

TEST_F(WaveWindow, PressOnTheBackgroundTracesOneRay)
{
    Form5 &f = Open();
    // Red within a pixel of the window's user point (5, y), near its left edge.
    const auto redOnForm = [&](double y) {
        const QPoint at = DevicePixel(&f, 5, y);
        return CountPixels(&f, Is(kRed), QRect(at - QPoint(0, 1), at + QPoint(0, 1))) > 0;
    };
    // Below the drop's height nothing happens.
    Press(&f, 437, 2100);
    EXPECT_EQ(Inked(f.Picture4), 0);
    EXPECT_FALSE(redOnForm(2100));
    // A press on a label is the label's.
    QTest::mouseClick(f.Label5, Qt::LeftButton);
    EXPECT_EQ(Inked(f.Picture4), 0);

    Press(&f, 437, 1800);
    EXPECT_TRUE(redOnForm(1800)); // the stroke to the window's left edge
    const int left = Inked(f.Picture4);
    EXPECT_GT(left, 100);
    f.Picture4->Cls();
    Press(&f, 437, 1800, Qt::RightButton); // adds the secondary bow
    EXPECT_GT(Inked(f.Picture4), left);
}

TEST_F(WaveWindow, WholeDropWithTheoryDrawsBarsOnAirysCurve)
{
    Form5 &f = Open();
    f.model.stopRequest = false;
    QTest::mouseClick(f.Option3D7, Qt::LeftButton, Qt::NoModifier, QPoint(8, f.Option3D7->height() / 2));
    EXPECT_EQ(f.model.phasorModel, tavrin::PhasorModel::WholeDrop);
    EXPECT_TRUE(f.model.stopRequest);

    // Theory at once: the curve and Descartes' angle with its value.
    QTest::mouseClick(f.Check1, Qt::LeftButton, Qt::NoModifier, QPoint(8, f.Check1->height() / 2));
    EXPECT_TRUE(f.model.showTheory);
    const int theory = Inked(f.Picture1);
    EXPECT_GT(theory, 0);
    EXPECT_TRUE(f.Label13->isVisible());
    // Red light in water (n = 1.3312) leaves after one reflection at 42.34°
    // at the most.
    EXPECT_EQ(f.Label13->text(), QStringLiteral("Descartes-Winkel 42.34°"));
    const double descartesX = tavrin::AngleScaleX(42.34, f.model.piValue);
    EXPECT_NEAR(f.Label13->x(), f.Picture1->Map().ToPixelX(descartesX), 6);

    // A sweep: red bars, the tallest where Airy's main maximum is (41.99°),
    // none left of Descartes' angle taller than a tenth of it.
    f.Option3D5->click();
    QTest::mouseClick(f.Command2, Qt::LeftButton);
    EXPECT_TRUE(BarAt(f.Picture1, tavrin::AngleScaleX(41.99, f.model.piValue), kRed));
    EXPECT_GT(Inked(f.Picture1), theory);
    EXPECT_TRUE(ClippedTexts(&f).isEmpty()) << ClippedTexts(&f).join(QLatin1Char('\n')).toStdString();

    // "cls" clears the theory with the bars.
    QTest::mouseClick(f.Command1, Qt::LeftButton);
    EXPECT_EQ(Inked(f.Picture1), 0);
    EXPECT_FALSE(f.Label13->isVisible());
}
