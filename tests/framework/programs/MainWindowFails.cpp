// An application whose main window cannot be created (run it with a video
// driver that has no OpenGL or does not exist): Run must end, not spin.
#include <cstdio>

#include "gxbase/GLWindow.h"
#include "gxbase/Main.h"

namespace {

class ReportingApp : public gxbase::App {
 public:
  void OnIdle() override {
    std::fputs("OnIdle\n", stdout);
    gxbase::Main::Instance().PostQuit(3);
  }
  void OnExit() override { std::fputs("OnExit\n", stdout); }
};

ReportingApp app;
gxbase::GLWindow window;

}  // namespace

int main(int argc, char** argv) { return gxbase::Entry(argc, argv); }
