#include "gallery.h"

namespace rb::gallery {

void TavrinWaveScenes(const Shoot &) {}

} // namespace rb::gallery
