"""The chomp module: seeded games, the built-in player through Python, bad
input, and the example comparison."""
import csv
import os
import subprocess
import sys

import numpy as np
import pytest

import chomp

ROOT = os.environ.get("CHOMP_SOURCE_DIR", os.path.join(os.path.dirname(__file__), "..", ".."))
CONFIG = os.path.join(ROOT, "data", "config.txt")
sys.path.insert(0, os.path.join(ROOT, "examples"))
import players  # noqa: E402

NO_GHOSTS = {name + "_ghost": 0 for name in ("red", "green", "orange", "turquoise")}


@pytest.fixture
def env():
    with chomp.Env(config=CONFIG) as e:
        yield e


def play(env, seed, choose):
    """Plays a whole game; returns the rewards, the last observation and info."""
    observation, info = env.reset(seed=seed)
    rewards, done = [], False
    while not done:
        observation, reward, terminated, truncated, info = env.step(choose(observation))
        rewards.append(reward)
        done = terminated or truncated
    return rewards, observation, info


def test_reset_with_a_seed_replays_the_same_game(env):
    observation, info = env.reset(seed=7)
    assert observation["maze"].shape == (22, 19) and observation["ghosts"].shape == (4, 6)
    assert np.isin(observation["maze"], (4, 5)).sum() == info["food_left"] == 157
    first = play(env, 7, players.make_random_player(3))
    second = play(env, 7, players.make_random_player(3))
    assert first[0] == second[0] and first[2] == second[2]
    assert (first[1]["maze"] == second[1]["maze"]).all()
    assert env.reset()[1]["seed"] == 8


def batch_rows(env, games):
    """Rows 1..games of the batch runner, or of the driver's whole games without it."""
    chompsim = os.environ.get("CHOMPSIM")
    if chompsim and os.path.exists(chompsim):
        print(f"\ncomparing with the batch runner {chompsim}")
        out = os.path.join(os.environ.get("TMPDIR", "/tmp"), f"chomp_rows_{os.getpid()}.csv")
        subprocess.run([chompsim, "--config", CONFIG, "--games", str(games), "--seed", "1",
                        "--jobs", "1", "--csv", out], check=True, stdout=subprocess.DEVNULL)
        with open(out) as f:
            rows = list(csv.DictReader(f))
        os.remove(out)
        return rows
    print("\nno chompsim in this build: comparing with the driver's whole games (evaluate)")
    return chomp.evaluate(None, games=games, seed=1, env=env)["rows"]


def test_the_builtin_action_through_python_plays_the_batch_row(env):
    for row in batch_rows(env, 4):
        _, _, info = play(env, int(row["seed"]), lambda observation: env.builtin_action())
        assert (info["score"], info["moves"], info["food_left"], info["won"]) == \
            (int(row["score"]), int(row["moves"]), int(row["food_left"]), int(row["won"]) == 1)


def test_the_builtin_choice_keeps_up_with_a_game_steered_from_outside():
    # The greedy player steers first, with the built-in choice asked at every
    # step or never; the first game also builds the built-in player's graph.
    with chomp.Env(settings=NO_GHOSTS) as e:
        answers = []
        for ask in (True, False):
            observation, _ = e.reset(seed=2)
            for _ in range(60):
                if ask:
                    e.builtin_action()
                observation = e.step(players.greedy_player(observation))[0]
            answers.append([e.step(e.builtin_action())[4]["food_left"] for _ in range(50)])
        assert answers[0] == answers[1] and answers[0][-1] < answers[0][0]


def play_on(env, choose):
    chosen, done = [], False
    while not done:
        chosen.append(choose())
        done = any(env.step(chosen[-1])[2:4])
    return chosen


def finish(env):
    play_on(env, env.builtin_action)
    env.step(0)


BAD_INPUT = [
    ("action 4", lambda e: e.step(4), ValueError, "0 left, 1 up"),
    ("action -1", lambda e: e.step(-1), ValueError, "not -1"),
    ("action text", lambda e: e.step("left"), TypeError, "integer 0-3"),
    ("action float", lambda e: e.step(1.0), TypeError, "not float"),
    ("step after the end", finish, RuntimeError, "call reset"),
    ("seed 0", lambda e: e.reset(seed=0), ValueError, "seed must be"),
    ("unknown setting", lambda e: chomp.Env(settings={"speed": 3}), ValueError, "'speed'"),
    ("negative setting", lambda e: chomp.Env(settings={"fps": -1}), ValueError, "'fps'"),
    ("missing config", lambda e: chomp.Env(config="/no/such/config.txt"), FileNotFoundError, "not found"),
    ("second env", lambda e: chomp.Env(), RuntimeError, "already open"),
    ("ghost set", lambda e: chomp.evaluate(None, games=1, ghosts="red,blue", env=e), ValueError, "red,blue"),
    ("no games", lambda e: chomp.evaluate(None, games=0, env=e), ValueError, "games"),
    ("policy fails", lambda e: chomp.evaluate(lambda o: 1 / 0, games=1, env=e), ZeroDivisionError, ""),
    ("policy action", lambda e: chomp.evaluate(lambda o: 9, games=1, env=e), ValueError, "not 9"),
    ("numpy bool action", lambda e: e.step(np.True_), TypeError, "not bool"),
    ("seed beyond chompsim's", lambda e: e.reset(seed=2**31), ValueError, "2147483647"),
    ("series beyond", lambda e: chomp.evaluate(None, games=2, seed=2**31 - 1, env=e), ValueError, "2147483647"),
    ("bool games", lambda e: chomp.evaluate(None, games=True, env=e), TypeError, "not bool"),
    ("numpy bool setting", lambda e: chomp.Env(settings={"fps": np.bool_(1)}), TypeError, "'fps'"),
    ("config folder", lambda e: chomp.Env(config=ROOT), ValueError, "regular file"),
    ("config device", lambda e: chomp.Env(config="/dev/null"), ValueError, "regular file"),
    ("never made", lambda e: chomp.Env.__new__(chomp.Env).reset(seed=1), TypeError, "__init__"),
] + [(f"{name} inside evaluate", lambda e, call=call: chomp.evaluate(lambda o: call(e), games=1, env=e),
      RuntimeError, "evaluate") for name, call in [
    ("close", lambda e: e.close()), ("reset", lambda e: e.reset(seed=2)), ("step", lambda e: e.step(0)),
    ("evaluate", lambda e: chomp.evaluate(None, games=1, env=e))]]


@pytest.mark.parametrize("name,call,error,message", BAD_INPUT, ids=[case[0] for case in BAD_INPUT])
def test_bad_input_raises_and_the_process_plays_on(env, name, call, error, message):
    env.reset(seed=1)
    with pytest.raises(error, match=message):
        call(env)
    _, _, info = play(env, 1, lambda observation: env.builtin_action())
    assert info["score"] == chomp.evaluate(None, games=1, seed=1, env=env)["score_mean"]


def test_settings_are_read_from_a_copy_and_config_is_a_regular_file_read_once(tmp_path):
    os.mkfifo(tmp_path / "fifo")
    with pytest.raises(ValueError, match="regular file"):
        chomp.Env(config=str(tmp_path / "fifo"))
    config = tmp_path / "config.txt"
    config.write_text("red_ghost 0 green_ghost 0 orange_ghost 0 turquoise_ghost 0\n")
    with chomp.Env(config=str(config)) as e:
        config.unlink()  # every later game still has the settings it had when made
        chomp.evaluate(None, games=1, seed=1, env=e)
        assert (e.reset(seed=1)[0]["ghosts"][:, 5] == 0).all()
    settings = {}

    class Key(str):
        def __str__(self):
            settings.clear()
            return "fps"
    settings.update({Key("red_ghost"): np.int64(0), "green_ghost": np.int8(0), "orange_ghost": 0,
                     "turquoise_ghost": 0})
    with chomp.Env(settings=settings) as e:
        assert (e.reset(seed=1)[0]["ghosts"][:, 5] == 0).all()


def test_the_example_comparison_on_a_few_seeds(tmp_path):
    subprocess.run([sys.executable, os.path.join(ROOT, "examples", "compare.py"), "--games", "3",
                    "--jobs", "2", "--out", str(tmp_path)], check=True)
    builtin = chomp.evaluate(None, games=3, seed=1, ghosts="all")["rows"]
    for name in ("random", "greedy", "builtin"):
        with open(tmp_path / f"compare_{name}.csv") as f:
            assert f.readline().strip() == ",".join(chomp.CSV_FIELDS)
            rows = list(csv.DictReader(f, fieldnames=chomp.CSV_FIELDS))
        assert [int(row["seed"]) for row in rows] == [1, 2, 3]
    assert [int(row["score"]) for row in rows] == [row["score"] for row in builtin]


def test_the_observation_and_the_reward_hold_the_games_values():
    # Red alone: it starts active outside the house and not blue; the pill the
    # player eats turns it blue; every reward is the score gained by that step.
    with chomp.Env(settings={**NO_GHOSTS, "red_ghost": 1}) as e:
        observation, info = e.reset(seed=3)
        assert observation["ghosts"].tolist() == [[190, 232, 1, 0, 1, 1]] + [[-1, -1, -1, 0, 0, 0]] * 3
        score, rewards = 0, []
        while not observation["ghosts"][0][3]:
            observation, reward, terminated, truncated, info = e.step(e.builtin_action())
            assert not (terminated or truncated)
            rewards.append(reward)
            assert reward == info["score"] - score
            score = info["score"]
        assert (len(rewards), rewards[-1], score) == (57, 100, 580)
