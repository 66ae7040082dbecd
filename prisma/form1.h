// The window of prisma: the deviation plot of a prism, with scroll bars for
// its apex angle and its refractive index.
#pragma once

#include "common/widgets/form.h"

class QLabel;
class QLineEdit;
class QScrollBar;

namespace rb::prisma {

class Form1 : public Form {
    Q_OBJECT
public:
    Form1();

    void Form_Load();
    void HScroll1_Change();
    void HScroll2_Change();
    void Picture1_Paint();

    double piValue = 0;
    double apexAngle = 0;
    float refrIndex = 0;

    Picture *Picture1;
    QScrollBar *HScroll1;
    QScrollBar *HScroll2;
    QLineEdit *Text1;
    QLineEdit *Text2;
    QLabel *Label7;
    QLabel *Label8;
    QLabel *PlotLabels[7];

protected:
    void LayOut() override;

private:
    void PlacePlotLabels();
    // The plot told in words for screen readers: what it shows and its
    // lowest point.
    void DescribePlot();
};

} // namespace rb::prisma
