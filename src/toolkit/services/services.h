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

// The one wiring of a front end's chosen implementations; references, so none can be left unset.
inline Services WireServices(MessageBoxes& messages, FileDialogs& dialogs, Clipboard& clipboard,
                             SettingsStore& settings, Help& help, Shell& shell,
                             ProcessRunner& processes, EventPump& events, Clock& clock,
                             Application& app) {
  return {.messages = &messages,
          .dialogs = &dialogs,
          .clipboard = &clipboard,
          .settings = &settings,
          .help = &help,
          .shell = &shell,
          .processes = &processes,
          .events = &events,
          .clock = &clock,
          .app = &app};
}

}  // namespace tk
