// The wave-model window: fresh, after sweeps in the three colours, with a
// small and a large drop, by hand near the bow, and single rays.
#include "gallery.h"
#include "tavrin/wavemodel/form5.h"
#include "tavrin/windows.h"

#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace rb::gallery {

void TavrinWaveScenes(const Shoot &shoot)
{
    auto &windows = tavrin::Windows::Get();
    tavrin::Form5 &form = windows.WaveForm();
    form.show();
    shoot(&form, QStringLiteral("tavrin-wave-start"));

    form.Command2->click();
    shoot(&form, QStringLiteral("tavrin-wave-sweep-red"));
    form.Option3D2->click();
    form.Command2->click();
    shoot(&form, QStringLiteral("tavrin-wave-sweep-green"));
    form.Option3D3->click();
    form.Command2->click();
    shoot(&form, QStringLiteral("tavrin-wave-sweep-blue"));

    form.Command1->click();
    form.Option3D1->click();
    form.VScroll1->setValue(50);
    form.Command2->click();
    shoot(&form, QStringLiteral("tavrin-wave-diameter-50"));
    form.Command1->click();
    form.VScroll1->setValue(2000);
    form.Command2->click();
    shoot(&form, QStringLiteral("tavrin-wave-diameter-2000"));

    // By hand, where the rays near the bow's angle meet in step: a long chain.
    form.VScroll1->setValue(1000);
    form.Picture4_MouseDown(kLeftButton, 0, -12000, -13300);
    shoot(&form, QStringLiteral("tavrin-wave-by-hand"));

    form.Command1->click();
    form.Form_MouseDown(kLeftButton, 0, 437, 1800);
    form.Form_MouseDown(kLeftButton, 0, 437, 1200);
    shoot(&form, QStringLiteral("tavrin-wave-single-left"));
    form.Form_MouseDown(kRightButton, 0, 437, 1700);
    shoot(&form, QStringLiteral("tavrin-wave-single-right"));
    windows.Reset();
}

} // namespace rb::gallery
