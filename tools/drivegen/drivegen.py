#!/usr/bin/env python3
"""Synthetic drive data of any size, for tests and benchmarks.

Command line:
  drivegen.py --out DIR [--seed N] [--parameters N] [--menus N] [--trips N]
              [--languages N] [--max-help-lines N]

  --out DIR            folder to write into (created when missing)
  --seed N             random seed (default 1); the same seed and options give the same bytes
  --parameters N       parameters in all (default 600, at most 8192, the model's capacity)
  --menus N            menus (default: enough for at most 60 parameters each; each menu
                       holds at most 100 parameters, numbered from 0; menu numbers from 0)
  --trips N            trips mapped onto parameters (default 40)
  --languages N        reference languages, 1 to 6 (default 6)
  --max-help-lines N   help texts have 1 to N lines (default 5)
  --mode-variation P   chance that a mode has texts of its own instead of the parameter's
                       (default 0.4); with 0 every mode shares them, which keeps the largest
                       sets within the keypad database's 16,385 stored strings

Writes, in DIR:
  kpdconf.kpx          the configuration: languages Lang0 "English", Lang1.. "Lang1"..,
                       the custom set "Custom"; modes mode2..mode5; the menus (15, 16 and
                       17, when present, with option-module modes of their own, the last
                       menu hidden); the trips
  modeConstants.kpc    limits, defaults, decimal places, units per mode; some modes not
                       defined, some text defaults
  <key>.kpl            one reference file per language, and Custom.kpl
  custom.kpd           the custom set filled, as a user's keypad data file

Texts use the keypad's escaped form: "~M" separates the two description lines and the
lines of a help text. Descriptions fit two lines of 16 cells; a first line that fills all
16 cells is followed by the second without "~M" (see display_lines).
"""

import argparse
import math
import os
import random
import sys

MODES = [("mode2", "Open loop"), ("mode3", "Closed loop"), ("mode4", "Servo"), ("mode5", "Regen")]
OPTION_MODES = [("mode2", "Opt Open loop"), ("mode3", "Opt Closed loop"),
                ("mode4", "Opt Servo"), ("mode5", "Opt Regen")]
MAX_PARAMETERS = 8192

SYLLABLES = [
    "ra", "mo", "tor", "spe", "ed", "cur", "rent", "vol", "tage", "lim", "it", "ramp", "ac", "cel",
    "de", "ref", "er", "ence", "gain", "in", "te", "gral", "pro", "por", "tion", "al", "fil", "ter",
    "time", "out", "put", "sta", "tus", "trip", "flux", "field", "brake", "en", "co", "der", "pul",
    "ses", "sca", "ling", "off", "set", "se", "lect", "mode", "fre", "quen", "cy", "pha", "se", "bus",
]


class Writer:
    """The keypad data vocabulary, laid out as the editor writes it."""

    def __init__(self):
        self.lines = []

    @staticmethod
    def escape(text, attribute=False):
        text = text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
        return text.replace('"', "&quot;") if attribute else text

    def line(self, depth, text):
        self.lines.append("\t" * depth + text)

    def element(self, depth, name, attrs, text=None):
        a = "".join(' %s="%s"' % (k, self.escape(v, True)) for k, v in attrs)
        if text:
            self.line(depth, "<%s%s>%s</%s>" % (name, a, self.escape(text), name))
        else:
            self.line(depth, "<%s%s/>" % (name, a))

    def open(self, depth, name, attrs):
        a = "".join(' %s="%s"' % (k, self.escape(v, True)) for k, v in attrs)
        self.line(depth, "<%s%s>" % (name, a))

    def close(self, depth, name):
        self.line(depth, "</%s>" % name)

    def text(self):
        return "\n".join(self.lines) + "\n"


VOCABULARY_SIZE = 3000


def vocabulary(syllables, seed):
    """A language's words: a fixed list, as a real drive's texts reuse a bounded vocabulary
    (the keypad database holds at most 20,000 distinct words)."""
    rng = random.Random(seed)
    words = []
    seen = set()
    while len(words) < VOCABULARY_SIZE:
        candidate = "".join(rng.choice(syllables) for _ in range(rng.randint(1, 3)))
        if candidate not in seen:
            seen.add(candidate)
            words.append(candidate)
    return words


def word(rng, words):
    # Squaring the draw makes the first words of the list the common ones.
    return words[int(len(words) * rng.random() ** 2)]


def phrase(rng, words, width):
    """Words up to `width` characters."""
    out = word(rng, words)[:width]
    while True:
        nxt = word(rng, words)
        if len(out) + 1 + len(nxt) > width:
            return out
        out += " " + nxt


def display_lines(lines, width=16):
    """Joins lines of plain text (one cell per character) into one escaped text for a box
    `width` cells wide. A full line already moves the box on to the next line, so a "~M"
    after it would take a line of its own: an empty line that pushes a two-line description
    to three lines, and the box then refuses every keystroke."""
    text = lines[0]
    for before, line in zip(lines, lines[1:]):
        text += ("" if len(before) >= width else "~M") + line
    return text


def description(rng, words):
    first = phrase(rng, words, 16).capitalize()
    if rng.random() < 0.3:
        return first
    return display_lines([first, phrase(rng, words, 16)])


def help_text(rng, words, max_lines):
    lines = [phrase(rng, words, rng.randint(20, 40)) for _ in range(rng.randint(1, max_lines))]
    return "~M".join(line.capitalize() + "." for line in lines)


def language_words(index, seed):
    if index == 0:
        return vocabulary(SYLLABLES, seed)
    rng = random.Random(seed * 31 + index)
    return vocabulary([s + rng.choice("aeiou") for s in SYLLABLES], seed * 31 + index)


class Drive:
    def __init__(self, args):
        self.rng = random.Random(args.seed)
        self.args = args
        n = args.parameters
        self.menu_count = args.menus or max(1, math.ceil(n / 60))
        if self.menu_count * 100 < n:
            sys.exit("drivegen: %d menus cannot hold %d parameters (100 each at most)" % (self.menu_count, n))
        if self.menu_count > 256:
            sys.exit("drivegen: at most 256 menus")
        base, extra = divmod(n, self.menu_count)
        self.menus = []
        for m in range(self.menu_count):
            count = base + (1 if m < extra else 0)
            params = [(p, phrase(self.rng, SYLLABLES, 12).title()) for p in range(count)]
            self.menus.append((m, phrase(self.rng, SYLLABLES, 14).title(), params))
        with_params = [(m, p) for m, _, ps in self.menus for p, _ in ps]
        self.trips = []
        for t in range(min(args.trips, len(with_params))):
            m, p = self.rng.choice(with_params)
            self.trips.append((t + 1, phrase(self.rng, SYLLABLES, 12).title(), m, p))
        self.trips.sort(key=lambda t: (t[2], t[0]))
        self.languages = ["English"] + ["Lang%d" % i for i in range(1, args.languages)]

    def modes_of(self, menu):
        return OPTION_MODES if 15 <= menu <= 17 else MODES

    def configuration(self):
        w = Writer()
        w.open(0, "keypadToolData", [("version", "10500"), ("recMaxHelpChars", "160"),
                                     ("custom", "cust"), ("base", "65536")])
        names = [("Lang%d" % i, key) for i, key in enumerate(self.languages)] + [("cust", "Custom")]
        w.element(1, "dbNames", names)
        w.element(1, "modes", MODES)
        w.open(1, "root", [("name", "Synthetic drive")])
        for number, name, params in self.menus:
            attrs = [("name", name), ("nmbr", str(number))]
            if number == 15:
                attrs.append(("cloneable", "16 17"))
            if number == self.menu_count - 1 and self.menu_count > 1:
                attrs.append(("hide", "true"))
            w.open(2, "menu", attrs)
            if 15 <= number <= 17:
                w.element(3, "modes", OPTION_MODES)
            for p, pname in params:
                w.element(3, "para", [("name", pname), ("nmbr", str(p))])
            w.close(2, "menu")
        w.open(2, "trips", [("name", "Trips")])
        for t, tname, m, p in self.trips:
            w.element(3, "trip", [("name", tname), ("nmbr", str(t)), ("mapMen", str(m)), ("mapPar", str(p))])
        w.close(2, "trips")
        w.close(1, "root")
        w.close(0, "keypadToolData")
        return w.text()

    def constants(self):
        rng = random.Random(self.args.seed * 7 + 1)
        w = Writer()
        w.open(0, "App", [("AppID", "KeypadApp"), ("version", "10500")])
        w.open(1, "StringDB", [("DBID", "Constants")])
        for number, _, params in self.menus:
            w.open(2, "Menu", [("MenuID", "m%d" % number)])
            for p, _ in params:
                w.open(3, "Para", [("ParaID", "p%d" % p)])
                for _, mode in self.modes_of(number):
                    defined = rng.random() > 0.1
                    dp = rng.choice([0, 0, 1, 2, 3])
                    upper = rng.choice([1, 10, 100, 1000, 32000])
                    lower = rng.choice([0, -upper])
                    value = rng.randint(lower, upper)
                    attrs = [("ModeID", mode), ("Unit", str(rng.randint(0, 4)) if defined else "0"),
                             ("defined", "true" if defined else "false"), ("nOfDP", str(dp))]
                    if defined:
                        attrs += [("uLim", str(upper)), ("lLim", str(lower)), ("dVal", str(value))]
                    else:
                        attrs += [("uLim", "undef"), ("lLim", "undef"), ("dVal", "undef")]
                    w.element(4, "Mode", attrs)
                w.close(3, "Para")
            w.close(2, "Menu")
        w.close(1, "StringDB")
        w.close(0, "App")
        return w.text()

    def texts(self, dbid, index, salt):
        words = language_words(index, self.args.seed)
        rng = random.Random(self.args.seed * 1009 + salt)
        w = Writer()
        w.open(0, "App", [("AppID", "KeypadApp"), ("version", "10500")])
        w.open(1, "StringDB", [("DBID", dbid)])
        for number, _, params in self.menus:
            w.open(2, "Menu", [("MenuID", "m%d" % number)])
            for p, _ in params:
                attrs = [("ParaID", "p%d" % p)]
                if rng.random() < 0.03:
                    attrs.append(("text", "true"))
                w.open(3, "Para", attrs)
                shared = description(rng, words)
                shared_help = help_text(rng, words, self.args.max_help_lines)
                shared_unit = rng.randint(0, 4)
                for _, mode in self.modes_of(number):
                    own = rng.random() < self.args.mode_variation
                    unit = rng.randint(0, 4) if own else shared_unit
                    w.open(4, "Mode", [("ModeID", mode), ("Unit", str(unit))])
                    w.element(5, "Desc", [], description(rng, words) if own else shared)
                    w.element(5, "Help", [], help_text(rng, words, self.args.max_help_lines) if own else shared_help)
                    w.close(4, "Mode")
                w.close(3, "Para")
            w.close(2, "Menu")
        w.close(1, "StringDB")
        w.close(0, "App")
        return w.text()


def main(argv):
    parser = argparse.ArgumentParser(description="Synthetic drive data for the keypad string editor.")
    parser.add_argument("--out", required=True)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--parameters", type=int, default=600)
    parser.add_argument("--menus", type=int, default=0)
    parser.add_argument("--trips", type=int, default=40)
    parser.add_argument("--languages", type=int, default=6)
    parser.add_argument("--max-help-lines", type=int, default=5)
    parser.add_argument("--mode-variation", type=float, default=0.4)
    args = parser.parse_args(argv)
    if not 1 <= args.parameters <= MAX_PARAMETERS:
        parser.error("--parameters must be 1 to %d" % MAX_PARAMETERS)
    if not 1 <= args.languages <= 6:
        parser.error("--languages must be 1 to 6")
    if args.max_help_lines < 1:
        parser.error("--max-help-lines must be at least 1")

    drive = Drive(args)
    os.makedirs(args.out, exist_ok=True)
    files = {"kpdconf.kpx": drive.configuration(), "modeConstants.kpc": drive.constants()}
    for i, key in enumerate(drive.languages):
        files[key + ".kpl"] = drive.texts(key, i, i)
    files["Custom.kpl"] = drive.texts("Custom", 0, 100)
    files["custom.kpd"] = drive.texts("Custom", 0, 101)
    for name, text in files.items():
        with open(os.path.join(args.out, name), "w", encoding="utf-8", newline="") as f:
            f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
