// streu: the direction of the light a drop sends out, against the impact
// parameter, for 1 to 15 reflections inside the drop.
#include "app.h"
#include "form1.h"

#include <QApplication>

int main(int argc, char **argv)
{
    rb::PrepareEnvironment();
    QApplication app(argc, argv);
    rb::InitApplication(app);
    rb::streu::Form1 form;
    form.Form_Load();
    form.show();
    return app.exec();
}
