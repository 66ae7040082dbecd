#include "form5.h"

#include "app.h"

namespace rb::tavrin {

Form5::Form5()
{
    setWindowTitle(tr("Regenbogen: Zeigerformalismus, Komibination aus Strahlen und Wellenoptik (Huygens-Fresnel)"));
    connect(this, &Form::Unload, this, [] { End(); });
}

void Form5::Form_Load() { resize(640, 480); }

} // namespace rb::tavrin
