// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/widgets/design_box.h"

#include "common/widgets/units.h"

namespace rb {

void PlaceBox(QWidget *w, const DesignBox &box, double scale)
{
    PlaceTwips(w, box.left * scale, box.top * scale, box.width * scale, box.height * scale);
}

} // namespace rb
