#!/usr/bin/python3
"""Compares players on equal seeds in a pool of worker processes, writes one
CSV per player in the batch runner's format and draws one chart of them all.

    examples/compare.py --games 1000
    examples/compare.py --player builtin --player players:greedy_player --no-config

A player is random, greedy, builtin (the built-in player, under the same
settings as chompsim: data/config.txt of the working folder unless --config or
--no-config say otherwise) or MODULE:NAME, a function or an object of a module
on the path (this folder is on it) that maps an observation to an action.
"""
import argparse
import concurrent.futures
import csv
import importlib
import multiprocessing
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.append(os.path.join(HERE, "..", "python"))  # the chomp module, when it is not on the path
import chomp  # noqa: E402
import players  # noqa: E402

DEFAULT_PLAYERS = ("random", "greedy", "builtin")


def player_of(name, seed):
    """The policy a player's name stands for (None: the built-in player)."""
    named = {"random": lambda: players.make_random_player(seed), "greedy": lambda: players.greedy_player,
             "builtin": lambda: None}
    if name in named:
        return named[name]()
    module, _, attribute = name.partition(":")
    if not attribute:
        raise ValueError(f"player {name}: wants random, greedy, builtin or MODULE:NAME")
    return getattr(importlib.import_module(module), attribute)


def compare(names, games, seed, ghosts, config, jobs, out_dir):
    """Returns {player: summary} and writes out_dir/compare_<player>.csv."""
    os.makedirs(out_dir, exist_ok=True)
    summaries = {}
    # Fresh worker processes: each opens its own environment.
    with concurrent.futures.ProcessPoolExecutor(jobs, mp_context=multiprocessing.get_context("spawn"),
                                                initializer=sys.path.append, initargs=(HERE,)) as pool:
        for name in names:
            summary = chomp.evaluate(player_of(name, seed), games=games, seed=seed, ghosts=ghosts, config=config,
                                     executor=pool)
            write_rows(os.path.join(out_dir, f"compare_{file_name(name)}.csv"), summary.pop("rows"))
            summaries[name] = summary
    return summaries


def file_name(player):
    return player.replace(":", "_").replace(os.sep, "_")


def write_rows(path, rows):
    with open(path, "w", newline="") as f:
        writer = csv.DictWriter(f, fieldnames=chomp.CSV_FIELDS, lineterminator="\n")
        writer.writeheader()
        writer.writerows(rows)


def chart(summaries, out_dir, games):
    """Draws compare.png: every player's scores and won share, side by side."""
    script = os.path.join(HERE, "..", "scripts", "chart.gp")
    with tempfile.TemporaryDirectory() as work:
        summary, scores = os.path.join(work, "summary.txt"), os.path.join(work, "scores.txt")
        with open(summary, "w") as f:
            f.write("player games won_percent won_low won_high\n")
            for name, s in summaries.items():
                f.write(f"{name} {s['games']} {s['won_percent']} {s['won_low']} {s['won_high']}\n")
        with open(scores, "w") as f:
            for name in summaries:
                with open(os.path.join(out_dir, f"compare_{file_name(name)}.csv")) as table:
                    f.writelines(f"{name} {row['score']}\n" for row in csv.DictReader(table))
        out = os.path.join(out_dir, "compare.png")
        subprocess.run(["gnuplot", "-c", script, summary, scores, out, str(len(summaries)),
                        f"{games} games per player", "player"], check=True)
    return out


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0],
                                     epilog=__doc__.split("\n\n", 2)[2], formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--games", type=int, default=1000, help="games per player (default 1000)")
    parser.add_argument("--seed", type=int, default=1, help="the first seed (default 1)")
    parser.add_argument("--ghosts", default=None,
                        help="all, none or a comma list such as red,green (default: the configuration's)")
    parser.add_argument("--player", action="append", dest="players", metavar="PLAYER",
                        help="a player to compare (repeatable; default: random, greedy and builtin)")
    chomp.add_config_options(parser)
    parser.add_argument("--jobs", type=int, default=os.cpu_count(), help="worker processes (default: the cores)")
    parser.add_argument("--out", default=".", help="folder for the CSV files and the chart (default .)")
    parser.add_argument("--no-chart", action="store_true", help="draw no chart")
    args = parser.parse_args()
    names = args.players or list(DEFAULT_PLAYERS)
    if args.games < 1 or args.jobs < 1:
        parser.error("--games and --jobs want a number of at least 1")
    try:
        chomp.settings_text(args.config)
    except (OSError, ValueError) as error:
        parser.error(str(error))
    for name in names:
        try:
            player_of(name, args.seed)
        except (ValueError, ImportError, AttributeError) as error:
            parser.error(str(error))
    summaries = compare(names, args.games, args.seed, args.ghosts, args.config, args.jobs, args.out)
    width = max(8, *map(len, names))
    print(f"{'player':{width}} {'games':>6} {'won %':>6} {'95% interval':>14} {'score mean':>10} "
          f"{'median':>7} {'p10':>6} {'p90':>6}  settings")
    for name, s in summaries.items():
        print(f"{name:{width}} {s['games']:6d} {s['won_percent']:6.1f} "
              f"{s['won_low']:6.1f}..{s['won_high']:5.1f} {s['score_mean']:10.1f} "
              f"{s['score_median']:7.0f} {s['score_p10']:6.0f} {s['score_p90']:6.0f}  {s['settings']}")
    if not args.no_chart:
        print(chart(summaries, args.out, args.games), file=sys.stderr)


if __name__ == "__main__":
    sys.exit(main())
