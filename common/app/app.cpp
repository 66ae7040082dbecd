// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/app/app.h"

#include "common/app/runtime_folder.h"
#include "common/app/widget_map.h"
#include "common/widgets/focus_frame.h"
#include "common/widgets/fonts.h"
#include "common/widgets/printable.h"
#include "common/widgets/window_frame.h"
#include "common/widgets/zoom.h"

#include <QApplication>
#include <QByteArrayList>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ftw.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace rb {

namespace {

// Whether the toolkit will open its X11 platform. Only there do we know how
// to ask for the display beforehand; every other platform (offscreen for
// tests, Wayland) is left to the toolkit.
bool UsesX11(const QString &given)
{
    const QByteArray platform = given.isEmpty() ? qgetenv("QT_QPA_PLATFORM") : given.toLocal8Bit();
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

bool X11DisplayReachable(const QByteArray &display)
{
    xcb_connection_t *connection = xcb_connect(display.isEmpty() ? nullptr : display.constData(), nullptr);
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

std::optional<int> RequireDisplay(const char *program, const QString &platform, const QString &given)
{
    const QByteArray display = given.isEmpty() ? qgetenv("DISPLAY") : given.toLocal8Bit();
    if (!UsesX11(platform) || X11DisplayReachable(display)) return std::nullopt;
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
    // Past a file-size limit (ulimit -f) a write raises SIGXFSZ, which ends
    // the program without a word. Ignored, the write fails with EFBIG and
    // the save says why.
    std::signal(SIGXFSZ, SIG_IGN);
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
    // The zoom asked for on the command line, as far as this screen allows.
    RequestZoom(RequestedZoom());
    app.setFont(UiFont(8.25, false));
    InstallFocusFrames(app);
    // A window's close ends the program through its own handler.
    app.setQuitOnLastWindowClosed(false);
    InstallWidgetMap(app);
    // The window manager's frame, known before the first window is laid out.
    ExpectedFrame();
}

} // namespace rb
