// The program: the one application object, built before main runs, and the
// framework's entry, which sends reports to standard output and runs it.

#include "app/MyGame.h"

static MyGame game;

int main(int argc, char** argv) { return gxbase::Entry(argc, argv); }
