// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// Holds back the user's input while a handler runs a long computation that
// must not be disturbed, and hands it over in order once it has ended.
//
// The sweep of the ray model draws ray after ray inside one click handler.
// It lets the window repaint between rays, but what the user does meanwhile
// (presses, moves, keys, a click on an option) must wait until the sweep is
// over, as if the program had been too busy to look. The hold sees every
// event of the application, however it was delivered: input is kept and
// posted again after the release.
//
// Two things are not simply kept:
// - a request to close one of the program's windows goes through at once,
//   and whatever was held is dropped: closing ends the program, and a user
//   who closes must not wait for the work queued before;
// - of the presses on the buttons named at the start, only the first is
//   kept: one press queues one more run of the computation, and a user
//   clicking impatiently does not queue a run per click.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

class QEvent;
class QWidget;

namespace rb::tavrin {

class InputHold : public QObject {
public:
    // Starts holding at once. Presses on any of onePress after the first
    // are dropped while the first is held.
    explicit InputHold(std::vector<QWidget *> onePress = {});
    // Releases whatever is still held.
    ~InputHold() override;

    // Stops holding: the kept input is posted to its receivers in the order
    // it came.
    void Release();

    // While holding, Escape and a press on one of `stopButtons` call `stop`.
    // Escape and presses on `stopButtons` that are in `dropStops` are then
    // dropped (a second press of the button that started the work only
    // stops it); the others are kept and handled after the release, as a
    // press on a "cls" button that should also clear.
    void StopOn(std::vector<QWidget *> stopButtons, std::vector<QWidget *> dropStops, std::function<void()> stop);

    // True once one of the program's windows was asked to close.
    bool Closing() const { return closing_; }

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override;

private:
    struct Held {
        QPointer<QObject> receiver;
        std::function<std::unique_ptr<QEvent>()> make;
    };
    // False when the event belongs to a press of a button in onePress_ that
    // comes after the one already held.
    bool Keep(QObject *receiver, const QEvent *event);
    // False when the event is a stop that is dropped; calls stop_ on a stop.
    bool KeepStop(QObject *receiver, const QEvent *event);

    std::vector<Held> input_;
    std::vector<QPointer<QWidget>> onePress_;
    std::vector<QPointer<QWidget>> stopButtons_, dropStops_;
    std::function<void()> stop_;
    bool holding_ = false;
    bool closing_ = false;
    bool pressHeld_ = false; // a press on one of onePress_ is held
    bool dropping_ = false;  // inside a later press, until its release
};

} // namespace rb::tavrin
