#include "gallery.h"

namespace rb::gallery {

void TavrinRayScenes(const Shoot &) {}

} // namespace rb::gallery
