// The splash panel's picture: a ragged input file, an arrow, the same data in columns.
#pragma once

#include "toolkit/containers.h"

namespace vt {

tk::Picture SplashPicture();

}  // namespace vt
