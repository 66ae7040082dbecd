// Placeholder of the window; it is being built.
#pragma once

#include "form.h"

namespace rb::tavrin {

class form2 : public Form {
    Q_OBJECT
public:
    form2();
    void Form_Load();
};

} // namespace rb::tavrin
