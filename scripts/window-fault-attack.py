#!/usr/bin/env python3
"""The settings file against kills and closes of the real window.

    scripts/window-fault-attack.py RUNS SEED [GAME]

Each run starts the game (GAME, by default build/app/trelvist) under its own Xvfb display with
openbox, on a settings file with small stacks so that "Game over" boxes come up in play, presses
random keys, and ends at a random moment: a kill, a kill while a box of a press is up, or the
table's close button pressed while a box is up. After a kill in a box the file must hold what
it held before that press; after a close the game must finish the press, store it and exit.
Every file must parse, and a restart must leave no temporary beside it. Prints the counts and
every fault; needs Xvfb, openbox, xdotool and wmctrl."""
import os, random, subprocess, sys, tempfile, time, configparser, signal, glob

APP = sys.argv[3] if len(sys.argv) > 3 else os.path.join(os.path.dirname(__file__), "..", "build", "app", "trelvist")
SEATS = ["player", "freak", "geek", "master", "champ", "pinhead", "expert", "robot"]
runs = int(sys.argv[1]); rng = random.Random(int(sys.argv[2]))

def sh(cmd, env):
    return subprocess.run(cmd, env=env, capture_output=True, text=True).stdout.strip()

def active(env):
    return sh(["xdotool", "getactivewindow", "getwindowname"], env)

def read_cash(path):
    """The eight seats' stored cash; raises when the file does not parse as the game writes it."""
    c = configparser.ConfigParser(strict=False); c.optionxform = str
    with open(path) as f: c.read_string(f.read())
    return [int(c["Cash"][s]) for s in SEATS]

counts = dict(killed=0, killed_in_box=0, closed_in_box=0, faulty=0, presses=0)
for run in range(runs):
    disp = 100 + run
    env = dict(os.environ, DISPLAY=f":{disp}")
    xv = subprocess.Popen(["Xvfb", f":{disp}", "-screen", "0", "1280x1024x24"], stderr=subprocess.DEVNULL)
    time.sleep(0.7)
    wm = subprocess.Popen(["openbox"], env=env, stderr=subprocess.DEVNULL)
    time.sleep(0.4)
    home = tempfile.mkdtemp(prefix="trelvist-attack-")
    env.update(XDG_CONFIG_HOME=home + "/c", XDG_DATA_HOME=home + "/d")
    ini = home + "/c/trelvist/trelvist.ini"
    os.makedirs(os.path.dirname(ini))
    stacks = [rng.choice([0, 1, 3, 10, 30, 60, 300]) for _ in SEATS]
    stacks[0] = rng.choice([60, 300, 1200])
    with open(ini, "w") as f:
        f.write("[Cash]\n" + "".join(f"{s}={v}\n" for s, v in zip(SEATS, stacks)) + "initial=60\nuntil=20\n")
    totals = {sum(stacks), 8 * 60}
    game = subprocess.Popen([APP], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1.2)
    deadline = time.time() + rng.uniform(0.3, 8.0)
    ending = "kill"
    before = None
    while time.time() < deadline:
        name = active(env)
        if "Game over" in name or "—" in name:
            r = rng.random()
            if r < 0.3: ending = "kill-in-box"; break
            # The start-up's box comes before the table is shown: there is no table to close then.
            if r < 0.6 and sh(["wmctrl", "-l"], env).count(" Trelvist\n") + sh(["wmctrl", "-l"], env).endswith(" Trelvist"):
                ending = "close-in-box"; break
            sh(["xdotool", "key", "Return"], env)
        elif name == "Trelvist":
            t0 = time.time()
            before = open(ini, "rb").read()
            sh(["xdotool", "key", rng.choice("dccrfd")], env)
            counts["presses"] += 1
        time.sleep(rng.uniform(0.0, 0.12))
    if ending == "close-in-box":
        sh(["wmctrl", "-F", "-c", "Trelvist"], env)   # the main window's close button
        for _ in range(40):                     # later boxes of the press are answered for us
            if game.poll() is not None: break
            time.sleep(0.1)
        if game.poll() is None:
            print(f"run {run}: still running after the window was closed in a box"); counts["faulty"] += 1
        elif open(ini, "rb").read() == before:
            print(f"run {run}: closed in a box, but the press was not stored"); counts["faulty"] += 1
        counts["closed_in_box"] += 1
    game.send_signal(signal.SIGKILL); game.wait()
    counts["killed_in_box" if ending == "kill-in-box" else "killed"] += ending != "close-in-box"
    try:
        read_cash(ini)
        # A box is up in the middle of the last press: the file holds what it held before it.
        if ending == "kill-in-box" and before is not None and open(ini, "rb").read() != before:
            counts["faulty"] += 1; print(f"run {run}: killed in a box, file is not the state before the press")
    except Exception as e:
        counts["faulty"] += 1; print(f"run {run}: unreadable file: {e}")
    # A restart clears what the killed run left beside the file.
    game = subprocess.Popen([APP], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1.2)
    for _ in range(6):
        name = active(env)
        sh(["xdotool", "key", "Return" if "—" in name else "f"], env); time.sleep(0.25)
    game.kill(); game.wait()
    left = [p for p in glob.glob(ini + ".tmp.*") if not p.startswith(f"{ini}.tmp.{game.pid}.")]
    if left: counts["faulty"] += 1; print(f"run {run}: stray temporaries after restart: {left}")
    wm.kill(); xv.terminate(); xv.wait()
print(counts)
sys.exit(1 if counts["faulty"] else 0)
