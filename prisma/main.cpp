// prisma: the deviation of a ray by a prism against its angle of incidence;
// the lowest point of the curve is the minimum deviation.
#include "app.h"
#include "form1.h"

#include <QApplication>

int main(int argc, char **argv)
{
    rb::PrepareEnvironment();
    QApplication app(argc, argv);
    rb::InitApplication(app);
    rb::prisma::Form1 form;
    form.Form_Load();
    form.show();
    return app.exec();
}
