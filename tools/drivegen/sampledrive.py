#!/usr/bin/env python3
"""Writes the sample drive data of the repository's data/ folder.

Command line:
  sampledrive.py --out DIR

Writes kpdconf.kpx, modeConstants.kpc, English.kpl, Custom.kpl, French.kpl, German.kpl,
Spanish.kpl and Italian.kpl for the fictional VX drive described in sampletables.py.
The output depends on nothing but these scripts, so running it again gives the same bytes.
"""

import argparse
import os
import sys
import zlib

# The helper modules beside this script are imported, not installed: leave no bytecode.
sys.dont_write_bytecode = True

from drivegen import Writer, display_lines
from sampletables import MENUS, OPTION_MODES, OPTION_PARAMS, TRIP_MENU, TRIPS
from samplelanguages import GLOSSARY, HELP

MODES = [("mode2", "Open loop"), ("mode3", "Closed loop"), ("mode4", "Servo"), ("mode5", "Regen")]
LANGUAGES = ["English", "Custom", "French", "German", "Spanish", "Italian"]
LINE = 16
HELP_LINE = 32

# Second description line by kind, and per mode where the keypad shows something else.
QUALIFIER = {
    "speed": {"Open loop": "in Hz", "Regen": "supply side", None: "in rpm"},
    "rate": {"Open loop": "s per 100 Hz", None: "s per 1000 rpm"},
    "time": {None: "in seconds"}, "gain": {"Servo": "servo loop gain", None: "loop gain"},
    "current": {None: "in amps"}, "voltage": {None: "in volts"}, "freq": {None: "in Hz"},
    "percent": {None: "percent"}, "ratio": {None: "ratio"}, "select": {None: "select option"},
    "flag": {None: "Off or On"}, "status": {None: "read only"}, "count": {None: "whole number"},
    "code": {None: "enter code"}, "source": {None: "source param"}, "dest": {None: "destination"},
    "trip": {None: "trip"},
}

UNIT = {"speed": {"Open loop": 4, None: 3}, "current": {None: 2}, "percent": {None: 1}, "freq": {None: 4}}

KIND_HELP = {
    "speed": ["Sets the {lname} {unitword}.", "The drive clamps it to the speed limits of menu 1."],
    "rate": ["Time the ramp takes for {lname}.", "A rate of 0 gives the fastest ramp the drive allows."],
    "time": ["Time for {lname}, in seconds.", "Set 0 to act at once."],
    "gain": ["Gain {lname} of the control loop.", "Raise it for a stiffer response; too high a value makes the motor hunt."],
    "current": ["Rated current for {lname}, from the motor's plate.", "Sets the overload and the current limits."],
    "voltage": ["Rated voltage for {lname}, from the motor's plate."],
    "freq": ["Rated frequency for {lname}, from the motor's plate."],
    "percent": ["{name} as a percentage of rated value.", "Negative values act in the other direction."],
    "ratio": ["Scaling for {lname}.", "1.000 passes the value unchanged."],
    "select": ["Chooses how {lname} works.", "Press the arrow keys to step through the choices."],
    "flag": ["Set to On to enable {lname}.", "Off leaves the function inactive."],
    "status": ["Shows {lname}.", "Read only: the drive updates it while running."],
    "count": ["Whole number for {lname}."],
    "code": ["Code for {lname}.", "Enter the code, then press Mode to store it."],
    "source": ["Parameter that feeds {lname}.", "Enter menu and parameter as mm.pp, for example 4.02."],
    "dest": ["Parameter that {lname} writes to.", "An unused destination is 0.00; only writable parameters are accepted."],
}

MODE_HELP = {
    "Open loop": "In open loop the drive runs without feedback.",
    "Closed loop": "In closed loop the speed comes from the encoder.",
    "Servo": "In servo mode the motor's pole position is used.",
    "Regen": "In regen mode the drive controls the supply side.",
    "Encoder": "With an encoder module the feedback comes from its port.",
    "Resolver": "With a resolver module the lines are the resolver poles.",
    "Fieldbus": "With a fieldbus module the data goes over the network.",
    "IO plus": "With the IO plus module the extra terminals are used.",
}

# Functions of the motor or its feedback that a mode does not have.
UNDEFINED = {
    "Open loop": ("encoder", "feedback", "position", "marker", "orient", "home", "servo", "revolution"),
    "Regen": ("motor", "encoder", "slip", "field", "flux", "position", "orient", "home", "jog", "skip",
              "catch", "injection", "auto tune", "boost", "inertia", "coiler"),
    "Servo": ("slip", "boost", "dynamic v", "flux optimise", "injection"),
    "Encoder": ("mapping", "data rate", "data format", "node", "comms"),
    "Resolver": ("mapping", "data rate", "data format", "node", "comms", "marker", "freeze"),
    "Fieldbus": ("feedback", "marker", "freeze", "counter"),
    "IO plus": ("feedback", "marker", "freeze", "data rate", "data format", "node"),
}

TEXT_DEFAULTS = {"select": "Default", "code": "None"}


def by_mode(table, mode):
    return table.get(mode, table.get(None))


def wrap(text, width):
    lines, line = [], ""
    for word in text.split():
        if line and len(line) + 1 + len(word) > width:
            lines.append(line)
            line = word
        else:
            line = (line + " " + word) if line else word[:width]
    if line:
        lines.append(line)
    return lines


def menus():
    for number, name, option, params in MENUS:
        yield number, name, (OPTION_PARAMS if option else params), (OPTION_MODES if option else MODES)
    trip_params = [(t, name, "trip") for t, name, _ in TRIPS]
    yield TRIP_MENU, "Trip texts", trip_params, MODES


def defined(name, mode):
    lower = name.lower()
    return not any(word in lower for word in UNDEFINED.get(mode, ()))


def pick(seed, choices):
    return choices[zlib.crc32(seed.encode()) % len(choices)]


def english(menu_number, menu_name, pnum, name, kind, mode):
    """The description's lines and the help, in the escaped keypad form, of one parameter
    in one mode."""
    qualifier = by_mode(QUALIFIER[kind], mode)
    head = wrap(name, LINE)
    desc = head[:2] if len(head) > 1 else [head[0], qualifier]
    if kind == "trip":
        cause = next(c for t, n, c in TRIPS if t == pnum)
        sentences = ["Trip %d, %s: %s." % (pnum, name, cause),
                     pick(name, ["Find the cause, then reset the drive.",
                                 "Check the wiring and the settings, then reset.",
                                 "Reset clears the trip once the cause is gone."])]
        if mode != "Open loop":
            sentences.append(MODE_HELP[mode])
    else:
        words = {"name": name, "lname": name[0].lower() + name[1:] if not name[:2].isupper() else name,
                 "unitword": "in Hz" if mode == "Open loop" else "in rpm"}
        sentences = [s.format(**words) for s in KIND_HELP[kind]]
        sentences.insert(1, range_sentence(name, kind, mode))
        if pick(name + mode, [True, False, True, False, True, False, False]):
            sentences.append(MODE_HELP[mode])
        sentences.append("Menu %d, %s, parameter %d." % (menu_number, menu_name, pnum))
    return desc, "~M".join(fitted(sentences))


def scaled(value, places):
    if places == 0 or not value.lstrip("-").isdigit():
        return value
    sign = "-" if value.startswith("-") else ""
    digits = value.lstrip("-").rjust(places + 1, "0")
    return sign + digits[:-places] + "." + digits[-places:]


def range_sentence(name, kind, mode):
    values = dict(limits(name, kind, mode))
    places = int(values["nOfDP"])
    text = "Range %s to %s" % (scaled(values["lLim"], places), scaled(values["uLim"], places))
    if kind in TEXT_DEFAULTS or values["dVal"] == "":
        return text + "."
    return text + ", default %s." % scaled(values["dVal"], places)


def fitted(sentences):
    """As many whole sentences as fit in the five help lines."""
    lines = wrap(sentences[0], HELP_LINE)[:5]
    for count in range(2, len(sentences) + 1):
        candidate = wrap(" ".join(sentences[:count]), HELP_LINE)
        if len(candidate) > 5:
            break
        lines = candidate
    return lines


def translate(language, text):
    glossary = GLOSSARY[language]
    out = []
    for word in text.split(" "):
        low = word.lower()
        out.append(glossary.get(low, word) if low in glossary else word)
    return " ".join(out)


def translated(language, menu_name, name, kind, mode, english_desc):
    lines = [wrap(translate(language, line), LINE)[0] for line in english_desc]
    desc = [line[:1].upper() + line[1:] for line in lines]
    sentence = HELP[language].get(kind)
    help_text = ""
    if sentence:
        local = translate(language, name)
        help_text = "~M".join(fitted([sentence.format(name=local, menu=translate(language, menu_name))]))
    return desc, help_text


def constants(w):
    w.open(0, "App", [("AppID", "KeypadApp"), ("version", "10500")])
    w.open(1, "StringDB", [("DBID", "Constants")])
    for number, _, params, modes in menus():
        w.open(2, "Menu", [("MenuID", "m%d" % number)])
        for pnum, name, kind in params:
            attrs = [("ParaID", "p%d" % pnum)]
            if kind in TEXT_DEFAULTS:
                attrs.append(("text", "true"))
            w.open(3, "Para", attrs)
            for _, mode in modes:
                w.element(4, "Mode", [("ModeID", mode)] + limits(name, kind, mode))
            w.close(3, "Para")
        w.close(2, "Menu")
    w.close(1, "StringDB")
    w.close(0, "App")


def limits(name, kind, mode):
    ok = defined(name, mode)
    unit = by_mode(UNIT.get(kind, {None: 0}), mode) if ok else 0
    if not ok:
        return [("Unit", "0"), ("defined", "false"), ("nOfDP", "0"), ("uLim", "undef"), ("lLim", "undef"),
                ("dVal", "undef")]
    table = {
        "speed": ("1", "5500", "-5500", "500") if mode == "Open loop" else ("0", "40000", "-40000", "1500"),
        "rate": ("1", "32000", "0", "50"), "time": ("2", "25000", "0", "100"), "gain": ("4", "32000", "0", "100"),
        "current": ("1", "9999", "0", "0"), "voltage": ("0", "960", "0", "400"), "freq": ("1", "5500", "0", "500"),
        "percent": ("1", "3000", "-3000", "0"), "ratio": ("3", "4000", "0", "1000"), "select": ("0", "9", "0", ""),
        "flag": ("0", "1", "0", "0"), "status": ("0", "32767", "-32768", ""), "count": ("0", "32767", "0", "0"),
        "code": ("0", "999", "0", ""), "source": ("2", "2199", "0", "0"), "dest": ("2", "2199", "0", "0"),
        "trip": ("0", "255", "0", ""),
    }
    dp, upper, lower, default = table[kind]
    if kind in TEXT_DEFAULTS:
        default = TEXT_DEFAULTS[kind]
    return [("Unit", str(unit)), ("defined", "true"), ("nOfDP", dp), ("uLim", upper), ("lLim", lower),
            ("dVal", default)]


def language_file(w, language):
    dbid = language
    w.open(0, "App", [("AppID", "KeypadApp"), ("version", "10500")])
    w.open(1, "StringDB", [("DBID", dbid)])
    for number, menu_name, params, modes in menus():
        w.open(2, "Menu", [("MenuID", "m%d" % number)])
        for pnum, name, kind in params:
            attrs = [("ParaID", "p%d" % pnum)]
            if kind in TEXT_DEFAULTS:
                attrs.append(("text", "true"))
            w.open(3, "Para", attrs)
            for _, mode in modes:
                ok = defined(name, mode)
                unit = by_mode(UNIT.get(kind, {None: 0}), mode) if ok else 0
                w.open(4, "Mode", [("ModeID", mode), ("Unit", str(unit))])
                desc, help_text = english(number, menu_name, pnum, name, kind, mode) if ok else ([""], "")
                if ok and language not in ("English", "Custom"):
                    desc, help_text = translated(language, menu_name, name, kind, mode, desc)
                w.element(5, "Desc", [], display_lines(desc, LINE))
                w.element(5, "Help", [], help_text)
                w.close(4, "Mode")
            w.close(3, "Para")
        w.close(2, "Menu")
    w.close(1, "StringDB")
    w.close(0, "App")


def configuration(w):
    w.open(0, "keypadToolData", [("version", "10500"), ("recMaxHelpChars", "170"), ("custom", "Lang1"),
                                 ("base", "65536")])
    w.element(1, "dbNames", [("Lang%d" % i, key) for i, key in enumerate(LANGUAGES)])
    w.element(1, "modes", MODES)
    w.open(1, "root", [("name", "VX Drive")])
    for number, name, params, modes in menus():
        attrs = [("name", name), ("nmbr", str(number))]
        if number == 15:
            attrs.append(("cloneable", "16 17"))
        if number == 18:
            attrs.append(("cloneable", "19 20"))
        if number == TRIP_MENU:
            attrs.append(("hide", "true"))
        w.open(2, "menu", attrs)
        if modes is OPTION_MODES:
            w.element(3, "modes", OPTION_MODES)
        for pnum, pname, _ in params:
            w.element(3, "para", [("name", pname), ("nmbr", str(pnum))])
        w.close(2, "menu")
    w.open(2, "trips", [("name", "Trips")])
    for t, name, _ in TRIPS:
        w.element(3, "trip", [("name", name), ("nmbr", str(t)), ("mapMen", str(TRIP_MENU)), ("mapPar", str(t))])
    w.close(2, "trips")
    w.close(1, "root")
    w.close(0, "keypadToolData")


def main(argv):
    parser = argparse.ArgumentParser(description="Sample drive data of the keypad string editor.")
    parser.add_argument("--out", required=True)
    args = parser.parse_args(argv)
    os.makedirs(args.out, exist_ok=True)
    outputs = {"kpdconf.kpx": configuration, "modeConstants.kpc": constants}
    for language in LANGUAGES:
        outputs[language + ".kpl"] = lambda w, language=language: language_file(w, language)
    for name, build in outputs.items():
        w = Writer()
        build(w)
        with open(os.path.join(args.out, name), "w", encoding="utf-8", newline="") as f:
            f.write(w.text())
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
