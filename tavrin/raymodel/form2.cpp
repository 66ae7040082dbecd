#include "form2.h"

#include "app.h"

namespace rb::tavrin {

form2::form2()
{
    setWindowTitle(tr("Regenbogen: Strahlenmodell (Huygens)"));
    connect(this, &Form::Unload, this, [] { End(); });
}

void form2::Form_Load() { resize(640, 480); }

} // namespace rb::tavrin
