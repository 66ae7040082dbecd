#include "gallery.h"

namespace rb::gallery {

void TavrinStartScenes(const Shoot &) {}

} // namespace rb::gallery
