// The program: the one application object, built before main runs, and the
// framework's entry, which sends reports to standard output and runs it.

#include "app/MyGame.h"
#include "game/CommandLine.h"

static MyGame game;

int main(int argc, char** argv) {
  CommandLine commandLine("Chomp: a maze-chase game played by you or by an A* player");
  const int status = commandLine.parse(argc, argv);
  if (status != CommandLine::kRun) return status;
  game.engine.configSource = commandLine.configSource();
  return gxbase::Entry(argc, argv);
}
