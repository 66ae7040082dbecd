// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// The rainbow in sunlight as a user meets it: opened from the wave model,
// laid out on the screen with nothing cut or covered, answering while it
// computes, and shown again as it was left.
#include "common/export/window_export.h"
#include "tavrin/navigation.h"
#include "tavrin/sunlight/sun_form.h"
#include "tavrin/wavemodel/form5.h"
#include "tests/windows/text_fit.h"
#include "tests/windows/wait.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QProgressBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace rb;
using namespace rb::testing;
using rb::tavrin::SunForm;

namespace {

bool WaitDone(const SunForm &form, int ms = 60000)
{
    QElapsedTimer t;
    t.start();
    while (form.Computing() && t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return !form.Computing();
}

class SunlightWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        tavrin::Form5 &wave = tavrin::Navigation::Get().WaveForm();
        wave.show();
        ASSERT_TRUE(Settle(&wave));
        wave.Command4->click();
        form = tavrin::Navigation::Get().LoadedSunlightForm();
        ASSERT_NE(form, nullptr);
        ASSERT_TRUE(Settle(form));
    }
    void TearDown() override { tavrin::Navigation::Get().Reset(); }
    SunForm *form = nullptr;
};

TEST_F(SunlightWindow, OpensAtItsDefaultsAndFitsTheScreen)
{
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Regenbogen im Sonnenlicht"));
    const tavrin::SunBowRequest r = form->Request();
    EXPECT_EQ(r.diameterMicrons, 1000);
    EXPECT_EQ(r.theory, tavrin::BowTheory::Mie);
    EXPECT_TRUE(r.sunDisc);
    EXPECT_EQ(r.filter, tavrin::BowFilter::None);
    ASSERT_TRUE(WaitDone(*form));
    EXPECT_TRUE(form->Label2->text().contains(QStringLiteral("40 Wellenlängen")));

    EXPECT_TRUE(form->frameGeometry().width() <= QGuiApplication::primaryScreen()->availableGeometry().width());
    EXPECT_TRUE(form->frameGeometry().height() <= QGuiApplication::primaryScreen()->availableGeometry().height());
    for (const QWidget *w : form->findChildren<QWidget *>()) {
        if (w->isVisible() && w->parentWidget() == form) {
            EXPECT_TRUE(form->rect().contains(w->geometry())) << w->metaObject()->className();
        }
    }
    EXPECT_TRUE(ClippedTexts(form).isEmpty()) << ClippedTexts(form).join(u'|').toStdString();
    EXPECT_TRUE(OverlappingControls(form).isEmpty()) << OverlappingControls(form).join(u'|').toStdString();
    EXPECT_FALSE(form->Picture1->accessibleDescription().isEmpty());
    const QByteArray csv = form->Csv();
    EXPECT_TRUE(csv.startsWith("Winkel (°),Tropfendurchmesser (µm),X,Y,Z,R (sRGB),G (sRGB),B (sRGB),Leuchtdichte\n"));
    // A row per angle, for the chosen size and each row of Lee's diagram done.
    EXPECT_EQ(csv.count('\n'), static_cast<qsizetype>(form->Shown()->angleDeg.size()) * (1 + form->LeeRowsDone()) + 1);
    // The sky in the SVG: its arcs, one for each pixel of radius across the
    // 22° of the bows (a third of the sky's height), not an empty box.
    EXPECT_GT(WindowSvg(form).count("class=\"arc\""), form->Picture1->height() / 4);
}

TEST_F(SunlightWindow, AnswersWhileItComputesAndComesBackAsLeft)
{
    ASSERT_TRUE(WaitDone(*form));
    // The largest drop: the window keeps taking events all the while.
    form->HScroll1->setValue(form->HScroll1->maximum());
    EXPECT_TRUE(form->Computing());
    QElapsedTimer t;
    t.start();
    qint64 longest = 0, last = 0;
    while (form->Computing() && t.elapsed() < 60000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        longest = std::max(longest, t.elapsed() - last);
        last = t.elapsed();
    }
    // No pause of the event loop near the computation's length: the work is
    // elsewhere.
    EXPECT_LT(longest, std::min<qint64>(1000, t.elapsed() / 2)) << t.elapsed();
    ASSERT_TRUE(form->Shown());
    EXPECT_EQ(form->Shown()->request.diameterMicrons, 2000);

    // A typed diameter, the p filter; closed, then opened again.
    form->Text1->setText(QStringLiteral("50"));
    emit form->Text1->editingFinished();
    form->Option5->click();
    ASSERT_TRUE(WaitDone(*form));
    // The whole drop's phasors: they say how many they summed.
    form->Option6->click();
    ASSERT_TRUE(WaitDone(*form));
    EXPECT_EQ(form->Shown()->request.theory, tavrin::BowTheory::WholeDrop);
    EXPECT_GT(form->Shown()->rays, 0);
    EXPECT_TRUE(form->Label2->text().contains(QStringLiteral("Zeiger"))) << form->Label2->text().toStdString();
    form->close();
    EXPECT_TRUE(tavrin::Navigation::Get().WaveForm().isVisible()); // only it closed
    tavrin::Navigation::Get().WaveForm().Command4->click();
    ASSERT_TRUE(WaitDone(*form));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->Text1->text(), QStringLiteral("50"));
    EXPECT_TRUE(form->Option5->isChecked());
    EXPECT_EQ(form->Shown()->request.diameterMicrons, 50);
    EXPECT_EQ(form->Shown()->request.filter, tavrin::BowFilter::P);

    // What is no number puts the last value back; what is out of range is
    // brought into it.
    form->Text1->setText(QStringLiteral("abc"));
    emit form->Text1->editingFinished();
    EXPECT_EQ(form->Text1->text(), QStringLiteral("50"));
    form->Text1->setText(QStringLiteral("5"));
    emit form->Text1->editingFinished();
    EXPECT_EQ(form->Text1->text(), QStringLiteral("10"));
    EXPECT_EQ(form->Request().diameterMicrons, 10);
}

// Lee's diagram by Airy's theory, which fills it in a second or two: the
// event loop keeps pace meanwhile, a click and the arrow keys choose a row's
// diameter without throwing the rows away, a spread is averaged from them,
// and a change of theory starts anew.
TEST_F(SunlightWindow, LeeDiagramFillsInAndChoosesTheDrop)
{
    form->Option2->click();
    EXPECT_EQ(form->LeeRowsDone(), 0);
    QElapsedTimer t;
    t.start();
    qint64 longest = 0, last = 0;
    while (form->LeeFilling() && t.elapsed() < 60000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        longest = std::max(longest, t.elapsed() - last);
        last = t.elapsed();
    }
    ASSERT_FALSE(form->LeeFilling());
    EXPECT_LT(longest, 250) << t.elapsed();
    EXPECT_EQ(form->Busy2->value(), tavrin::kLeeRows);
    EXPECT_TRUE(form->Picture3->accessibleDescription().contains(QStringLiteral("Nebelbogen")));
    const QByteArray csv = form->Csv();
    EXPECT_EQ(csv.count('\n'), static_cast<qsizetype>(form->Shown()->angleDeg.size()) * (1 + tavrin::kLeeRows) + 1);

    // The row of 100 µm, a third of the way up the logarithmic axis.
    const double decades = std::log10(200.0), half = decades / (tavrin::kLeeRows - 1) / 2;
    const int y = int(std::lround(form->Picture3->height() * (1 - (1 + half) / (decades + 2 * half))));
    QTest::mouseClick(form->Picture3, Qt::LeftButton, {}, QPoint(form->Picture3->width() / 2, y));
    const double row = tavrin::LeeDiameters()[static_cast<std::size_t>(tavrin::LeeRowNear(100))];
    EXPECT_NEAR(form->Request().diameterMicrons, row, 0.05);
    QTest::keyClick(form->Picture3, Qt::Key_Up);
    EXPECT_NEAR(form->Request().diameterMicrons, row * std::pow(200.0, 1.0 / (tavrin::kLeeRows - 1)), 0.1);
    form->HScroll2->setValue(10);
    EXPECT_EQ(form->Request().spread, 0.1);
    EXPECT_EQ(form->Text2->text(), QStringLiteral("10"));
    EXPECT_EQ(form->LeeRowsDone(), tavrin::kLeeRows);
    ASSERT_TRUE(WaitDone(*form));
    EXPECT_GT(form->Shown()->sizes, 1);

    form->Option1->click();
    EXPECT_EQ(form->LeeRowsDone(), 0);
    // Closed while the Mie rows are under way: the workers stop at once.
    ASSERT_TRUE(WaitDone(*form));
    QTest::qWait(200);
    t.restart();
    form->close();
    tavrin::Navigation::Get().Reset();
    EXPECT_LT(t.elapsed(), 100);
}

} // namespace
