#include "form3.h"

#include "app.h"

namespace rb::tavrin {

Form3::Form3()
{
    setWindowTitle(tr("Moddelle zur Regenbogendeutung"));
    connect(this, &Form::Unload, this, [] { End(); });
}

void Form3::Form_Load() { resize(640, 480); }

} // namespace rb::tavrin
