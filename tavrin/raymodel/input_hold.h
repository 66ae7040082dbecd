// Holds back the user's input while a handler runs a long computation that
// must not be disturbed, and hands it over in order once it has ended.
//
// The sweep of the ray model draws ray after ray inside one click handler.
// It lets the window repaint between rays, but what the user does meanwhile
// (presses, moves, keys, a click on an option, closing a window) must wait
// until the sweep is over, as if the program had been too busy to look.
// The hold sees every event of the application, however it was delivered:
// input is kept and posted again after the release; a close request is
// refused for now and asked for again after the release.
#pragma once

#include <QObject>
#include <QPointer>
#include <memory>
#include <vector>

class QEvent;
class QWidget;

namespace rb::tavrin {

class InputHold : public QObject {
public:
    // Starts holding at once.
    InputHold();
    // Releases whatever is still held.
    ~InputHold() override;

    // Stops holding: the kept input is posted to its receivers in the order
    // it came, then every window whose close was refused is closed.
    void Release();

    // True when a window asked to close while the hold was on.
    bool CloseHeld() const { return !closes_.empty(); }

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override;

private:
    struct Held {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };
    std::vector<Held> input_;
    std::vector<QPointer<QWidget>> closes_;
    bool holding_ = false;
};

} // namespace rb::tavrin
