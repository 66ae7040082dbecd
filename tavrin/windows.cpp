#include "windows.h"

#include "raymodel/form2.h"
#include "start/form3.h"
#include "wavemodel/form5.h"

namespace rb::tavrin {

// Never destroyed by the exit handlers: when the display connection breaks,
// the toolkit ends the process with exit(), which runs them while the
// application object on main's stack still stands and the toolkit's own
// statics are going away. Destroying a window then crashes inside the
// toolkit, so the windows are left to the end of the process there; on every
// ordinary end main destroys them through Reset before the application goes.
Windows &Windows::Get()
{
    static Windows *const windows = new Windows;
    return *windows;
}

Windows::~Windows() = default;

Form3 &Windows::StartForm()
{
    if (!start_) {
        start_ = std::make_unique<Form3>();
        start_->Form_Load();
    }
    return *start_;
}

form2 &Windows::RayForm()
{
    if (!ray_) {
        ray_ = std::make_unique<form2>();
        ray_->Form_Load();
    }
    return *ray_;
}

Form5 &Windows::WaveForm()
{
    if (!wave_) {
        wave_ = std::make_unique<Form5>();
        wave_->Form_Load();
    }
    return *wave_;
}

void Windows::Reset()
{
    wave_.reset();
    ray_.reset();
    start_.reset();
}

} // namespace rb::tavrin
