#include "app.h"

#include "fonts.h"
#include "vector_state.h"

#include <QApplication>
#include <QDir>
#include <QWidget>
#include <chrono>
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
    // A computation yields after every ray, tens of thousands of times a
    // second. Asking the event system each time would cost more than the
    // ray; input is handled just as promptly when we look once a millisecond.
    using Clock = std::chrono::steady_clock;
    static Clock::time_point last{};
    const Clock::time_point now = Clock::now();
    if (!endRequested && now - last >= std::chrono::milliseconds(1)) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        last = Clock::now();
    }
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
