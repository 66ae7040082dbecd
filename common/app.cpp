#include "app.h"

#include "fonts.h"
#include "printable.h"
#include "runtime_folder.h"
#include "vector_state.h"
#include "widget_map.h"
#include "window_frame.h"

#include <QApplication>
#include <QByteArrayList>
#include <QTimer>
#include <QLibraryInfo>
#include <QTranslator>
#include <QWidget>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <ftw.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace rb {

namespace {
bool endRequested = false;
// The toolkit's catalogue for the interface language; none for English,
// the language of its source texts.
QTranslator *toolkitTexts = nullptr;

// The clock that decides when to look at the event queue. The coarse
// monotonic clock costs a few nanoseconds where the precise one costs about
// 26 here, a sixth of a wave-model ray's maths when it is read after every
// ray; its ticks (1 to 4 ms) are fine enough for handling input.
std::int64_t SliceClockMs()
{
#ifdef CLOCK_MONOTONIC_COARSE
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &ts);
    return std::int64_t(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
#else
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
#endif
}

// Whether the toolkit will open its X11 platform. Only there do we know how
// to ask for the display beforehand; every other platform (offscreen for
// tests, Wayland) is left to the toolkit.
bool UsesX11()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty()) {
        // "name:arguments", or a list of such to try in turn.
        for (const QByteArray &entry : platform.split(';'))
            if (entry.split(':').first() != "xcb") return false;
        return true;
    }
    // Debian's toolkit defaults to X11 but follows a Wayland session.
    return qgetenv("XDG_SESSION_TYPE") != "wayland" && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// The connection that found the display, held until the toolkit has its own:
// an X server resets when its last client leaves and refuses connections
// meanwhile, so closing it at once would make the toolkit fail on a server
// started just for this program (xvfb-run).
xcb_connection_t *displayProbe = nullptr;

bool X11DisplayReachable()
{
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        xcb_disconnect(connection);
        return false;
    }
    displayProbe = connection;
    return true;
}

// The private runtime folder, if we made one. A plain array: it must outlive
// every static destructor, since it is removed by an exit handler.
char runtimeFolder[PATH_MAX] = {};

int RemoveEntry(const char *path, const struct stat *, int, struct FTW *)
{
    std::remove(path);
    return 0;
}

void RemoveRuntimeFolder()
{
    if (runtimeFolder[0] != '\0') nftw(runtimeFolder, RemoveEntry, 8, FTW_DEPTH | FTW_PHYS);
}

// Ctrl+C in a terminal or a kill ends the program without exit handlers.
// The folder is normally still empty then; rmdir is safe in a signal handler.
void RemoveRuntimeFolderAndDie(int signal)
{
    rmdir(runtimeFolder);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void RemoveRuntimeFolderOnSignals()
{
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        // A signal the caller chose to ignore stays ignored.
        if (std::signal(signal, RemoveRuntimeFolderAndDie) == SIG_IGN) std::signal(signal, SIG_IGN);
    }
}
} // namespace

std::optional<int> RequireDisplay(const char *program)
{
    if (!UsesX11() || X11DisplayReachable()) return std::nullopt;
    const QByteArray display = qgetenv("DISPLAY");
    // The program's name and the display are echoed as typed, but a
    // terminal must not act on control characters in them.
    const QString name = Printable(QString::fromLocal8Bit(program));
    const QString reason =
        display.isEmpty()
            ? QCoreApplication::translate("App", "keine Anzeige gefunden (DISPLAY ist nicht gesetzt)")
            : QCoreApplication::translate("App", "keine Verbindung zur Anzeige „%1“")
                  .arg(Printable(QString::fromLocal8Bit(display)));
    const QString line =
        QStringLiteral("%1: %2; ").arg(name, reason) +
        QCoreApplication::translate("App", "auf einem virtuellen Bildschirm starten mit: %1")
            .arg(QStringLiteral("xvfb-run -a -s \"-screen 0 1920x1080x24\" %1").arg(name));
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    return 1;
}

void PrepareEnvironment()
{
    // A folder the toolkit would refuse (missing, another user's, open to
    // others) is replaced as if none were set: the toolkit's fallback may
    // land at the root of the file system.
    if (UsableRuntimeFolder(qgetenv("XDG_RUNTIME_DIR"))) return;
    // A fixed name in a shared folder could be prepared by another user in
    // advance; mkdtemp makes a fresh folder with an unguessable name, 0700.
    bool made = false;
    for (const QByteArray &base : RuntimeFolderBases()) {
        const QByteArray pattern = base + "/regenbogen-XXXXXX";
        if (pattern.size() >= PATH_MAX) continue;
        std::memcpy(runtimeFolder, pattern.constData(), size_t(pattern.size()) + 1);
        if ((made = mkdtemp(runtimeFolder) != nullptr)) break;
    }
    if (!made) {
        // Leave it to the toolkit, which falls back on a folder of its own.
        runtimeFolder[0] = '\0';
        return;
    }
    std::atexit(RemoveRuntimeFolder);
    RemoveRuntimeFolderOnSignals();
    qputenv("XDG_RUNTIME_DIR", runtimeFolder);
}

void InitApplication(QApplication &app, std::optional<Language> language)
{
    if (displayProbe != nullptr) {
        xcb_disconnect(displayProbe);
        displayProbe = nullptr;
    }
    InstallLanguage(app, ChooseLanguage(language));
    app.setFont(UiFont(8.25, false));
    // A window's close ends the program through its own handler.
    app.setQuitOnLastWindowClosed(false);
    InstallWidgetMap(app);
    // The window manager's frame, known before the first window is laid out.
    ExpectedFrame();
}

bool SetInterfaceLanguage(QLocale::Language language)
{
    if (toolkitTexts) {
        QCoreApplication::removeTranslator(toolkitTexts);
        delete toolkitTexts;
        toolkitTexts = nullptr;
    }
    if (language == QLocale::English) return true;
    auto *t = new QTranslator(QCoreApplication::instance());
    if (!t->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete t;
        return false;
    }
    QCoreApplication::installTranslator(t);
    toolkitTexts = t;
    return true;
}

bool DoEvents()
{
    // A computation yields after every ray, tens of thousands of times a
    // second. Asking the event system each time would cost more than the
    // ray; input is handled just as promptly when we look once per tick of
    // the slice clock, every 1 to 4 ms.
    static std::int64_t last = -1;
    if (!endRequested && SliceClockMs() != last) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        last = SliceClockMs();
    }
    ClearUpperVectorState();
    return !endRequested;
}

bool WaitEvents(int ms)
{
    // The timer makes sure an event comes; until it does, the dispatcher
    // sleeps. (A nested QEventLoop would not do: once End() has asked the
    // loops to quit, a new one returns at once for the rest of the process.)
    bool due = false;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&due] { due = true; });
    timer.start(ms);
    while (!due && !endRequested)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
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
