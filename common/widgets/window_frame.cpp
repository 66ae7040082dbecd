// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/widgets/window_frame.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>

#if QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#include <cstdlib>
#include <memory>
#endif

namespace rb {

namespace {

std::optional<QMargins> expected;

#if QT_CONFIG(xcb)
// A window manager answers within a few milliseconds; one that never does
// should not hold up the start for long.
constexpr int kAnswerLimitMs = 500;
constexpr std::uint16_t kProbeSize = 100;
// WM_NORMAL_HINTS flags: minimum and maximum size given.
constexpr std::uint32_t kMinSize = 16, kMaxSize = 32;

// The window manager counts device pixels; the layout counts logical ones.
// What the layout needs is the room the two sides take together, rounded up
// once: rounded up side by side, a 1-pixel border at a scale factor of 3
// would count as 3 device pixels, and a window sized from the screen would
// fall short of its share by 4. So the first side is rounded down and the
// second makes up the rounded-up whole.
QMargins Logical(const QMargins &device)
{
    const QScreen *s = QGuiApplication::primaryScreen();
    const qreal ratio = s ? s->devicePixelRatio() : 1.0;
    // Whole logical pixels that hold px device pixels, allowing for the
    // inexact division.
    const auto down = [ratio](int px) { return int(std::floor(px / ratio + 1e-9)); };
    const auto up = [ratio](int px) { return int(std::ceil(px / ratio - 1e-9)); };
    const int left = down(device.left()), top = down(device.top());
    return QMargins(left, top, up(device.left() + device.right()) - left, up(device.top() + device.bottom()) - top);
}

xcb_connection_t *Connection()
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

template <typename T> using XcbReply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t *c, const char *name)
{
    const XcbReply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::uint16_t(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The four cardinals of a property (left, right, top, bottom), if it is set.
std::optional<QMargins> FrameExtents(xcb_connection_t *c, xcb_window_t w, xcb_atom_t extents)
{
    const XcbReply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, extents, XCB_ATOM_CARDINAL, 0, 4), nullptr),
        &std::free);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16) return std::nullopt;
    const auto *v = static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get()));
    return QMargins(int(v[0]), int(v[2]), int(v[1]), int(v[3]));
}

bool Supported(xcb_connection_t *c, xcb_window_t root, xcb_atom_t feature)
{
    const xcb_atom_t supported = Atom(c, "_NET_SUPPORTED");
    const XcbReply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, root, supported, XCB_ATOM_ATOM, 0, 4096), nullptr),
        &std::free);
    if (!reply || reply->format != 32) return false;
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply.get()));
    const int n = xcb_get_property_value_length(reply.get()) / 4;
    return std::find(atoms, atoms + n, feature) != atoms + n;
}

// Asks the window manager which frame it would draw around a plain window
// of ours that is never mapped, so nothing appears on the screen.
std::optional<QMargins> AskWindowManager()
{
    xcb_connection_t *c = Connection();
    if (!c) return std::nullopt;
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    if (!screen) return std::nullopt;
    const xcb_atom_t request = Atom(c, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = Atom(c, "_NET_FRAME_EXTENTS");
    if (request == XCB_ATOM_NONE || extents == XCB_ATOM_NONE || !Supported(c, screen->root, request))
        return std::nullopt;

    const xcb_window_t probe = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, probe, screen->root, 0, 0, kProbeSize, kProbeSize, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
    // Fixed in size like our windows: a resizable one may get another frame.
    std::uint32_t hints[18] = {kMinSize | kMaxSize};
    hints[5] = hints[6] = hints[7] = hints[8] = kProbeSize;
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, probe, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS, 32, 18,
                        hints);
    xcb_client_message_event_t ask{};
    ask.response_type = XCB_CLIENT_MESSAGE;
    ask.format = 32;
    ask.window = probe;
    ask.type = request;
    xcb_send_event(c, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&ask));
    xcb_flush(c);

    std::optional<QMargins> frame;
    QElapsedTimer waited;
    waited.start();
    while (!(frame = FrameExtents(c, probe, extents)) && waited.elapsed() < kAnswerLimitMs)
        QThread::msleep(5);
    xcb_destroy_window(c, probe);
    xcb_flush(c);
    if (!frame) return std::nullopt;
    return Logical(*frame);
}

#endif

// What the platform says of a window that is created but not shown.
QMargins PlatformFrame()
{
    QWindow probe;
    probe.create();
    return probe.frameMargins();
}

} // namespace

QMargins ExpectedFrame()
{
    if (!expected) {
#if QT_CONFIG(xcb)
        if (QGuiApplication::platformName() == QLatin1String("xcb")) expected = AskWindowManager();
#endif
        if (!expected) expected = PlatformFrame();
    }
    return *expected;
}

void SetExpectedFrame(const QMargins &frame) { expected = frame; }

QMargins ShownFrame(const QWindow &window)
{
#if QT_CONFIG(xcb)
    if (xcb_connection_t *c = QGuiApplication::platformName() == QLatin1String("xcb") ? Connection() : nullptr) {
        if (const auto frame = FrameExtents(c, xcb_window_t(window.winId()), Atom(c, "_NET_FRAME_EXTENTS")))
            return Logical(*frame);
    }
#endif
    return window.frameMargins();
}

} // namespace rb
