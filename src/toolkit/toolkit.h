// Toolkit: every control kind and the window, for code that builds a window.
#pragma once

#include "toolkit/buttons.h"
#include "toolkit/containers.h"
#include "toolkit/control.h"
#include "toolkit/dialogs.h"
#include "toolkit/edits.h"
#include "toolkit/lists.h"
#include "toolkit/timer.h"
#include "toolkit/window.h"
