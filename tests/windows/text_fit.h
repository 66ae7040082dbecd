// Checks that every text of a window is fully visible in its control.
#pragma once

#include <QStringList>

class QWidget;

namespace rb::testing {

// Names and texts of the visible controls under `window` whose text does
// not fit; empty when all fit.
QStringList ClippedTexts(const QWidget *window);

} // namespace rb::testing
