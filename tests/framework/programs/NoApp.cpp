// Runs the framework without any application object.
#include "gxbase/GLWindow.h"
#include "gxbase/Main.h"

int main(int argc, char** argv) {
  gxbase::GLWindow window;  // must not be created without an application
  return gxbase::Entry(argc, argv);
}
