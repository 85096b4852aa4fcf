// Services: the platform facilities a window calls, gathered in one place.
#pragma once

#include "toolkit/services/application.h"
#include "toolkit/services/clipboard.h"
#include "toolkit/services/clock.h"
#include "toolkit/services/event_pump.h"
#include "toolkit/services/file_dialogs.h"
#include "toolkit/services/help.h"
#include "toolkit/services/message_boxes.h"
#include "toolkit/services/process_runner.h"
#include "toolkit/services/settings_store.h"
#include "toolkit/services/shell.h"

namespace tk {

// Non-owning; every pointer is set by the front end (Qt, headless) or a test before use.
struct Services {
  MessageBoxes* messages = nullptr;
  FileDialogs* dialogs = nullptr;
  Clipboard* clipboard = nullptr;
  SettingsStore* settings = nullptr;
  Help* help = nullptr;
  Shell* shell = nullptr;
  ProcessRunner* processes = nullptr;
  EventPump* events = nullptr;
  Clock* clock = nullptr;
  Application* app = nullptr;
};

}  // namespace tk
