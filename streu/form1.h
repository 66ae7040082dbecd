// The window of streu: the full-screen plot of the direction of the light
// leaving a drop, and the scroll bar for the number of reflections.
#pragma once

#include "common/widgets/form.h"

#include <cstdint>

class QLabel;
class QLineEdit;
class QScrollBar;

namespace rb::streu {

class Form1 : public Form {
    Q_OBJECT
public:
    Form1();

    void Form_Load();
    void HScroll1_Change();
    void Picture1_Paint();

    std::int16_t reflCount = 1;
    float piValue = 0;
    double refrIndex = 0;

    Picture *Picture1;
    QScrollBar *HScroll1;
    QLineEdit *Text1;
    QLabel *Label11;
    QLabel *PlotLabels[9];

protected:
    void LayOut() override;

private:
    void PlacePlotLabels();
    // The plot told in words for screen readers: the number of reflections
    // and the curve's turning point, the rainbow angle.
    void DescribePlot();
};

} // namespace rb::streu
