"""Decision steps per second from Python: chomp.Env.step with the built-in
action, with a trivial policy, and with the trivial policy and a picture
(render) at every step, side by side in one run, on one core.

    PYTHONPATH=build/python /usr/bin/python3 bench/bench_python.py [--steps N] [--config FILE | --no-config]

A step plays the game from one decision point of the chomper to the next.
The trivial policy takes the first open way in the order left, up, right,
down (read from the observation), so the chomper keeps walking.
"""
import argparse
import time

import chomp

STEPS = ((0, -1), (-1, 0), (0, 1), (1, 0))  # (grid row, column) of actions 0..3


def first_open(observation):
    x, y, _ = observation["chomper"]
    row, col = 21 - (y - 10) // 20, (x - 10) // 20
    maze = observation["maze"]
    for action, (dr, dc) in enumerate(STEPS):
        if maze[row + dr, (col + dc) % 19] > 2:
            return action
    return 0


def steps_per_second(env, choose, steps):
    """Plays seeds 1, 2, ... until `steps` steps are done; returns steps/s and games."""
    seed, done, games = 1, 0, 0
    observation, _ = env.reset(seed=seed)
    start = time.perf_counter()
    while done < steps:
        observation, _, terminated, truncated, _ = env.step(choose(observation))
        done += 1
        if terminated or truncated:
            seed, games = seed + 1, games + 1
            observation, _ = env.reset(seed=seed)
    return done / (time.perf_counter() - start), games


def main():
    parser = argparse.ArgumentParser(description="Decision steps per second from Python.")
    parser.add_argument("--steps", type=int, default=200000)
    chomp.add_config_options(parser)
    args = parser.parse_args()
    with chomp.Env(config=args.config) as env:
        print(f"settings {env.settings_digest}")
        cases = (("trivial policy (first open way)", first_open, args.steps),
                 ("constant action 0", lambda observation: 0, args.steps),
                 ("builtin_action()", lambda observation: env.builtin_action(), args.steps // 20))
        rates = {}
        for name, choose, steps in cases:
            rate, games = steps_per_second(env, choose, steps)
            rates[name] = rate
            print(f"{name:34} {rate:10.0f} steps/s  ({steps} steps, {games} games ended)")
        trivial, builtin = rates[cases[0][0]], rates[cases[2][0]]
        print(f"trivial policy / builtin_action(): {trivial / builtin:.1f}x")
    with chomp.Env(config=args.config, render_mode="rgb_array") as env:
        def drawn(observation):
            env.render()
            return first_open(observation)
        rate, games = steps_per_second(env, drawn, args.steps // 100)
        print(f"{'trivial policy + render()':34} {rate:10.0f} steps/s  ({args.steps // 100} steps, {games} games ended)")


if __name__ == "__main__":
    main()
