#include "app.h"

#include "fonts.h"
#include "vector_state.h"

#include <QApplication>
#include <QDir>
#include <QWidget>
#include <cstdlib>

namespace rb {

namespace {
bool endRequested = false;
} // namespace

void PrepareEnvironment()
{
    if (std::getenv("XDG_RUNTIME_DIR") == nullptr) {
        const QString dir = QDir::tempPath() + QStringLiteral("/regenbogen-runtime");
        QDir().mkpath(dir);
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", dir.toLocal8Bit());
    }
}

void InitApplication(QApplication &app)
{
    app.setFont(UiFont(8.25, false));
    // A window's close ends the program through its own handler.
    app.setQuitOnLastWindowClosed(false);
}

bool DoEvents()
{
    if (!endRequested) QCoreApplication::processEvents(QEventLoop::AllEvents);
    ClearUpperVectorState();
    return !endRequested;
}

void End()
{
    if (endRequested) return;
    endRequested = true;
    for (QWidget *w : QApplication::topLevelWidgets()) w->hide();
    QCoreApplication::exit(0);
}

bool EndRequested() { return endRequested; }
void ResetEndRequest() { endRequested = false; }

} // namespace rb
