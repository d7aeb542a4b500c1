#include "gxbase/Main.h"

#include <algorithm>
#include <cassert>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <SDL.h>

#include "gxbase/GLWindow.h"
#include "gxbase/Platform.h"
#include "gxbase/WindowEx.h"

namespace gxbase {

namespace {

constexpr int kReportBufferSize = 1024;

// Exit code of Run when the main window could not be made.
constexpr int kMainWindowFailed = 1;

}  // namespace

App::App() {
  Main& main = Main::Instance();
  if (main.app != nullptr) {
    std::fputs("Error: more than one application instance defined!\n", stdout);
    std::fflush(stdout);
    std::exit(1);
  }
  main.app = this;
}

App::~App() {
  Main& main = Main::Instance();
  if (main.app == this) main.app = nullptr;
}

Main& Main::Instance() {
  // Built on first use, so applications and windows constructed before main
  // find it; destroyed at process exit after them.
  static Main self;
  return self;
}

Main::~Main() { Platform::Shutdown(); }

int Main::Run(int argCount, char** args) {
  if (app == nullptr) {
    LogMessage("No application instance created, exiting.");
    return -1;
  }
  argc = argCount;
  argv = args;
  app->OnStart();

  int result = 0;
  if (!CreateWindows()) {
    // Without its main window the program could never be closed.
    DestroyWindows();
    result = kMainWindowFailed;
  } else if (!windows.empty()) {
    result = MessageLoop();
  }

  SetTimerInterval(0);
  app->OnExit();
  return result;
}

// Indexing, not iterators: a handler may add or remove windows meanwhile.
bool Main::CreateWindows() {
  for (size_t i = 0; i < windows.size(); ++i) {
    WindowEx* window = windows[i];
    if (window->HasNativeWindow()) continue;
    if (!window->Create() && IsMainWindow(window)) return false;
  }
  // The window made last would keep the keyboard: the main window takes it,
  // so its keys work at once.
  if (mainWindow != nullptr) mainWindow->TakeKeyboardFocus();
  return true;
}

void Main::DestroyWindows() {
  for (size_t i = 0; i < windows.size(); ++i) {
    if (windows[i]->HasNativeWindow()) windows[i]->Destroy();
  }
}

bool Main::RegisterWindowClass() {
  // One window kind serves every window; the native layer itself starts
  // with the first Create.
  classRegistered = true;
  return true;
}

bool Main::AddWindow(WindowEx* window) {
  if (window == nullptr) return false;
  if (windows.empty()) mainWindow = window;
  windows.push_back(window);
  return true;
}

void Main::RemoveWindow(WindowEx* window) {
  auto found = std::find(windows.begin(), windows.end(), window);
  if (found != windows.end()) windows.erase(found);
}

bool Main::IsMainWindow(const WindowEx* window) const {
  return window != nullptr && window == mainWindow;
}

void Main::LogMessage(const char* format, ...) {
  std::unique_ptr<char[]> buffer(new (std::nothrow) char[kReportBufferSize]);
  if (!buffer) return;

  va_list args;
  va_start(args, format);
  int length = std::vsnprintf(buffer.get(), kReportBufferSize, format, args);
  va_end(args);
  // A report that does not fit with its terminating zero is dropped whole.
  if (length < 0 || length >= kReportBufferSize) return;

  if (!console &&
      SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, "Message", buffer.get(), nullptr) == 0) {
    return;
  }
  std::fputs(buffer.get(), stdout);
  std::fflush(stdout);
}

int Entry(int argc, char** argv) {
  Main& main = Main::Instance();
  main.console = true;
  return main.Run(argc, argv);
}

}  // namespace gxbase
