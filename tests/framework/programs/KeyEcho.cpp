// Opens one window titled "KeyEcho" and prints every key it receives as
// "down 0x25" or "up 0x25"; ends after the Q key comes up, or after a
// generous time limit so a lost key can never hang the caller.
#include <chrono>
#include <cstdio>

#include "gxbase/GLWindow.h"
#include "gxbase/Main.h"
#include "gxbase/WindowEx.h"

namespace {

constexpr int kLastKey = 'Q';
constexpr auto kTimeLimit = std::chrono::seconds(30);

class EchoWindow : public gxbase::GLWindow {
 public:
  EchoWindow() { Extra()->title = "KeyEcho"; }

  void OnCreate() override {
    std::puts("ready");
    std::fflush(stdout);
  }
  void OnKeyboard(int key, bool down) override {
    std::printf("%s 0x%02X\n", down ? "down" : "up", key);
    std::fflush(stdout);
    if (key == kLastKey && !down) Close();
  }
  void OnIdle() override {
    if (std::chrono::steady_clock::now() - started > kTimeLimit) {
      std::puts("timeout");
      Close();
    }
  }

 private:
  std::chrono::steady_clock::time_point started = std::chrono::steady_clock::now();
};

class EchoApp : public gxbase::App {
 public:
  EchoWindow window;
};

EchoApp app;

}  // namespace

int main(int argc, char** argv) { return gxbase::Entry(argc, argv); }
