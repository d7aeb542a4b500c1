"""The chomp module: seeded games, the built-in player through Python, bad
input, and the example comparison."""
import concurrent.futures
import csv
import io
import multiprocessing
import os
import subprocess
import sys
import textwrap

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


def batch_rows(games, seed=1, *args):
    """Rows of the batch runner, played in the source folder (its data/config.txt by
    default), or of the driver's whole games without it."""
    chompsim = os.environ.get("CHOMPSIM")
    if chompsim and os.path.exists(chompsim):
        out = os.path.join(os.environ.get("TMPDIR", "/tmp"), f"chomp_rows_{os.getpid()}.csv")
        subprocess.run([chompsim, "--games", str(games), "--seed", str(seed), "--jobs", "1", "--csv", out, *args],
                       check=True, stdout=subprocess.DEVNULL, cwd=ROOT)
        with open(out) as f:
            rows = [{key: value if key in ("caught_by", "settings", "player") else int(value) if value else None
                     for key, value in row.items()} for row in csv.DictReader(f)]
        os.remove(out)
        return rows
    print("\nno chompsim in this build: comparing with the driver's whole games (evaluate)")
    return chomp.evaluate(None, games=games, seed=seed, config=None if "--no-config" in args else CONFIG)["rows"]


def test_one_seed_is_one_game_in_chompsim_env_evaluate_and_the_replay(monkeypatch):
    # Every tool, started in the source folder, plays under its data/config.txt;
    # seed 21 is a short game, so its replay at the configured pace is too.
    monkeypatch.chdir(ROOT)
    rows = batch_rows(4, 21)
    with chomp.Env() as e:
        infos = [play(e, seed, lambda observation: e.builtin_action())[2] for seed in range(21, 25)]
        evaluated = chomp.evaluate(None, games=4, seed=21, env=e)
        asked = chomp.evaluate(lambda observation: chomp.builtin_action(), games=4, seed=21, env=e)
        assert rows[0]["settings"] == e.settings_digest == evaluated["settings"]
    assert [{key: info[key] for key in chomp.CSV_FIELDS} for info in infos] == rows == evaluated["rows"] \
        == asked["rows"]
    summary = {key: value for key, value in evaluated.items() if key != "rows"}
    assert chomp.summarize(infos) == summary == chomp.summarize(rows)
    game = os.path.join(os.path.dirname(os.environ.get("CHOMPSIM", "")), "chompgame")
    if not os.path.exists(game):
        pytest.skip("no chompgame in this build for the replay")
    replay = subprocess.run([os.path.join(ROOT, "scripts", "replay"), "21"], capture_output=True, text=True,
                            env={**os.environ, "CHOMPGAME": game, "REPLAY_HOLD": "0"}, cwd=ROOT, timeout=120)
    row = rows[0]
    assert replay.stdout.split("\n")[-2] == " ".join(
        str(row[key]) for key in ("won", "red", "orange", "green", "turquoise", "score")), replay.stderr
    # Without the file every tool plays the built-in defaults, and says so by the digest.
    with chomp.Env(config=None) as e:
        assert batch_rows(1, 21, "--no-config")[0]["settings"] == e.settings_digest != rows[0]["settings"]


def test_summaries_of_different_settings_are_refused():
    rows = chomp.evaluate(None, games=1, config=None)["rows"] + \
        chomp.evaluate(None, games=1, config=None, settings={"fps": 30})["rows"]
    with pytest.raises(ValueError, match="different settings"):
        chomp.summarize(rows)


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
    ("player out of range", lambda e: chomp.Env(player={"localRadius": 0}), ValueError, "from 1 to 22"),
    ("unknown player parameter", lambda e: chomp.Env(player="bogus=1"), ValueError, "'bogus'"),
    ("player beside env", lambda e: chomp.evaluate(None, games=1, env=e, player="localRadius=6"), ValueError, "Env"),
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


def test_a_variants_rows_name_it_and_compare_pairs_them_with_the_defaults():
    base = chomp.evaluate(None, games=30, seed=1, ghosts="all")
    wide = chomp.evaluate(None, games=30, seed=1, ghosts="all", player={"localRadius": 6})
    assert {row["player"] for row in base["rows"]} == {"default"}
    assert {row["player"] for row in wide["rows"]} == {"localRadius=6"}
    assert all((row["caught_col"] is None) == (row["caught_by"] == "") for row in wide["rows"])
    with chomp.Env(player="localRadius=6") as e:
        assert chomp.evaluate(None, games=30, seed=1, ghosts="all", env=e)["rows"] == wide["rows"]
    [figures] = chomp.compare(base["rows"], wide["rows"])
    assert figures["pairs"] == 30
    assert figures["won_diff"] == pytest.approx(wide["won_percent"] - base["won_percent"])
    assert figures["only_b"] - figures["only_a"] == sum(r["won"] for r in wide["rows"]) - sum(r["won"] for r in base["rows"])
    other = [dict(row, settings="0" * 16) for row in wide["rows"]]
    with pytest.raises(ValueError, match="other settings"):
        chomp.compare(base["rows"], other)
    assert chomp.compare(base["rows"], other, settings_differ=True) == [figures]


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


def test_render_draws_the_game_windows_picture_and_the_analysis_beside_it(monkeypatch):
    monkeypatch.chdir(ROOT)  # the sprites of data/
    frames = []
    for analysis in (False, True):
        with chomp.Env(render_mode="rgb_array", render_analysis=analysis) as e:
            observation, _ = e.reset(seed=1)
            for _ in range(30):
                observation = e.step(e.builtin_action())[0]
            frames.append(e.render())
            e.step(e.builtin_action())
            assert (frames[-1] != e.render()).any()
    game, both = frames
    assert game.shape == (460, 380, 3) and game.dtype == np.uint8 and both.shape == (460, 760, 3)
    assert (both[:, :380] == game).all()
    # World (x, y), y up from the status line's top, is row 439 - y: the
    # bottom wall runs along y 10; the chomper's yellow is at its centre in
    # the game, and its cell's mark in the analysis.
    x, y, _ = observation["chomper"]
    for picture in (game, both[:, 380:]):
        assert picture[439 - 10, 100].tolist() == [0, 0, 255]
        r, g, b = picture[439 - y, x].tolist()
        assert r > 200 and g > 180 and b < 60
    with chomp.Env() as e:
        e.reset(seed=1)
        assert e.render() is None and e.render_mode is None
    for mode, analysis in (("human", False), (None, True)):
        with pytest.raises(ValueError, match="render_"):
            chomp.Env(render_mode=mode, render_analysis=analysis)


def test_a_process_pool_gives_the_rows_of_one_process():
    one = chomp.evaluate(players.greedy_player, games=5, seed=3, config=CONFIG)
    with concurrent.futures.ProcessPoolExecutor(2, mp_context=multiprocessing.get_context("spawn"),
                                                initializer=sys.path.insert,
                                                initargs=(0, os.path.join(ROOT, "examples"))) as pool:
        spread = chomp.evaluate(players.greedy_player, games=5, seed=3, config=CONFIG, executor=pool, chunk=2)
        builtin = chomp.evaluate(None, games=3, seed=3, config=CONFIG, executor=pool, chunk=1)
    assert table_text(spread["rows"]) == table_text(one["rows"])
    assert spread == one
    assert builtin["rows"] == chomp.evaluate(None, games=3, seed=3, config=CONFIG)["rows"]
    # Forked workers inherit the parent's open Env, and open their own beside it.
    with chomp.Env(config=CONFIG) as e, concurrent.futures.ProcessPoolExecutor(
            2, mp_context=multiprocessing.get_context("fork")) as pool:
        assert chomp.evaluate(players.greedy_player, games=5, seed=3, env=e, executor=pool, chunk=2) == one


def table_text(rows):
    out = io.StringIO()
    writer = csv.DictWriter(out, fieldnames=chomp.CSV_FIELDS, lineterminator="\n")
    writer.writerows(rows)
    return out.getvalue()


def test_the_default_configuration_is_data_config_of_the_working_folder(tmp_path, monkeypatch):
    monkeypatch.chdir(tmp_path)
    with chomp.Env() as e:  # no data/config.txt here: every built-in default
        defaults = e.settings_text
    os.mkdir("data")
    (tmp_path / "data" / "config.txt").write_text(
        "red_ghost 0 green_ghost 0 orange_ghost 0 turquoise_ghost 0 fps 60\n")
    with chomp.Env() as e:
        assert (e.reset(seed=1)[0]["ghosts"][:, 5] == 0).all() and "fps 60\n" in e.settings_text
    with chomp.Env(config=None) as e:
        assert e.settings_text == defaults and "fps 5\n" in defaults
    with pytest.raises(FileNotFoundError):
        chomp.Env(config="data/missing.txt")


def test_the_source_folders_package_names_the_build_command_when_nothing_is_built(tmp_path):
    package = tmp_path / "python" / "chomp"
    package.mkdir(parents=True)
    with open(os.path.join(ROOT, "python", "chomp", "__init__.py")) as f:
        (package / "__init__.py").write_text(f.read())
    result = subprocess.run([sys.executable, "-c", "import chomp"], capture_output=True, text=True,
                            env={**os.environ, "PYTHONPATH": str(tmp_path / "python")})
    assert result.returncode != 0 and "scripts/python" in result.stderr.splitlines()[-1]


def test_the_readme_python_section_as_a_newcomer_follows_it(tmp_path):
    # The module of this build stands in for the README's build command: a
    # Release build from nothing takes minutes. Everything else runs as written,
    # from the source folder, with no PYTHONPATH: the examples find the module.
    with open(os.path.join(ROOT, "README.md")) as f:
        readme = f.read()
    section = readme[readme.index("## Your own player in Python"):]
    example = section[section.index("    import chomp"):section.index("\n\n", section.index("    import chomp"))]
    environment = {key: value for key, value in os.environ.items() if key != "PYTHONPATH"}
    paste = subprocess.run([sys.executable, "-c", "import sys; sys.path.append('python')\n" +
                            textwrap.dedent(example)], capture_output=True, text=True, cwd=ROOT, env=environment)
    assert paste.returncode == 0, paste.stderr
    assert "'settings':" in paste.stdout
    compare = subprocess.run(["examples/compare.py", "--games", "3", "--jobs", "2", "--out", str(tmp_path)],
                             capture_output=True, text=True, cwd=ROOT, env=environment)
    assert compare.returncode == 0, compare.stderr
    builtin = chomp.evaluate(None, games=3, seed=1, config=CONFIG)
    lines = compare.stdout.splitlines()
    assert [line.split()[0] for line in lines[1:]] == ["random", "greedy", "builtin"]
    assert f"{builtin['won_percent']:6.1f}" in lines[3] and lines[3].endswith(builtin["settings"])
    for name in ("random", "greedy", "builtin"):
        with open(tmp_path / f"compare_{name}.csv") as f:
            assert f.readline().strip() == ",".join(chomp.CSV_FIELDS)
            assert [int(row["seed"]) for row in csv.DictReader(f, fieldnames=chomp.CSV_FIELDS)] == [1, 2, 3]
    assert (tmp_path / "compare.png").read_bytes()[:8] == b"\x89PNG\r\n\x1a\n"


def test_the_builtin_view_is_what_the_builtin_player_decides_on():
    views = []

    def policy(observation):
        views.append((observation, chomp.builtin_view()))
        return views[-1][1]["action"]
    alone = {**NO_GHOSTS, "red_ghost": 1}
    assert chomp.evaluate(policy, games=1, seed=4, settings=alone)["rows"] == \
        chomp.evaluate(None, games=1, seed=4, settings=alone)["rows"]
    steps = {0: (0, -1), 1: (-1, 0), 2: (0, 1), 3: (1, 0)}
    for observation, view in views[:200]:
        row, col = players.chomper_cell(observation)
        if len(view["route"]):
            dr, dc = steps[view["action"]]
            assert view["route"][0].tolist() == [row + dr, (col + dc) % 19]
        assert [path.shape[1:] for path in view["ghost_paths"]] == [(2,)] * 4
        assert [len(path) for path in view["ghost_paths"][1:]] == [0, 0, 0]
        assert view["cost"].shape == view["bonus"].shape == (22, 19)
    assert any(len(view["ghost_paths"][0]) for _, view in views)
    assert any(view["cost"].any() for _, view in views) and any(len(view["route"]) for _, view in views)


DIRECTION_NAMES = ["left", "up", "right", "down"]


def trace_row(observation, info, leaving):
    """The trace table's row of a decision point, from what Python saw there."""
    x, y, _ = observation["chomper"]
    row = [info["moves"], (x - 10) // 20, (y - 10) // 20, DIRECTION_NAMES[leaving], info["score"],
           info["food_left"]]
    for gx, gy, direction, blue, _, present in observation["ghosts"]:
        row += [(gx - 10) // 20, (gy - 10) // 20, DIRECTION_NAMES[direction], blue] if present else [""] * 4
    return [str(v) for v in row] + ["attack" if observation["attack"] else "scatter"]


def test_a_game_steered_from_python_plays_again_from_its_record_to_the_same_outcome_and_trace(env, tmp_path):
    chomprecord = os.environ.get("CHOMPRECORD")
    if not chomprecord:
        pytest.skip("the build has no chomprecord")
    observation, info = env.reset(seed=4)
    seen, done, n = [], False, 0
    while not done:
        # Every fifth decision a turn of its own, else the built-in choice.
        action = (n // 5) % 4 if n % 5 == 0 else env.builtin_action()
        before = (observation, info)
        observation, _, terminated, truncated, info = env.step(action)
        seen.append(trace_row(*before, observation["chomper"][2]))
        done, n = terminated or truncated, n + 1
    record = tmp_path / "python.rec"
    assert env.record(str(record)) == record.read_text()
    trace = tmp_path / "trace.csv"
    out = subprocess.run([chomprecord, "--trace", str(trace), str(record)], check=True, capture_output=True,
                         text=True).stdout
    assert f"lost, {info['score']} points in {info['moves']} moves, {n} decisions, played by python, seed 4" in out
    with open(trace, newline="") as table:
        rows = list(csv.reader(table))
    assert rows[0][:6] == ["move", "col", "row", "direction", "score", "food_left"] and rows[0][-1] == "phase"
    assert rows[1:] == seen
    # A record kept in the middle of a game plays again up to there.
    env.reset(seed=4)
    for _ in range(30):
        env.step(env.builtin_action())
    middle = tmp_path / "middle.rec"
    env.record(str(middle))
    assert "stopped" in subprocess.run([chomprecord, str(middle)], check=True, capture_output=True, text=True).stdout


def test_evaluate_keeps_the_records_it_is_asked_for(env):
    result = chomp.evaluate(None, games=4, seed=1, env=env, keep="lost")
    lost = {row["seed"] for row in result["rows"] if not row["won"] and not row["unended"]}
    assert set(result["records"]) == lost and lost
    assert all("\nplayer builtin\n" in text for text in result["records"].values())
    assert set(chomp.evaluate(lambda o: 0, games=3, seed=5, env=env, keep=[6])["records"]) == {6}
    with pytest.raises(ValueError):
        chomp.evaluate(None, games=1, env=env, keep="some")
