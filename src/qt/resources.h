// The pictures built into the program: the logo of the printed pages and the window icon.
#pragma once

#include <QIcon>

namespace cn3::qt {

// Where the surfaces find the logo: 3 x 0.75 inch (a 300 dpi PNG that states its resolution).
inline constexpr char kLogoPath[] = ":/catenova/logo.png";

// Makes the built-in pictures reachable; the library is static, so its resources are
// registered by a call, once, before the first use. Calling it again does no harm.
void LoadResources();

// The Catenova mark: two poles with a sagging strand.
QIcon ProgramIcon();

}  // namespace cn3::qt
