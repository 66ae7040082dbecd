// tavrin: two models of the rainbow, the ray model and the wave model, opened
// from a start window.
#include "app.h"
#include "start/form3.h"
#include "windows.h"

#include <QApplication>

int main(int argc, char **argv)
{
    rb::PrepareEnvironment();
    QApplication app(argc, argv);
    rb::InitApplication(app);
    rb::tavrin::Windows::Get().StartForm().show();
    const int status = app.exec();
    rb::tavrin::Windows::Get().Reset();
    return status;
}
