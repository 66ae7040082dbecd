// The user-interface fonts. The windows were laid out for a narrow
// sans-serif with Arial's metrics; we prefer one and fall back gracefully.
#pragma once

#include <QFont>

namespace rb {

QFont UiFont(double pointSize, bool bold);

} // namespace rb
