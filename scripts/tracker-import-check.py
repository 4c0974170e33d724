#!/usr/bin/env python3
"""Reads the game's history files with fpdb's PokerStars importer, hand by hand, and checks the
money of every hand it takes.

    tracker-import-check.py [--zone ZONE] [--list] FPDB_DIR PATH...

FPDB_DIR is a checkout of fpdb (the folder holding fpdb_3_legacy/); nothing of it is kept here.
Its Python needs pytz, defusedxml and colorlog, and its logging module imports PySide6: without
Qt, put a stand-in PySide6 package on PYTHONPATH (see the README). PATH is a history file or a
folder of them (trelvist-*.txt, searched below it).

For each hand it reports whether the importer took it or refused it (with the importer's
reason), and whether the money reconciles as the importer read it:
  pot     the chips collected plus the rake make the total pot, and the chips the players put
          in plus the chips no player put in make it too;
  net     each player's net is what it collected less what it put in, and its stack at the
          start plus its net is its stack at the end;
  chain   each seat starts the next hand of its table (the next hand number) with the stack it
          ended this one with;
  time    the importer's time of the hand is the local time written in its header (--zone, by
          default the TZ of this process, or UTC). Summer hands after 2037 are counted apart:
          the importer's zone data has no US daylight time after 2037.
It exits with 1 if any hand is refused or any check fails.
"""

import argparse
import datetime
import logging
import os
import re
import sys
from collections import Counter
from decimal import Decimal

SEAT_LINE = re.compile(r"^Seat (\d+): (.+?) \((-?\d+) in chips\)", re.MULTILINE)
HEADER_TIME = re.compile(r" - (\d{4})/(\d\d)/(\d\d) (\d+):(\d\d):(\d\d) (\S+) \[")


class HeadlessConfig:
    """The few settings the converter asks its configuration for."""

    def get_import_parameters(self):
        return {"importFilters": [], "saveActions": True, "callFpdbHud": False, "cacheSessions": False,
                "publicDB": False, "saveStarsHH": False}

    def get_site_id(self, sitename):
        return 32


class ErrorCatcher(logging.Handler):
    """Keeps the importer's error messages: its exceptions often carry none."""

    def __init__(self):
        super().__init__(logging.ERROR)
        self.messages = []

    def emit(self, record):
        self.messages.append(record.getMessage().splitlines()[0])


def load_importer(fpdb_dir):
    sys.path.insert(0, os.path.abspath(fpdb_dir))
    logging.disable(logging.WARNING)  # quiet, yet errors still reach the catcher below
    from fpdb_3_legacy import PokerStarsToFpdb  # noqa: E402 (import after the path is set)
    return PokerStarsToFpdb.PokerStars


def history_files(paths):
    for path in paths:
        if os.path.isdir(path):
            for root, _, names in os.walk(path):
                for name in sorted(names):
                    if name.startswith("trelvist-") and name.endswith(".txt"):
                        yield os.path.join(root, name)
        else:
            yield path


def header_time(text, zone):
    """The header's local time as a moment, or None if it cannot be placed in `zone`."""
    from zoneinfo import ZoneInfo

    m = HEADER_TIME.search(text)
    if not m:
        return None
    y, mo, d, h, mi, s = (int(x) for x in m.groups()[:6])
    abbreviation = m.group(7)
    tz = ZoneInfo(zone)
    for fold in (0, 1):
        moment = datetime.datetime(y, mo, d, h, mi, s, tzinfo=tz, fold=fold)
        if moment.tzname() == abbreviation:
            return moment.astimezone(datetime.timezone.utc)
    return None


def check_hand(hand, text, zone):
    """The failed checks of an imported hand, and each seat's stack at its start and end."""
    problems = []
    collected = sum((Decimal(v) for v in hand.collectees.values()), Decimal(0))
    rake = Decimal(hand.rake or 0)
    total = Decimal(hand.totalpot)
    if collected + rake != total:
        problems.append(f"pot: collected {collected} + rake {rake} != total pot {total}")
    put_in = sum(hand.pot.committed.values()) + sum(hand.pot.common.values()) + Decimal(hand.pot.stp)
    if put_in != total:
        problems.append(f"pot: chips put in {put_in} (of which not by a player {hand.pot.stp}) != total pot {total}")

    # Every seat line, with the importer's reading where it has one.
    start = {name: int(chips) for _, name, chips in SEAT_LINE.findall(text.split("*** SUMMARY ***")[0])}
    end = dict(start)
    for _, name, chips, *_ in hand.players:
        if Decimal(chips) != start.get(name):
            problems.append(f"net: {name} starts with {chips} for the importer, {start.get(name)} in the text")
    for name, committed in hand.pot.committed.items():
        won = Decimal(hand.collectees.get(name, 0))
        returned = Decimal(hand.pot.returned.get(name, 0))
        net = won + returned - committed
        # The importer takes every chip of a seat's actions off its stack as it reads them.
        if Decimal(start[name]) + net != hand.stacks[name] + won + returned:
            problems.append(f"net: {name} ends with {hand.stacks[name] + won + returned}, "
                            f"not start {start[name]} + net {net}")
        end[name] = start[name] + int(net)

    if zone:
        written = header_time(text, zone)
        read = hand.startTime
        if read.tzinfo is None:
            read = read.replace(tzinfo=datetime.timezone.utc)
        if written is None:
            problems.append("time: the header's local time is not a time of zone " + zone)
        elif written != read:
            # pytz's US Eastern data ends in 2037; after it the importer reads every Eastern
            # time as standard time, an hour late in summer. That is the importer's reading,
            # not the file's, so it is counted apart.
            late = read - written == datetime.timedelta(hours=1) and written.year >= 2038
            problems.append(f"{'time after 2037' if late else 'time'}: read as {read.isoformat()}, "
                            f"written as {written.isoformat()}")
    return problems, start, end


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("fpdb_dir")
    parser.add_argument("paths", nargs="+")
    parser.add_argument("--zone", default=os.environ.get("TZ", "UTC").lstrip(":") or "UTC",
                        help="the time zone the files were written in; empty to skip the time check")
    parser.add_argument("--list", action="store_true", help="one line per hand, also for the good ones")
    args = parser.parse_args()

    PokerStars = load_importer(args.fpdb_dir)
    catcher = ErrorCatcher()
    logging.getLogger().addHandler(catcher)
    config = HeadlessConfig()

    counts = Counter()
    reasons = Counter()
    failures = Counter()
    for path in history_files(args.paths):
        converter = PokerStars(config, in_path=path, out_path="-", autostart=False)
        previous = None  # (hand number, table, stacks at its end)
        for text in converter.allHandsAsList():
            counts["hands"] += 1
            number = re.search(r"Hand #(\d+):", text)
            label = f"{path} #{number.group(1) if number else '?'}"
            del catcher.messages[:]
            try:
                hand = converter.processHand(text)
            except Exception as error:  # the importer's refusal, whatever its kind
                # The importer often raises a bare error after logging why, or from the error
                # that stopped it.
                cause = error.__context__
                reason = str(error).strip("'") or (catcher.messages[-1] if catcher.messages else "")
                if not reason and cause is not None:
                    reason = f"{type(cause).__name__} {cause}"
                reason = f"{type(error).__name__}: {reason}"
                counts["refused"] += 1
                # Grouped by the reason alone, without the hand's text the importer quotes.
                reasons[re.sub(r"\d+", "N", reason.split(' - "')[0])[:120]] += 1
                print(f"{label}: refused: {reason}")
                previous = None
                continue
            counts["imported"] += 1
            problems, start, end = check_hand(hand, text, args.zone)
            if previous and previous[0] + 1 == int(hand.handid) and previous[1] == hand.tablename:
                for name, chips in start.items():
                    if name in previous[2] and previous[2][name] != chips:
                        problems.append(f"chain: {name} starts with {chips}, ended the last hand with "
                                        f"{previous[2][name]}")
                counts["chained"] += 1
            previous = (int(hand.handid), hand.tablename, end)
            notes = [p for p in problems if p.startswith("time after 2037")]
            problems = [p for p in problems if p not in notes]
            for note in notes:
                failures["time after 2037 (importer's zone data)"] += 1
                if args.list:
                    print(f"{label}: note: {note}")
            if problems:
                counts["unreconciled"] += 1
                for problem in problems:
                    failures[problem.split(":")[0]] += 1
                print(f"{label}: imported, does not reconcile: " + "; ".join(problems))
            else:
                counts["reconciled"] += 1
                if args.list:
                    print(f"{label}: imported, reconciles")

    print(f"{counts['hands']} hands: {counts['imported']} imported, {counts['refused']} refused; "
          f"{counts['reconciled']} reconcile, {counts['unreconciled']} do not; "
          f"{counts['chained']} stack chains checked")
    for reason, n in reasons.most_common():
        print(f"  refused {n}: {reason}")
    for check, n in failures.most_common():
        print(f"  {'off' if 'after 2037' in check else 'failed'} {n}: {check}")
    return 0 if counts["refused"] == 0 and counts["unreconciled"] == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
