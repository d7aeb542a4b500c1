"""Two simple players for chomp.Env: random and greedy nearest-food.

A player is a function from an observation to an action (0 left, 1 up,
2 right, 3 down), so it plays in chomp.Env and in chomp.evaluate alike.
"""
import collections
import random

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


def make_random_player(seed):
    """A player that takes an open way at random (reproducible from `seed`)."""
    rng = random.Random(seed)

    def player(observation):
        actions = open_actions(observation["maze"], chomper_cell(observation))
        return rng.choice(actions) if actions else LEFT
    return player


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


if __name__ == "__main__":
    import chomp
    for name, player in (("random", make_random_player(1)), ("greedy", greedy_player)):
        s = chomp.evaluate(player, games=20, seed=1)
        print(f"{name}: won {s['won_percent']:.1f}% [{s['won_low']:.1f}, {s['won_high']:.1f}], "
              f"score mean {s['score_mean']:.0f}")
