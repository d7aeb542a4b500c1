// The headless driver: the game's rules without a window. A move
// is gameTick (moveGhosts, then moveChomper), followed by the move clock,
// exactly as the run driver plays it; a decision point splits a move
// between its two halves so that a caller can choose the direction.

#include "game/HeadlessGame.h"

#include <chrono>

#include "actors/Ghost.h"
#include "game/SettingsReader.h"
#include "maze/GameState.h"
#include "player/DrivenChomper.h"

HeadlessGame::HeadlessGame() : chomperPlayer(std::make_unique<DrivenChomper>()) {
  configure(HeadlessSettings{});
}

HeadlessGame::~HeadlessGame() {
  rules.reset();
  if (chomper == chomperPlayer.get()) setChomper(nullptr);
}

void HeadlessSettings::readFileNow() {
  if (!fileSettings) fileSettings = SettingsReader::readFile(config.file.c_str());
}

GameSettings HeadlessSettings::inForce() const {
  return SettingsReader::read(config, fileSettings ? &*fileSettings : nullptr);
}

bool HeadlessGame::isSettingKey(const std::string& key) { return SettingsReader::isKey(key); }

bool HeadlessGame::configure(const HeadlessSettings& wanted, std::string* unknownKey) {
  for (const auto& pair : wanted.config.settings) {
    if (isSettingKey(pair.first)) continue;
    if (unknownKey != nullptr) *unknownKey = pair.first;
    return false;
  }
  headless = wanted;
  // New rules, so that the ghosts are those of the new settings. The
  // player's move clock belongs to the rules: until the next game starts it
  // stands still.
  chomperPlayer->setClock([] { return std::uint32_t{0}; });
  chomperPlayer->setParameters(headless.player);
  rules.reset();
  setChomper(chomperPlayer.get());
  rules = std::make_unique<GameRules>();
  rules->observer = observer;
  gameSettings = headless.inForce();
  gameSettings.keyboardControl = false;
  rules->createGhosts();
  rules->resetGame();
  return true;
}

void HeadlessGame::reset(unsigned seed) {
  if (seed == 0) {
    seed = static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count());
    seed = seed == 0 ? 1 : seed;
  }
  startGame();
  rules->startSeededGame(seed);
  current.seed = seed;
}

void HeadlessGame::resetNext() {
  startGame();
  rules->beginGame();
  if (rules->seededGame) current.seed = GameRules::seedOfGame(gameSettings.seed, rules->gamesStarted);
}

void HeadlessGame::startGame() {
  setChomper(chomperPlayer.get());
  rules->resetGame();
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
      rules->moveGhosts();
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
    rules->moveGhosts();
    midMove = true;
    chomperPlayer->builtin = 0;
  }
  // A built-in choice already asked for at this point is not made twice.
  chomperPlayer->given = chomperPlayer->builtin != 0 ? chomperPlayer->builtin : -1;
  completeMove();
  chomperPlayer->given = -1;
}

void HeadlessGame::completeMove() {
  const int foodBefore = foodLeft;
  const CellPos cell = chomperPlayer->cellPosition();
  const int code = insideGrid(cell.getCol(), cell.getRow())
                       ? maze[gridIndex(cell.getCol(), cell.getRow())] : CELL_EMPTY;
  rules->moveChomper();
  rules->advanceMoveClock();
  midMove = false;
  noteMove(foodBefore, code);
}

void HeadlessGame::noteMove(int foodBefore, int codeEaten) {
  ++current.moves;
  const bool ate = foodLeft != foodBefore;
  current.dots += ate && codeEaten == CELL_DOT ? 1 : 0;
  current.pills += ate && codeEaten == CELL_POWERPILL ? 1 : 0;
  rules->noteOutcome(current);
  if (current.lost) {
    const CellPos cell = chomperPlayer->cellPosition();
    current.caughtCol = cell.getCol();
    current.caughtRow = cell.getRow();
  }
  if (!current.won && !current.lost && current.moves >= headless.maxMoves) current.unended = true;
}

std::string HeadlessGame::resultsLine() const { return rules->resultsLine(); }

bool HeadlessGame::appendResults(const char* path) const {
  std::string reason;
  return rules->appendResults(path, reason);
}

MyChomper& HeadlessGame::player() { return *chomperPlayer; }

void HeadlessGame::observeDecisions(DecisionObserver* wanted) {
  observer = wanted;
  rules->observer = wanted;
}
