// Placeholder of the window; it is being built.
#pragma once

#include "form.h"

namespace rb::tavrin {

class Form5 : public Form {
    Q_OBJECT
public:
    Form5();
    void Form_Load();
};

} // namespace rb::tavrin
