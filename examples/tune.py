#!/usr/bin/python3
"""Tunes the built-in player's parameters with Optuna: each trial plays one
range of seeds with a variant of the player (chomp.evaluate, player=...),
the best variant found is then checked against the default player on a
fresh range of seeds with the paired comparison (chomp.compare), and both
are printed.

    examples/tune.py --trials 30 --games 200

The trials' games run in a pool of worker processes (chomp.evaluate's
executor), under the settings rule of every tool (--config, --no-config).
"""
import argparse
import concurrent.futures
import multiprocessing
import os
import sys

import optuna

sys.path.append(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "python"))  # the chomp module
import chomp  # noqa: E402

CHUNK = 50  # seeds per task
# The parameters searched and their ranges, narrower than those the player
# accepts (chomp.player_parameters()) so that trials stay near sensible players.
SEARCH = {
    "localRadius": (2, 8),
    "ghostPathLength": (2, 9),
    "dangerBonus": (-400, 0),
    "dangerCost": (0, 500),
    "pillReward": (0, 200),
    "blueDurationMs": (1000, 10000),
}
def play(pool, config, player, seed, games, ghosts):
    """The rows of `games` games from `seed` with `player`, in seed order."""
    return chomp.evaluate(None, games=games, seed=seed, ghosts=ghosts, config=config, player=player,
                          executor=pool, chunk=CHUNK)["rows"]


def tune(pool, config, trials, seed, games, ghosts):
    """Optuna's best variant (a dict of parameters) on seeds seed.. seed + games - 1."""
    def objective(trial):
        player = {name: trial.suggest_int(name, low, high) for name, (low, high) in SEARCH.items()}
        summary = chomp.summarize(play(pool, config, player, seed, games, ghosts))
        print(f"trial {trial.number + 1}/{trials}: won {summary['won_percent']:.1f} % with {player}", file=sys.stderr)
        return summary["won_percent"]

    study = optuna.create_study(direction="maximize", sampler=optuna.samplers.TPESampler(seed=1))
    # The default player is the first trial, so the search starts from it.
    defaults = chomp.player_parameters()
    study.enqueue_trial({name: defaults[name]["default"] for name in SEARCH})
    study.optimize(objective, n_trials=trials)
    print(f"default player on seeds {seed}..{seed + games - 1}: won {study.trials[0].value:.1f} %")
    print(f"best of {trials} trials: won {study.best_value:.1f} % with {study.best_params}")
    return study.best_params


def check(pool, config, best, seed, games, ghosts):
    """The paired comparison of `best` against the default player on fresh seeds."""
    base = play(pool, config, None, seed, games, ghosts)
    tuned = play(pool, config, best, seed, games, ghosts)
    print(f"\nfresh seeds {seed}..{seed + games - 1}:")
    for figures in chomp.compare(base, tuned):
        print(figures["verdict_line"])
    return figures


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--trials", type=int, default=20, help="Optuna trials (default 20)")
    parser.add_argument("--games", type=int, default=200, help="games per trial (default 200)")
    parser.add_argument("--seed", type=int, default=1, help="first seed of the trials' games (default 1)")
    parser.add_argument("--check-games", type=int, default=1000,
                        help="fresh games of the final comparison (default 1000), after the trials' seeds")
    parser.add_argument("--ghosts", default="all", help="the ghost set (default all)")
    chomp.add_config_options(parser)
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 1, help="worker processes (default: the cores)")
    args = parser.parse_args()
    if args.trials < 1 or args.games < 1 or args.check_games < 1 or args.jobs < 1:
        parser.error("--trials, --games, --check-games and --jobs want a number of at least 1")
    try:
        chomp.settings_text(args.config)
    except (OSError, ValueError) as error:
        parser.error(str(error))
    optuna.logging.set_verbosity(optuna.logging.WARNING)
    context = multiprocessing.get_context("spawn")
    with concurrent.futures.ProcessPoolExecutor(args.jobs, mp_context=context) as pool:
        best = tune(pool, args.config, args.trials, args.seed, args.games, args.ghosts)
        check(pool, args.config, best, args.seed + args.games, args.check_games, args.ghosts)
    return 0


if __name__ == "__main__":
    sys.exit(main())
