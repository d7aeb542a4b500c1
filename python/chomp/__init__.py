"""Chomp, the maze-chase game, as a seeded environment for players written in Python.

    import chomp
    env = chomp.Env()                      # data/config.txt when there is one
    obs, info = env.reset(seed=1)
    obs, reward, terminated, truncated, info = env.step(env.builtin_action())

The compiled part (chomp._chomp) is built by `scripts/python` (or
`cmake --build build --target chomp_python`). This file is copied next to it
in build*/python/chomp; in the source folder (python/chomp) it loads the
newest build of it instead, so PYTHONPATH=python works from any build.
"""
import glob
import importlib.util
import os
import sys

BUILD_COMMAND = "scripts/python (or: cmake --build build --target chomp_python)"


def _load_compiled():
    try:
        from . import _chomp
        return _chomp
    except ImportError:
        pass
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    builds = glob.glob(os.path.join(root, "build*", "python", "chomp", "_chomp*.so"))
    if not builds:
        raise ImportError(f"the chomp module is not built: {BUILD_COMMAND} builds it")
    newest = max(builds, key=os.path.getmtime)
    spec = importlib.util.spec_from_file_location(__name__ + "._chomp", newest)
    module = importlib.util.module_from_spec(spec)
    sys.modules[spec.name] = module
    spec.loader.exec_module(module)
    return module


_chomp = _load_compiled()
from ._chomp import (CSV_FIELDS, DEFAULT_CONFIG, DOWN, LEFT, RIGHT, UP, Env,  # noqa: E402,F401
                     builtin_action, builtin_view, compare, player_parameters, settings_text)

CHUNK = 25  # seeds per task given to an executor


def add_config_options(parser):
    """Adds the configuration options every tool has to an argparse parser:
    --config FILE and --no-config, into args.config (DEFAULT_CONFIG, a file
    name, or None), as Env(config=...) and evaluate(config=...) take it."""
    group = parser.add_mutually_exclusive_group()
    group.add_argument("--config", default=DEFAULT_CONFIG, metavar="FILE",
                       help="the configuration file (default: data/config.txt of the working folder; "
                            "without one, every built-in default)")
    group.add_argument("--no-config", dest="config", action="store_const", const=None,
                       help="no configuration file: every built-in default")


def summarize(rows):
    """The summary figures of rows such as evaluate returns or a game's last
    info holds (merged from several processes, say), without the rows, and
    "settings", their rules digest. Rows played under different settings are
    refused: their figures would not describe one game."""
    rows = list(rows)
    digests = sorted({row.get("settings", "") for row in rows})
    if len(digests) > 1:
        raise ValueError("rows played under different settings (" + ", ".join(d or "unknown" for d in digests) +
                         "): summarize the rows of each on their own")
    summary = _chomp.summarize(rows)
    summary["settings"] = digests[0] if digests else ""
    return summary


def evaluate(policy, games=100, seed=1, ghosts=None, config=DEFAULT_CONFIG, settings={}, max_moves=None,
             env=None, executor=None, chunk=CHUNK, keep=None, player=None):
    """Plays `games` games on the seeds seed, seed + 1, ... and returns the batch
    runner's summary: games, won_percent with its 95% Wilson interval
    won_low..won_high, score_mean, score_median, score_p10, score_p90,
    moves_mean, unended, "settings" (the rules digest) and "rows", one dict per
    game with the fields of CSV_FIELDS.
      policy:   observation -> action, or None for the built-in player; it may
                call chomp.builtin_action() for the built-in player's choice
      ghosts:   "all", "none", a comma list such as "red,turquoise", or None
                for the settings' own
      config:   the configuration file (default: data/config.txt when there is
                one), None for every built-in default
      env:      play on this open Env (its config, settings and player);
                otherwise a game of its own is made from config, settings,
                max_moves and player
      player:   the built-in player's parameters (see Env): None, a dict such
                as {"localRadius": 6}, or a variant's text
      executor: a concurrent.futures executor (a process pool, Dask's
                Client.get_executor(), mpi4py.futures) to spread the seeds
                over, `chunk` seeds per task; the rows are those of one
                process. The policy must then be picklable (a module-level
                function or an object of a module-level class), and the
                settings are sent as text, so workers need no files.
      keep:     "all", "lost", "unended" or a list of seeds: the records of
                those games, as the texts of their files, in "records" (seed ->
                text), to watch with chompgame --watch FILE."""
    if executor is None:
        return _chomp.evaluate(policy, games, seed, ghosts, config, settings, max_moves, env, keep, player)
    if env is not None:
        if config is not DEFAULT_CONFIG or settings or max_moves is not None or player is not None:
            raise ValueError("give config, settings, max_moves and player to the Env, not to evaluate")
        text, moves, player = env.settings_text, env.max_moves, env.player
    else:
        text, moves = settings_text(config, settings), 200000 if max_moves is None else max_moves
    if isinstance(games, bool) or not isinstance(games, int) or games < 1:
        raise ValueError("games must be an integer >= 1")
    if isinstance(chunk, bool) or not isinstance(chunk, int) or chunk < 1:
        raise ValueError("chunk must be an integer >= 1")
    tasks = [executor.submit(_play_seeds, policy, text, moves, first, min(chunk, seed + games - first), ghosts, keep,
                             player)
             for first in range(seed, seed + games, chunk)]
    results = [task.result() for task in tasks]
    rows = [row for result in results for row in result["rows"]]
    summary = summarize(rows)
    summary["rows"] = rows
    if keep is not None:
        summary["records"] = {s: text for result in results for s, text in result["records"].items()}
    return summary


_worker_env = None  # the environment of this worker process, kept between tasks
_worker_player = None  # the player it was made with, as given


def _play_seeds(policy, text, max_moves, first, count, ghosts, keep, player=None):
    """An executor's task: seeds first.. first + count - 1 under the settings of `text`."""
    global _worker_env, _worker_player
    if _worker_env is not None and (_worker_env.closed or _worker_env.settings_text != text
                                    or _worker_env.max_moves != max_moves or _worker_player != player):
        _worker_env.close()
        _worker_env = None
    if _worker_env is None:
        _worker_env = Env.from_settings_text(text, max_moves=max_moves, player=player)
        _worker_player = player
    result = evaluate(policy, games=count, seed=first, ghosts=ghosts, env=_worker_env, keep=keep)
    return {"rows": result["rows"], "records": result.get("records", {})}
