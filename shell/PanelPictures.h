// The front-panel drawings compiled into the program, decoded with our JPEG decoder.
#pragma once

#include <QImage>

namespace qs {

// The picture of that name ("front", "copper-green", "icon", ...); null when it is missing.
QImage PanelPicture(const char* name);

} // namespace qs
