// The headless driver: the game window's rules without its window. A move
// is gameTick (moveGhosts, then moveChomper), followed by the move clock,
// exactly as the run driver plays it; a decision point splits a move
// between its two halves so that a caller can choose the direction.

#include "game/HeadlessGame.h"

#include <chrono>

#include "actors/Ghost.h"
#include "game/GameEngine.h"
#include "game/SettingsReader.h"
#include "maze/GameState.h"
#include "player/MyChomper.h"

// The autonomous player, whose choice a caller may replace at a decision point.
class DrivenChomper : public MyChomper {
 public:
  void decide() override {
    if (given < 0) {
      MyChomper::decide();
      return;
    }
    // Steered from outside: the model still follows the game, so that the
    // built-in choice asked for later is made on what has really happened.
    if (builtin == 0) {
      keepUp();
    } else if (given != builtin) {
      dropPlan();
    }
    if (openDirections(maze) & given) setDirection(given);
  }

  // The direction the built-in player chooses here, once per decision point.
  int builtinChoice() {
    if (builtin == 0) {
      const int kept = getDirection();
      MyChomper::decide();
      builtin = getDirection();
      setDirection(kept);
    }
    return builtin;
  }

  // -1: the built-in player decides; else that direction (0 keeps the current one).
  int given = -1;
  // The built-in choice at the current decision point; 0 until asked.
  int builtin = 0;
};

HeadlessGame::HeadlessGame() : chomperPlayer(std::make_unique<DrivenChomper>()) {
  configure(HeadlessSettings{});
}

HeadlessGame::~HeadlessGame() {
  window.reset();
  if (chomper == chomperPlayer.get()) setChomper(nullptr);
}

bool HeadlessGame::isSettingKey(const std::string& key) { return SettingsReader::isKey(key); }

bool HeadlessGame::configure(const HeadlessSettings& wanted, std::string* unknownKey) {
  for (const auto& pair : wanted.config.settings) {
    if (isSettingKey(pair.first)) continue;
    if (unknownKey != nullptr) *unknownKey = pair.first;
    return false;
  }
  headless = wanted;
  // A new window, so that the ghosts are those of the new settings. The
  // player's move clock belongs to the window: until the next game starts it
  // stands still.
  chomperPlayer->setClock([] { return std::uint32_t{0}; });
  window.reset();
  setChomper(chomperPlayer.get());
  window = std::make_unique<GameEngine>();
  window->configSource = headless.config;
  window->readConfig();
  gameSettings.keyboardControl = false;
  window->createGhosts();
  window->resetGame();
  return true;
}

void HeadlessGame::reset(unsigned seed) {
  if (seed == 0) {
    seed = static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count());
    seed = seed == 0 ? 1 : seed;
  }
  startGame();
  window->startSeededGame(seed);
  current.seed = seed;
}

void HeadlessGame::resetNext() {
  startGame();
  window->beginGame();
  if (window->seededGame) current.seed = static_cast<unsigned>(gameSettings.seed + window->gamesStarted - 1);
}

void HeadlessGame::startGame() {
  setChomper(chomperPlayer.get());
  window->resetGame();
  window->startScreen = false;
  current = GameOutcome{};
  current.foodLeft = foodLeft;
  midMove = false;
  chomperPlayer->builtin = 0;
}

GameOutcome HeadlessGame::finish() {
  while (!ended()) step();
  return current;
}

GameOutcome HeadlessGame::play(unsigned seed) {
  reset(seed);
  return finish();
}

bool HeadlessGame::ended() const {
  return current.won || current.lost || current.unended;
}

bool HeadlessGame::toDecision() {
  while (!ended()) {
    if (midMove) return true;
    // Ghosts' steps change neither the chomper's place nor the walls, so
    // whether this move decides is known before it starts.
    if (chomperPlayer->openDirections(maze) != DIR_NONE) {
      window->moveGhosts();
      midMove = true;
      chomperPlayer->builtin = 0;
      return true;
    }
    step();
  }
  return false;
}

int HeadlessGame::builtinDirection() {
  return midMove ? chomperPlayer->builtinChoice() : 0;
}

void HeadlessGame::stepWith(int direction) {
  if (ended()) return;
  if (!midMove) {
    step();
    return;
  }
  // A given direction replaces the player's choice; a built-in choice
  // already asked for at this point is not made a second time.
  chomperPlayer->given = direction < 0 ? 0 : direction;
  completeMove();
  chomperPlayer->given = -1;
}

void HeadlessGame::step() {
  if (ended()) return;
  if (!midMove) {
    window->moveGhosts();
    midMove = true;
    chomperPlayer->builtin = 0;
  }
  // A built-in choice already asked for at this point is not made twice.
  chomperPlayer->given = chomperPlayer->builtin != 0 ? chomperPlayer->builtin : -1;
  completeMove();
  chomperPlayer->given = -1;
}

void HeadlessGame::completeMove() {
  const long long scoreBefore = chomperPlayer->getScore();
  const int foodBefore = foodLeft;
  const bool fruitBefore = fruitShown;
  const CellPos cell = chomperPlayer->cellPosition();
  const int code = insideGrid(cell.getCol(), cell.getRow())
                       ? maze[gridIndex(cell.getCol(), cell.getRow())] : CELL_EMPTY;
  window->moveChomper();
  window->advanceMoveClock();
  midMove = false;
  noteMove(scoreBefore, foodBefore, code, fruitBefore);
}

void HeadlessGame::noteMove(long long scoreBefore, int foodBefore, int codeEaten, bool fruitBefore) {
  ++current.moves;
  const bool ate = foodLeft != foodBefore;
  const int dots = ate && codeEaten == CELL_DOT ? 1 : 0;
  const int pills = ate && codeEaten == CELL_POWERPILL ? 1 : 0;
  const int fruits = fruitBefore && !fruitShown ? 1 : 0;
  current.dots += dots;
  current.pills += pills;
  current.fruits += fruits;
  // What the score gained beyond the food and the fruit came from blue ghosts.
  const long long rest = chomperPlayer->getScore() - scoreBefore - dots * gameSettings.dotValue -
                         pills * gameSettings.powerpillValue - fruits * gameSettings.fruitValue;
  if (rest > 0 && gameSettings.ghostValue > 0) current.ghosts += static_cast<int>(rest / gameSettings.ghostValue);
  current.score = chomperPlayer->getScore();
  current.foodLeft = foodLeft;
  current.won = gameWon;
  current.lost = window->gameLost && !gameWon;
  if (current.lost) current.caughtBy = ghostWhoCaught();
  if (!current.won && !current.lost && current.moves >= headless.maxMoves) current.unended = true;
}

int HeadlessGame::ghostWhoCaught() const {
  const auto ghosts = GameEngine::ghostsInPlayOrder();
  for (int i = 0; i < 4; ++i) {
    const Ghost* ghost = ghosts[i];
    if (ghost == nullptr || !ghost->isActive() || ghost->isBlue()) continue;
    // The meeting rule's distance: below 5 whole pixels.
    if (window->ghostDistance(ghost) < 5) return GHOST_RED + i;
  }
  return NO_GHOST;
}

std::string HeadlessGame::resultsLine() const { return window->resultsLine(); }

bool HeadlessGame::appendResults(const char* path) const { return window->appendResults(path); }

MyChomper& HeadlessGame::player() { return *chomperPlayer; }
