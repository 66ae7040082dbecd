// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors

// Controls that do what they seem to: typed values move their bars, the
// diameter pages by 50 µm, the curves follow a dragged thumb, the slow ray
// sweep can be stopped; and the smaller faults a class meets: the empty
// prism plot, Descartes' labels and line, a save under a name the window
// cannot write.
#include "common/export/window_saver.h"
#include "common/widgets/bar_text.h"
#include "prisma/form1.h"
#include "streu/form1.h"
#include "tavrin/raymodel/form2.h"
#include "tavrin/start/form3.h"
#include "tavrin/wavemodel/model/angle_scale.h"
#include "tests/windows/pixels.h"
#include "tests/windows/scoped_locale.h"
#include "tests/windows/wave_window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace rb;
using namespace rb::testing;

namespace {

void Type(QLineEdit *box, const QString &text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

BarText *BarTextOf(QLineEdit *box) { return box->findChild<BarText *>(); }

} // namespace

TEST(TypedValues, MoveTheBarWithinItsRangeAndAreRefusedOtherwise)
{
    const ScopedLocale german(QLocale(QLocale::German, QLocale::Germany));
    prisma::Form1 f;
    f.Form_Load();
    f.show();
    ASSERT_TRUE(Settle(&f));
    Type(f.Text1, QStringLiteral("45"));
    EXPECT_EQ(f.HScroll1->value(), 45);
    EXPECT_NEAR(f.apexAngle, f.piValue / 4, 1e-15);
    Type(f.Text1, QStringLiteral("44,6")); // rounded to the bar's step
    EXPECT_EQ(f.HScroll1->value(), 45);
    EXPECT_EQ(f.Text1->text(), QStringLiteral("45"));
    // The index in the locale's form or with a point; held as n · 100.
    Type(f.Text2, QStringLiteral("1,33"));
    EXPECT_EQ(f.HScroll2->value(), 133);
    EXPECT_EQ(f.refrIndex, 1.33f);
    Type(f.Text2, QStringLiteral("1.8"));
    EXPECT_EQ(f.HScroll2->value(), 180);
    EXPECT_EQ(f.Text2->text(), QStringLiteral("1,8"));
    // Out of range or not a number: refused, the bar's value shown.
    for (const char *wrong : {"181", "0", "abc", " ", "-"}) {
        Type(f.Text1, QString::fromLatin1(wrong));
        EXPECT_EQ(f.HScroll1->value(), 45) << wrong;
        EXPECT_EQ(f.Text1->text(), QStringLiteral("45")) << wrong;
        EXPECT_EQ(BarTextOf(f.Text1)->Refusal(), QStringLiteral("Bitte eine Zahl von 1 bis 180 eingeben."));
    }
    Type(f.Text2, QStringLiteral("2,01"));
    EXPECT_EQ(f.HScroll2->value(), 180);
    EXPECT_EQ(BarTextOf(f.Text2)->Refusal(), QStringLiteral("Bitte eine Zahl von 0,5 bis 2 eingeben."));
    // Leaving the box without Enter: it shows the value in use again.
    f.Text1->setFocus();
    QTest::keyClicks(f.Text1, QStringLiteral("9"));
    f.Text2->setFocus();
    EXPECT_EQ(f.Text1->text(), QStringLiteral("45"));

    streu::Form1 s;
    s.Form_Load();
    s.show();
    ASSERT_TRUE(Settle(&s));
    Type(s.Text1, QStringLiteral("7"));
    EXPECT_EQ(s.reflCount, 7);
    Type(s.Text1, QStringLiteral("16"));
    EXPECT_EQ(s.reflCount, 7);
    EXPECT_EQ(s.Text1->text(), QStringLiteral("7"));
}

// While the thumb is dragged the plots follow it, not only at its release.
TEST(DraggedThumbs, RedrawPrismasAndStreusCurvesWhileTheyMove)
{
    prisma::Form1 p;
    p.Form_Load();
    p.show();
    ASSERT_TRUE(Settle(&p));
    p.HScroll1->setSliderDown(true);
    p.HScroll1->setSliderPosition(30);
    EXPECT_NEAR(p.apexAngle, p.piValue / 6, 1e-15);
    EXPECT_EQ(p.Text1->text(), QStringLiteral("30"));
    p.HScroll1->setSliderDown(false);

    streu::Form1 s;
    s.Form_Load();
    s.show();
    ASSERT_TRUE(Settle(&s));
    s.HScroll1->setSliderDown(true);
    s.HScroll1->setSliderPosition(4);
    EXPECT_EQ(s.reflCount, 4);
    s.HScroll1->setSliderDown(false);
}

TEST_F(WaveWindow, TheDiameterTakesATypedValuePagesBy50AndThePaceIsChosen)
{
    tavrin::Form5 &f = Open();
    Type(f.text1, QStringLiteral("500"));
    EXPECT_EQ(f.VScroll1->value(), 500);
    EXPECT_EQ(f.model.diameterValue, 500);
    Type(f.text1, QStringLiteral("2001"));
    EXPECT_EQ(f.model.diameterValue, 500);
    EXPECT_EQ(f.text1->text(), QStringLiteral("500"));
    f.VScroll1->setFocus();
    QTest::keyClick(f.VScroll1, Qt::Key_PageDown);
    EXPECT_EQ(f.model.diameterValue, 550);
    QTest::keyClick(f.VScroll1, Qt::Key_PageUp);
    QTest::keyClick(f.VScroll1, Qt::Key_PageUp);
    EXPECT_EQ(f.model.diameterValue, 450);
    EXPECT_EQ(f.text1->text(), QStringLiteral("450"));
    // A click in the trough below the thumb (near the top of the range).
    QTest::mouseClick(f.VScroll1, Qt::LeftButton, {}, QPoint(f.VScroll1->width() / 2, f.VScroll1->height() * 3 / 4));
    EXPECT_EQ(f.model.diameterValue, 500);
    QTest::keyClick(f.VScroll1, Qt::Key_Down); // the arrows still move 1 µm
    EXPECT_EQ(f.model.diameterValue, 501);

    // The pace, below the diameter box, 1× at first.
    EXPECT_EQ(f.Combo1->currentText(), QStringLiteral("1×"));
    EXPECT_EQ(f.model.sweepSpeed, 1.0);
    EXPECT_GT(f.Combo1->y(), f.text1->geometry().bottom());
    f.Combo1->setCurrentIndex(0);
    EXPECT_EQ(f.model.sweepSpeed, 0.25);
    f.Combo1->setCurrentIndex(4);
    EXPECT_EQ(f.model.sweepSpeed, 4.0);
}

// Escape, a second press of "langsam" and "cls" each stop the slow sweep
// (134 rays, some 3.4 s) at once; "cls" then clears.
TEST_F(TavrinWindows, TheSlowRaySweepStopsOnEscapeItsButtonAndCls)
{
    tavrin::form2 &f = tavrin::Navigation::Get().RayForm();
    ASSERT_TRUE(Settle(&f));
    const std::vector<std::function<void()>> stops{
        [&f] { QTest::keyClick(&f, Qt::Key_Escape); },
        [&f] { QTest::mouseClick(f.Command6, Qt::LeftButton); },
        [&f] { QTest::mouseClick(f.Command2, Qt::LeftButton); },
    };
    for (std::size_t i = 0; i < stops.size(); ++i) {
        QTimer::singleShot(300, stops[i]);
        QElapsedTimer clock;
        clock.start();
        f.Command6->click();
        EXPECT_LT(clock.elapsed(), 1500) << i;
        EXPECT_GT(f.model.curY, -700) << i; // far from the last ray, b = −799
        ASSERT_TRUE(HandlePostedEvents());
        EXPECT_FALSE(f.Sweeping()) << i; // no sweep queued by the stopping press
    }
    EXPECT_TRUE(f.Label6->isVisible()); // the "cls" came through after the stop
}

TEST(PrismPlot, SaysSoWhenNoRayPassesThePrism)
{
    const ScopedLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
    prisma::Form1 f;
    f.Form_Load();
    f.show();
    ASSERT_TRUE(Settle(&f));
    EXPECT_FALSE(f.Label10->isVisible());
    f.HScroll1->setValue(180);
    EXPECT_TRUE(f.Label10->isVisible());
    EXPECT_EQ(f.Label10->text(), QStringLiteral("Kein Strahl tritt durch das Prisma."));
    EXPECT_TRUE(f.Picture1->rect().contains(f.Label10->geometry()));
    // n = 2 has a critical angle of 30°: from A = 60° on every ray is caught.
    f.HScroll1->setValue(50);
    f.HScroll2->setValue(200);
    EXPECT_FALSE(f.Label10->isVisible());
    f.HScroll1->setValue(61);
    EXPECT_TRUE(f.Label10->isVisible());
}

// With Airy's theory on, a sweep, the colour chosen again (the fan's index
// goes from 1.33 to the colour's 1.3312) and a second sweep: both lines keep
// their labels. Descartes' line leaves Bild III's caption clear.
TEST_F(WaveWindow, DescartesLinesKeepTheirLabelsAndLeaveTheCaptionClear)
{
    tavrin::Form5 &f = Open();
    f.Option3D5->click(); // figures off: no pacing, no Bild I / II
    f.Check1->click();
    QTest::mouseClick(f.Command2, Qt::LeftButton);
    ASSERT_TRUE(f.Label13->isVisible());
    const QString first = f.Label13->text();
    const QPoint firstAt = f.Label13->pos();
    f.Option3D1->click();
    QTest::mouseClick(f.Command2, Qt::LeftButton);
    EXPECT_TRUE(f.Label13->isVisible());
    EXPECT_EQ(f.Label13->text(), first);
    EXPECT_EQ(f.Label13->pos(), firstAt);
    int shown = 0;
    QStringList texts;
    for (QLabel *l : f.DescartesLabels())
        if (l->isVisible()) {
            ++shown;
            texts << l->text();
            EXPECT_FALSE(l->geometry().intersects(f.Label13->geometry()) && l != f.Label13);
        }
    EXPECT_EQ(shown, 2) << texts.join(QLatin1Char('|')).toStdString();

    // No ink of the line within the caption's box.
    const QRect caption = f.Label9->geometry();
    const double x = tavrin::AngleScaleX(42.34, f.model.piValue);
    const QPoint top = LogicalPixel(f.Picture1, x, 2000);
    int inked = 0;
    for (int y = caption.top(); y <= caption.bottom(); ++y)
        for (int dx = -3; dx <= 3; ++dx) inked += IsInk(PixelAt(f.Picture1, QPoint(top.x() + dx, y)));
    EXPECT_EQ(inked, 0);
    EXPECT_TRUE(DarkNear(f.Picture1, x, 1000));
}

TEST_F(TavrinWindows, SavingTheStartWindowAsCsvSaysItCannot)
{
    QTemporaryDir dir;
    tavrin::Form3 &f = tavrin::Navigation::Get().StartForm();
    f.show();
    ASSERT_TRUE(Settle(&f));
    WindowSaver *saver = f.findChild<WindowSaver *>();
    ASSERT_NE(saver, nullptr);
    saver->OpenSaveDialog();
    QFileDialog *dialog = saver->Dialog();
    ASSERT_NE(dialog, nullptr);
    dialog->selectFile(dir.filePath(QStringLiteral("start.csv")));
    QMetaObject::invokeMethod(dialog, "accept");
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty()) << QDir(dir.path()).entryList().join(' ').toStdString();
    QMessageBox *box = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (box = f.findChild<QMessageBox *>()) != nullptr; }, 2000));
    EXPECT_TRUE(box->informativeText().contains(QStringLiteral(".csv"))) << box->informativeText().toStdString();
    box->close();
    // A name with an offered extension is written in that format.
    ASSERT_TRUE(QTest::qWaitFor([saver] { return saver->Dialog() == nullptr; }, 5000));
    saver->OpenSaveDialog();
    saver->Dialog()->selectFile(dir.filePath(QStringLiteral("start.svg")));
    QMetaObject::invokeMethod(saver->Dialog(), "accept");
    QFile svg(dir.filePath(QStringLiteral("start.svg")));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.read(200).contains("<svg"));
}

// "Werte" rings the minimum and writes its numbers beside it, in the
// locale's form: A = 60°, n = 1.5 gives D_min = 37.18° at i = 48.59°
// (sin((A + D)/2) = n·sin(A/2) = 0.75, so D = 2·asin(0.75) − 60° =
// 37.1808°, i = asin(0.75) = 48.5904°). The label keeps off the ring.
TEST(PrismValues, MarkTheMinimumOnThePlotInTheTableAndInWords)
{
    const ScopedLocale german(QLocale(QLocale::German, QLocale::Germany));
    prisma::Form1 f;
    f.Form_Load();
    f.show();
    ASSERT_TRUE(Settle(&f));
    EXPECT_FALSE(f.Check1->isChecked());
    EXPECT_FALSE(f.Label11->isVisible());
    const QByteArray plain = f.findChild<WindowSaver *>()->Content(SaveFormat::Csv);
    f.Check1->click();
    ASSERT_TRUE(f.Label11->isVisible());
    EXPECT_EQ(f.Label11->text(), QStringLiteral("D_min = 37,18° bei i = 48,59°"));
    const QPoint ring = LogicalPixel(f.Picture1, 485.904, 1000 - 371.808);
    EXPECT_FALSE(f.Label11->geometry().adjusted(-4, -4, 4, 4).contains(ring));
    EXPECT_TRUE(f.Picture1->rect().contains(f.Label11->geometry()));
    EXPECT_TRUE(ColourNear(f.Picture1, 485.904 + 12, 1000 - 371.808, qRgb(200, 0, 0)));
    EXPECT_TRUE(f.Picture1->accessibleDescription().contains(f.Label11->text()));
    const QByteArray marked = f.findChild<WindowSaver *>()->Content(SaveFormat::Csv);
    EXPECT_TRUE(marked.contains(",D_min")) << marked.right(200).toStdString();
    EXPECT_TRUE(marked.contains("48.59")) << marked.right(200).toStdString();
    // Off again: the plot and the table as before.
    f.Check1->click();
    EXPECT_FALSE(f.Label11->isVisible());
    EXPECT_EQ(f.findChild<WindowSaver *>()->Content(SaveFormat::Csv), plain);
    EXPECT_FALSE(ColourNear(f.Picture1, 485.904 + 12, 1000 - 371.808, qRgb(200, 0, 0)));
}

// streu's "Werte": for one reflection and n = 4/3 the curve turns where
// cos²α = (n² − 1)/3 (Descartes), b = 0.8607, at D = 137.97° (the bow's
// 42.03° from the antisolar point, as tables of the primary bow give it).
TEST(StreuValues, MarkTheTurningPointWithItsDirection)
{
    const ScopedLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
    streu::Form1 f;
    f.Form_Load();
    f.show();
    ASSERT_TRUE(Settle(&f));
    EXPECT_FALSE(f.Label10->isVisible());
    f.Check1->click();
    ASSERT_TRUE(f.Label10->isVisible());
    EXPECT_EQ(f.Label10->text(), QStringLiteral("Umkehrpunkt 137.97° bei b = 0.861"));
    // Under the lowest point, clear of it and of the curve's ring.
    const QPoint turn = LogicalPixel(f.Picture1, 860.7, 3700 - 1379.7);
    EXPECT_GT(f.Label10->y(), turn.y());
    EXPECT_TRUE(f.Picture1->rect().contains(f.Label10->geometry()));
    const QByteArray csv = f.findChild<WindowSaver *>()->Content(SaveFormat::Csv);
    EXPECT_TRUE(csv.contains("Umkehrpunkt")) << csv.right(120).toStdString();
    // Every k keeps its label inside the plot.
    for (int k = 2; k <= 15; ++k) {
        f.HScroll1->setValue(k);
        EXPECT_TRUE(f.Label10->isVisible()) << k;
        EXPECT_TRUE(f.Picture1->rect().contains(f.Label10->geometry())) << k;
    }
}

// The ray model's "Werte": red light in water after one reflection leaves at
// most at 42.34° (a ray at b = −688 of 800 marks 42.34°, and no ray of the
// slow sweep marks higher); two reflections at least at 50.6° (the
// secondary bow's 50.5°–51° of the tables). The value stands where no
// ray's mark can be: above the mark for one reflection, below for two.
TEST_F(TavrinWindows, TheRayStripMarksDescartesAngleWithItsValue)
{
    const ScopedLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
    tavrin::form2 &f = tavrin::Navigation::Get().RayForm();
    ASSERT_TRUE(Settle(&f));
    EXPECT_FALSE(f.Check1->isChecked());
    EXPECT_FALSE(f.Label7->isVisible());
    f.Check1->click();
    ASSERT_TRUE(f.Label7->isVisible());
    EXPECT_EQ(f.Label7->text(), QStringLiteral("42.34°"));
    const int y1 = LogicalPixel(f.Picture1, 100, 1850 - 30 * 42.34).y();
    EXPECT_NEAR(f.Line1->geometry().center().y(), y1, 2);
    EXPECT_LT(f.Label7->geometry().bottom(), y1);
    EXPECT_TRUE(f.Picture1->accessibleDescription().contains(QStringLiteral("42.34")));
    f.Option2->click(); // two reflections
    ASSERT_TRUE(f.Label7->isVisible());
    const double w2 = f.Label7->text().chopped(1).toDouble();
    EXPECT_NEAR(w2, 50.6, 0.3);
    EXPECT_GT(f.Label7->y(), LogicalPixel(f.Picture1, 100, 1850 - 30 * w2).y());
    f.Option6->click(); // three: W negative, off the strip
    EXPECT_FALSE(f.Label7->isVisible());
    f.Option1->click();
    EXPECT_TRUE(f.Label7->isVisible());
    f.Option14->click(); // glass, n = 1.5076: its bow near 23° lies below the strip's 30°
    EXPECT_FALSE(f.Label7->isVisible());
    f.Check1->click();
    EXPECT_FALSE(f.Label7->isVisible());
}
