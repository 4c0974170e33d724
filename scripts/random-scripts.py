#!/usr/bin/env python3
"""Writes random table scripts for trelvist-script, each with the settings file it starts from.

    random-scripts.py [--count N] [--seed S] OUTDIR

For script number i (1-based) it writes OUTDIR/NNNN.txt and, unless the game is to start
without a settings file, OUTDIR/NNNN.ini. Script i depends only on S and i, so a larger
count adds scripts without changing the earlier ones, and the same S always gives the same
bytes. Each script begins with a comment saying what it was made of (comments produce no
trace lines).

The scripts are meant for comparing two builds of the tool, not for checking results: they
press buttons at random, weighted towards playing hands, and start from settings that reach
the rarer paths (broke seats, a game about to end, limits the panel cannot set, odd values).
"""

import argparse
import os
import random
import sys

SEATS = ["freak", "player", "geek", "master", "champ", "pinhead", "expert", "robot"]
OPPONENTS = [s for s in SEATS if s != "player"]
PANEL_LEVELS = [400, 600, 800, 900]
PANEL_LIMITS = [(2, 4), (4, 8), (6, 12), (8, 16), (10, 20)]
INT32_MAX = 2**31 - 1
INT32_MIN = -(2**31)
# Starting settings after which a game usually ends within a few hands.
ENDS_SOON = ("short stacks", "medium stacks", "broke", "player broke", "everyone broke", "near target",
             "until", "odd until")


class Settings:
    """The values of a starting settings file; None leaves a key out of the file."""

    def __init__(self):
        self.sound = 1
        self.showdowns = 0
        self.handsplayed = 0
        self.handswon = 0
        self.cash = {seat: 1200 for seat in SEATS}
        self.until = 600
        self.initial = 1200
        self.back = 52
        self.comp = 400
        self.small = 4
        self.big = 8

    def sections(self):
        cash = [(seat, self.cash[seat]) for seat in SEATS]
        return [
            ("Settings", [("Sound", self.sound)]),
            ("Stats", [("showdowns", self.showdowns), ("handsplayed", self.handsplayed),
                       ("handswon", self.handswon)]),
            ("Cash", cash + [("until", self.until), ("initial", self.initial)]),
            ("Card", [("back", self.back)]),
            ("Levels", [("comp", self.comp)]),
            ("Bet", [("Small", self.small), ("Big", self.big)]),
        ]


def write_value(rng, value, odd_numbers):
    """A number as text; with odd_numbers, sometimes in another form the reader also takes."""
    if isinstance(value, str) or not odd_numbers:
        return str(value)
    roll = rng.random()
    if roll < 0.15 and value >= 0:
        return "+" + str(value)
    if roll < 0.30:
        return "0x%X" % (value & 0xFFFFFFFF)
    return str(value)


def settings_text(rng, settings, notes):
    """The file's text. Mostly the layout the game writes; sometimes altered in ways the reader
    must see through (case, blanks, CRLF, comments, extra keys) or must fall back from."""
    odd_layout = rng.random() < 0.25
    odd_numbers = odd_layout and rng.random() < 0.5
    newline = "\r\n" if odd_layout and rng.random() < 0.3 else "\n"
    sections = settings.sections()
    if odd_layout and rng.random() < 0.3:
        rng.shuffle(sections)
    if odd_layout:
        notes.append("odd layout")
    lines = []
    for section, keys in sections:
        name = section.lower() if odd_layout and rng.random() < 0.2 else section
        lines.append("[%s]" % name)
        if odd_layout and rng.random() < 0.15:
            lines.append("; kept by hand")
        for key, value in keys:
            if value is None:
                continue
            key_text = key.upper() if odd_layout and rng.random() < 0.1 else key
            eq = " = " if odd_layout and rng.random() < 0.2 else "="
            lines.append("%s%s%s" % (key_text, eq, write_value(rng, value, odd_numbers)))
            if odd_layout and rng.random() < 0.03:
                # A second copy of the key: the first one counts.
                lines.append("%s=%s" % (key, rng.choice(["1", "0", "77", "junk"])))
        if odd_layout and rng.random() < 0.1:
            lines.append("unknown=5")
        if odd_layout and rng.random() < 0.1:
            lines.append("")
    if odd_layout and rng.random() < 0.2:
        lines += ["[Window]", "left=10", "top=20"]
    text = newline.join(lines)
    if not (odd_layout and rng.random() < 0.2):
        text += newline
    return text


def random_settings(rng, notes):
    """The settings file to start from: None for no file, "" for an empty one."""
    roll = rng.random()
    if roll < 0.08:
        notes.append("no settings file")
        return None
    if roll < 0.11:
        notes.append("empty settings file")
        return ""
    s = Settings()
    if roll < 0.20:
        notes.append("default settings")
        return settings_text(rng, s, notes)

    # Stacks: the smaller they are, the sooner seats go broke and the game ends.
    stack = rng.random()
    if stack < 0.35:
        for seat in SEATS:
            s.cash[seat] = rng.randint(5, 150)
        notes.append("short stacks")
    elif stack < 0.55:
        base = rng.choice([100, 200, 300, 500])
        for seat in SEATS:
            s.cash[seat] = base + rng.randint(-base // 2, base // 2)
        notes.append("medium stacks")
    elif stack < 0.62:
        for seat in SEATS:
            s.cash[seat] = rng.randint(1, 5000)
        notes.append("mixed stacks")
    if rng.random() < 0.3:
        broke = rng.sample(OPPONENTS, rng.randint(1, 6))
        for seat in broke:
            s.cash[seat] = rng.choice([0, 0, -1, rng.randint(-100, -1)])
        notes.append("broke: " + ",".join(broke))
    if rng.random() < 0.05:
        s.cash["player"] = rng.choice([0, -1, rng.randint(-50, -1)])
        notes.append("player broke")
    if rng.random() < 0.02:
        for seat in SEATS:
            s.cash[seat] = rng.choice([0, -3])
        notes.append("everyone broke")
    if rng.random() < 0.03:
        seat = rng.choice(SEATS)
        s.cash[seat] = rng.choice([INT32_MAX, INT32_MAX - 3, INT32_MIN])
        notes.append("extreme cash: " + seat)

    if rng.random() < 0.5:
        s.initial = rng.choice([100, 150, 300, 500, 1200, 2000])
        s.until = rng.choice([10, 50, 100, 150, 300, 600, 600, 1000])
        if s.until < 100:
            notes.append("until %d" % s.until)
    if rng.random() < 0.02:
        s.until = rng.choice([0, -100, INT32_MAX])
        notes.append("odd until %d" % s.until)
    if rng.random() < 0.3:
        # One seat a small win away from the play-until target.
        seat = "player" if rng.random() < 0.5 else rng.choice(OPPONENTS)
        s.cash[seat] = s.initial + s.until - rng.randint(1, 40)
        notes.append("near target: " + seat)

    limits = rng.random()
    if limits < 0.5:
        s.small, s.big = rng.choice(PANEL_LIMITS)
    elif limits < 0.75:
        s.small, s.big = rng.choice([(3, 7), (6, 12), (1, 1), (5, 9), (25, 50), (50, 100), (1, 3)])
        notes.append("limits %d/%d" % (s.small, s.big))
    elif limits < 0.78:
        s.small, s.big = rng.choice([(0, 0), (-2, -4), (12, 6), (400, 800)])
        notes.append("odd limits %d/%d" % (s.small, s.big))

    back = rng.random()
    if back < 0.8:
        s.back = rng.randint(52, 59)
    else:
        s.back = rng.choice([0, 12, 51, 60, 75, -1])
        notes.append("back %d" % s.back)

    level = rng.random()
    if level < 0.8:
        s.comp = rng.choice(PANEL_LEVELS)
    else:
        s.comp = rng.choice([0, 1, 2, 100, 500, 1000, 2001, 5000, -7])
        notes.append("comp %d" % s.comp)

    s.sound = rng.choice([0, 1, 1])
    if rng.random() < 0.5:
        s.handsplayed = rng.randint(0, 500)
        s.handswon = rng.randint(0, s.handsplayed)
        s.showdowns = rng.randint(0, s.handsplayed)
    if rng.random() < 0.03:
        s.handsplayed = INT32_MAX
        s.showdowns = INT32_MAX
        notes.append("counts at the top")

    if rng.random() < 0.15:
        # Some keys missing: those fall back to a new game's values.
        for section, keys in s.sections():
            for key, _ in keys:
                if rng.random() < 0.2:
                    if section == "Cash" and key in s.cash:
                        s.cash[key] = None
                    else:
                        setattr(s, key.lower(), None)
        notes.append("keys missing")
    if rng.random() < 0.03:
        s.cash["player"] = "junk"
        notes.append("junk cash")
    return settings_text(rng, s, notes)


def box_text(rng, until):
    """What is typed into the money or until box."""
    # New takes whatever the money box holds, so mostly numbers it can start a game with.
    roll = rng.random()
    if roll < 0.7:
        # Accepted values; small ones make quick games.
        if until:
            return str(rng.choice([100, 100, 120, 150, 200, 300, 600, 1000, rng.randint(100, 5000)]))
        return str(rng.choice([100, 120, 150, 200, 300, 500, 1200, rng.randint(100, 3000), 1000000]))
    if roll < 0.82:
        return str(rng.choice([0, 1, 5, 50, 99, -5, -100, 1000001, 999999, 100000]))
    if roll < 0.9:
        return rng.choice(["", " ", "abc", "12a", "+", "-", "+300", "-0", "0x100", "1 2", " 150", "150 "])
    if roll < 0.97:
        return rng.choice(["1234567890", "9999999", "abcdefghijkl", "2147483648", "-2147483648",
                           "000000200", "100000000"])
    return rng.choice(["\u00e91234567", "\u20ac500", "12\u00b3", "\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9"])


def play_hand(rng, out):
    """The presses of one hand as a person might make them, then Deal. The game decides how
    long a hand lasts, so some presses will fall on disabled buttons."""
    # A hand played to the river takes four presses, more when opponents raise after the human.
    presses = rng.choices([1, 2, 3, 4, 5, 6], weights=[10, 12, 14, 44, 12, 8])[0]
    for _ in range(presses):
        roll = rng.random()
        if roll < 0.62:
            out.append("call")
        elif roll < 0.86:
            out.append("raise")
        else:
            out.append("fold")
            break
    if rng.random() < 0.05:
        out.append(rng.choice(["call", "raise", "fold"]))
    out.append("deal")


def panel_visit(rng, out):
    """Opens the options panel, makes a few changes, and mostly closes it again."""
    out.append("options")
    for _ in range(rng.randint(1, 6)):
        roll = rng.random()
        if roll < 0.2:
            text = box_text(rng, False)
            # A bare "money" empties the box as "money " does.
            out.append("money" if text == "" and rng.random() < 0.5 else "money " + text)
            if rng.random() < 0.7:
                out.append("enter")
        elif roll < 0.38:
            text = box_text(rng, True)
            out.append("until" if text == "" and rng.random() < 0.5 else "until " + text)
            if rng.random() < 0.7:
                out.append("unenter")
        elif roll < 0.43:
            out.append(rng.choice(["enter", "unenter"]))
        elif roll < 0.6:
            out.append(rng.choice(["up", "down"]))
        elif roll < 0.72:
            out.append("back %d" % rng.randint(0, 7))
        elif roll < 0.86:
            out.append("level %d" % rng.randint(0, 3))
        else:
            out.append("sound")
    close = rng.random()
    if close < 0.8:
        out.append("ok")
    elif close < 0.9:
        out.append("options")
    # else the panel stays open while play goes on


def random_script(rng, notes, ends_soon):
    lines = []
    if rng.random() < 0.9:
        lines.append("clock %d" % rng.choice([rng.getrandbits(32)] * 8 + [0, 4294967295]))
    early_refusal = rng.random() < 0.04
    if early_refusal:
        lines.append("writes fail")
        notes.append("writes refused at start")
    lines.append("start")
    if early_refusal:
        lines += [rng.choice(["deal", "call", "options", "repaint"]) for _ in range(rng.randint(0, 3))]
        lines.append("writes ok")

    # After a game over only New goes on, so a game likely to end soon gets it more often;
    # otherwise it mostly comes rarely, letting games run long.
    new_games = rng.choice([3, 5, 8, 12]) + (14 if ends_soon else 0)
    kinds = ["hand", "panel", "window", "new", "clock", "refusal", "hidden panel", "blank", "cr"]
    weights = [70, 10, 7, new_games, 2, 1.5, 3, 1, 1]
    target = rng.randint(100, 400)
    count = 0
    while count < target:
        before = len(lines)
        kind = rng.choices(kinds, weights)[0]
        if kind == "hand":
            play_hand(rng, lines)
        elif kind == "panel":
            panel_visit(rng, lines)
        elif kind == "window":
            lines.append(rng.choice(["advice", "advice", "about", "stats", "reset", "repaint", "repaint"]))
        elif kind == "new":
            lines.append("new yes" if rng.random() < 0.8 else "new no")
        elif kind == "clock":
            # Seeds New with another clock.
            lines.append("clock %d" % rng.getrandbits(32))
        elif kind == "refusal":
            lines.append("writes fail")
            for _ in range(rng.randint(1, 4)):
                lines.append(rng.choice(["deal", "call", "raise", "fold", "new yes", "options", "sound",
                                         "up", "ok", "reset"]))
            lines.append("writes ok")
        elif kind == "hidden panel":
            # A panel press with the panel most likely hidden.
            lines.append(rng.choice(["money 300", "until 200", "enter", "unenter", "up", "down",
                                     "back 3", "level 2", "sound", "ok"]))
        elif kind == "blank":
            lines.append(rng.choice(["", "   ", "# a note", "#"]))
        else:
            lines.append(rng.choice(["deal", "call", "raise", "fold"]) + "\r")
        count += sum(1 for line in lines[before:] if line.strip(" ") and not line.startswith("#"))

    if rng.random() < 0.03:
        # The tool stops at a line it cannot run.
        bad = rng.choice(["dance", "back 8", "level 4", "clock 4294967296", "clock -1", "start",
                          "new maybe", "deal now", "level"])
        lines.append(bad)
        notes.append("ends with a bad line")
        lines += ["deal", "call"]
    return lines


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("outdir")
    parser.add_argument("--count", type=int, default=300)
    parser.add_argument("--seed", type=int, default=1)
    args = parser.parse_args()
    os.makedirs(args.outdir, exist_ok=True)
    width = max(4, len(str(args.count)))
    for i in range(1, args.count + 1):
        # String seeds are hashed with SHA-512, the same on every platform and run.
        rng = random.Random("trelvist %d %d" % (args.seed, i))
        notes = []
        settings = random_settings(rng, notes)
        lines = random_script(rng, notes, any(n.startswith(ENDS_SOON) for n in notes))
        name = os.path.join(args.outdir, "%0*d" % (width, i))
        header = "# seed %d, script %d: %s\n" % (args.seed, i, "; ".join(notes) or "plain")
        with open(name + ".txt", "w", encoding="utf-8", newline="") as f:
            f.write(header + "".join(line + "\n" for line in lines))
        if settings is not None:
            with open(name + ".ini", "w", encoding="utf-8", newline="") as f:
                f.write(settings)
    return 0


if __name__ == "__main__":
    sys.exit(main())
