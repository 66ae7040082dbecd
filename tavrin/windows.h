// The three windows of tavrin. Each is created and loaded the first time it
// is needed and then only shown and hidden, so it keeps its state and options
// for as long as the program runs. Nothing passes between the windows but
// these show, hide and end requests.
#pragma once

#include <memory>

namespace rb::tavrin {

class Form3;
class form2;
class Form5;

class Windows {
public:
    static Windows &Get();

    // The window, created and loaded on first use.
    Form3 &StartForm();
    form2 &RayForm();
    Form5 &WaveForm();

    // The window if it was ever loaded, else null.
    Form3 *LoadedStartForm() const { return start_.get(); }
    form2 *LoadedRayForm() const { return ray_.get(); }
    Form5 *LoadedWaveForm() const { return wave_.get(); }

    // Destroys every window; the program calls it once its event loop has
    // returned, tests between cases.
    void Reset();

    ~Windows();

private:
    Windows() = default;
    std::unique_ptr<Form3> start_;
    std::unique_ptr<form2> ray_;
    std::unique_ptr<Form5> wave_;
};

} // namespace rb::tavrin
