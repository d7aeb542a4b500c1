#!/usr/bin/python3
"""Two simple players for chomp.Env: random and greedy nearest-food.

A player is a function from an observation to an action (0 left, 1 up,
2 right, 3 down), so it plays in chomp.Env and in chomp.evaluate alike.
Both are picklable, so chomp.evaluate can send them to other processes.
Run alone, it plays 20 games with each (--config, --no-config, --help).
"""
import collections
import os
import random
import sys
import zlib

# The chomp module, found from the source folder when it is not on the path.
sys.path.append(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "python"))

LEFT, UP, RIGHT, DOWN = 0, 1, 2, 3
# Grid steps (row, column) of the actions; the grid's top row comes first,
# so up is one row back.
STEPS = {LEFT: (0, -1), UP: (-1, 0), RIGHT: (0, 1), DOWN: (1, 0)}
FOOD = (4, 5)          # dot, power pill
ROWS, COLS = 22, 19


def chomper_cell(observation):
    """(grid row, column) of the chomper, which stands on a cell centre."""
    x, y, _ = observation["chomper"]
    return ROWS - 1 - (y - 10) // 20, (x - 10) // 20


def open_actions(maze, cell):
    """The actions whose neighbouring cell the chomper may enter (codes above 2;
    the tunnel row wraps round)."""
    row, col = cell
    return [a for a, (dr, dc) in STEPS.items() if maze[row + dr, (col + dc) % COLS] > 2]


class RandomPlayer:
    """Takes an open way at random. The draw depends only on `seed` and what
    it sees, so a game's moves do not depend on which process plays it, nor
    on the games played before."""

    def __init__(self, seed):
        self.seed = seed

    def __call__(self, observation):
        actions = open_actions(observation["maze"], chomper_cell(observation))
        seen = zlib.crc32(observation["maze"].tobytes() + observation["ghosts"].tobytes() +
                          observation["chomper"].tobytes())
        return random.Random(self.seed * 4294967311 + seen).choice(actions) if actions else LEFT


def make_random_player(seed):
    """A random player reproducible from `seed`."""
    return RandomPlayer(seed)


def greedy_player(observation):
    """Heads for the nearest dot or pill by a breadth-first search; ghosts are ignored."""
    maze = observation["maze"]
    start = chomper_cell(observation)
    first_step = {start: None}
    queue = collections.deque([start])
    while queue:
        cell = queue.popleft()
        if maze[cell] in FOOD and cell != start:
            return first_step[cell]
        for action in open_actions(maze, cell):
            dr, dc = STEPS[action]
            nxt = (cell[0] + dr, (cell[1] + dc) % COLS)
            if nxt not in first_step:
                first_step[nxt] = action if first_step[cell] is None else first_step[cell]
                queue.append(nxt)
    return int(observation["chomper"][2])


def main():
    import argparse
    import chomp
    parser = argparse.ArgumentParser(description="Plays 20 games with each of the two players.")
    chomp.add_config_options(parser)
    args = parser.parse_args()
    try:
        chomp.settings_text(args.config)
    except (OSError, ValueError) as error:
        parser.error(str(error))
    for name, player in (("random", make_random_player(1)), ("greedy", greedy_player)):
        s = chomp.evaluate(player, games=20, seed=1, config=args.config)
        print(f"{name}: won {s['won_percent']:.1f}% [{s['won_low']:.1f}, {s['won_high']:.1f}], "
              f"score mean {s['score_mean']:.0f}")


if __name__ == "__main__":
    main()
