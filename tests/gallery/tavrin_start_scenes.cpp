#include "gallery.h"
#include "tavrin/start/form3.h"
#include "tavrin/windows.h"

namespace rb::gallery {

void TavrinStartScenes(const Shoot &shoot)
{
    auto &windows = tavrin::Windows::Get();
    tavrin::Form3 &start = windows.StartForm();
    start.show();
    shoot(&start, QStringLiteral("tavrin-start"));
    start.Form_Click();
    shoot(&start, QStringLiteral("tavrin-start-click"));
    windows.Reset();
}

} // namespace rb::gallery
