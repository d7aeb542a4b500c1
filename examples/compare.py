"""Compares the random, the greedy nearest-food and the built-in player on
equal seeds in a pool of worker processes (one environment each), and writes
one CSV per player in the batch runner's format, drawn with scripts/chart
when that is present.

    PYTHONPATH=build/python /usr/bin/python3 examples/compare.py --games 1000
"""
import argparse
import csv
import multiprocessing
import os
import subprocess
import sys

import chomp
import players

CHUNK = 25  # seeds per task; the random player is seeded per chunk, so rows do not depend on --jobs
PLAYERS = ("random", "greedy", "builtin")
_env = None  # the one environment of a worker process


def play_chunk(task):
    """Plays seeds first.. first + count - 1 with one player in this worker's environment."""
    global _env
    name, first, count, ghosts = task
    if _env is None:
        _env = chomp.Env()
    policy = {"random": players.make_random_player(first), "greedy": players.greedy_player,
              "builtin": None}[name]
    return name, chomp.evaluate(policy, games=count, seed=first, ghosts=ghosts, env=_env)["rows"]


def compare(games, seed, ghosts, jobs, out_dir):
    """Returns {player: summary} and writes out_dir/compare_<player>.csv."""
    tasks = [(name, first, min(CHUNK, seed + games - first), ghosts)
             for name in PLAYERS for first in range(seed, seed + games, CHUNK)]
    rows = {name: [] for name in PLAYERS}
    # Fresh worker processes: each opens its own environment.
    with multiprocessing.get_context("spawn").Pool(jobs) as pool:
        for name, chunk in pool.imap_unordered(play_chunk, tasks):
            rows[name].extend(chunk)
    summaries = {}
    for name in PLAYERS:
        rows[name].sort(key=lambda row: row["seed"])
        path = os.path.join(out_dir, f"compare_{name}.csv")
        with open(path, "w", newline="") as f:
            writer = csv.DictWriter(f, fieldnames=chomp.CSV_FIELDS, lineterminator="\n")
            writer.writeheader()
            writer.writerows(rows[name])
        summaries[name] = chomp.summarize(rows[name])
        chart(path)
    return summaries


def chart(csv_path):
    script = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "scripts", "chart")
    if os.access(script, os.X_OK):
        subprocess.run([script, csv_path, csv_path[:-4] + ".png"], check=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--games", type=int, default=1000)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--ghosts", default="all", help="all, none or a comma list such as red,green")
    parser.add_argument("--jobs", type=int, default=os.cpu_count())
    parser.add_argument("--out", default=".", help="folder for the CSV files and charts")
    args = parser.parse_args()
    summaries = compare(args.games, args.seed, args.ghosts, args.jobs, args.out)
    print(f"{'player':8} {'games':>6} {'won %':>6} {'95% interval':>14} {'score mean':>10} "
          f"{'median':>7} {'p10':>6} {'p90':>6}")
    for name, s in summaries.items():
        print(f"{name:8} {s['games']:6d} {s['won_percent']:6.1f} "
              f"{s['won_low']:6.1f}..{s['won_high']:5.1f} {s['score_mean']:10.1f} "
              f"{s['score_median']:7.0f} {s['score_p10']:6.0f} {s['score_p90']:6.0f}")


if __name__ == "__main__":
    sys.exit(main())
