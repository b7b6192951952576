#!/usr/bin/env python3
"""What a user waits for, end to end, each beside a bare expat parse of the same files.

Run from the top of the repository after building (the programs in out/bin):

  QT_QPA_PLATFORM=offscreen bench/startup_bench.py [--bin out/bin [--bin OTHER]] [--reps 5]
                                                   [--sizes 1024,8192] [--no-editor] [--cold-memory]

A second --bin (say, a copy of out/bin built before a change) runs its programs in the same
repetitions, interleaved with the first, and is reported beside it: before and after
figures under the same load.

Drives: the sample drive (data/, copied to a temporary folder) and generated sets of the
given sizes, made in a temporary folder by tools/drivegen/drivegen.py --mode-variation 0
--max-help-lines 1 (removed at the end). Every repetition runs every drive and every
program once, in turn, so load from other work on the machine falls on all of them alike.
Each is a fresh process:

  bare     bareparse: one sized read and an expat parse with empty handlers of the files
           the program reads (the editor: kpdconf.kpx, modeConstants.kpc, every *.kpl;
           kpdtool: those and the .kpd file)
  check    kpdtool check-size FILE.kpd            (the load and the size count)
  build    kpdtool build FILE.kpd --image OUT     (the load, the build and the image file)
  editor   keypad-string-tool --quit-when-shown   start: process start to the main window
           shown; close: close request to process exit; whole run: both, with its CPU time

Prints medians in milliseconds of wall time and of CPU time (user and system, of the child),
each against the median of the bare parse of the same files (CPU time suffers less from other
work on the machine), the best wall time of the repetitions against the best bare parse
(where the machine's speed swings with its host's other work, the best run shows what the
program itself costs), and the median largest resident set against the input size. The
editor's settings and component registry go to a temporary HOME and XDG_CONFIG_HOME,
never the user's.

Free memory on a virtual machine may be handed back to its host a few seconds after it
was freed (a balloon device's free page reporting); the next program to touch it waits
while the host maps it in again, about 0.1-0.2 s for 90 MB here. Which program meets
such memory depends only on what ran before it, so each timed run follows an untimed run
of the same command, which leaves the memory that command uses as it stays on a desktop
machine. --cold-memory leaves those runs out, to see what this machine's host adds.
"""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
# Whether each timed run follows an untimed run of the same command (see above).
WARM = True


def run(command, env, stdout=subprocess.DEVNULL):
    """Runs a fresh process; returns (start, wall seconds, CPU seconds, max RSS bytes, its
    standard output)."""
    if WARM:
        subprocess.run(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    start = time.time()
    child = subprocess.Popen(command, env=env, stdout=stdout, stderr=subprocess.DEVNULL)
    out = child.stdout.read().decode() if stdout == subprocess.PIPE else ""
    _, status, usage = os.wait4(child.pid, 0)
    wall = time.time() - start
    child.returncode = os.waitstatus_to_exitcode(status)
    if child.returncode not in (0, 1):
        sys.exit("failed (%d): %s" % (child.returncode, " ".join(command)))
    return start, wall, usage.ru_utime + usage.ru_stime, usage.ru_maxrss * 1024, out


class Drive:
    def __init__(self, name, folder, kpd):
        self.name = name
        self.folder = folder
        self.kpd = kpd
        shared = ["kpdconf.kpx", "modeConstants.kpc"] + sorted(
            f for f in os.listdir(folder) if f.endswith(".kpl"))
        self.editor_files = [os.path.join(folder, f) for f in shared]
        self.tool_files = self.editor_files + [kpd]
        self.times = {}
        self.rss = {}
        self.cpu = {}

    def add(self, what, seconds, cpu=None, rss=None):
        self.times.setdefault(what, []).append(seconds * 1000.0)
        if cpu is not None:
            self.cpu.setdefault(what, []).append(cpu * 1000.0)
        if rss is not None:
            self.rss.setdefault(what, []).append(rss)

    def median(self, what):
        return statistics.median(self.times[what])


def size_of(files):
    return sum(os.path.getsize(f) for f in files)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bin", action="append")
    parser.add_argument("--reps", type=int, default=5)
    parser.add_argument("--sizes", default="1024,8192")
    parser.add_argument("--no-editor", action="store_true")
    parser.add_argument("--cold-memory", action="store_true")
    args = parser.parse_args()
    global WARM
    WARM = not args.cold_memory
    folders = [os.path.abspath(b) for b in (args.bin or [os.path.join(ROOT, "out", "bin")])]
    bare = os.path.join(folders[0], "bareparse")

    temp = tempfile.mkdtemp(prefix="kpd-startup-bench-")
    try:
        env = dict(os.environ, HOME=os.path.join(temp, "home"),
                   XDG_CONFIG_HOME=os.path.join(temp, "home", ".config"),
                   QT_QPA_PLATFORM=os.environ.get("QT_QPA_PLATFORM", "offscreen"))
        env.pop("KPD_COMRT_REGISTRY", None)
        os.makedirs(env["XDG_CONFIG_HOME"])

        sample = os.path.join(temp, "sample")
        shutil.copytree(os.path.join(ROOT, "data"), sample)
        shutil.copyfile(os.path.join(sample, "Custom.kpl"), os.path.join(temp, "sample.kpd"))
        drives = [Drive("sample", sample, os.path.join(temp, "sample.kpd"))]
        for size in [int(s) for s in args.sizes.split(",") if s]:
            folder = os.path.join(temp, "p%d" % size)
            subprocess.run([sys.executable, os.path.join(ROOT, "tools", "drivegen", "drivegen.py"),
                            "--out", folder, "--parameters", str(size), "--mode-variation", "0",
                            "--max-help-lines", "1"], check=True, stdout=subprocess.DEVNULL)
            drives.append(Drive("%d parameters" % size, folder, os.path.join(folder, "custom.kpd")))
        # Each build's editor uses its own control library, registered just before it starts.
        environments = []
        for n, folder in enumerate(folders):
            own = dict(env, KPD_COMRT_REGISTRY=os.path.join(temp, "registry%d.json" % n))
            if not args.no_editor:
                subprocess.run([os.path.join(folder, "regcomp"), os.path.join(folder, "liblcdtextbox.so")],
                               env=own, check=True, stdout=subprocess.DEVNULL)
            environments.append(own)

        image = os.path.join(temp, "image.bin")
        for rep in range(args.reps):
            for d in drives:
                _, wall, cpu, _, _ = run([bare] + d.editor_files, env)
                d.add("bare editor files", wall, cpu)
                _, wall, cpu, _, _ = run([bare] + d.tool_files, env)
                d.add("bare kpdtool files", wall, cpu)
                for n, folder in enumerate(folders):
                    tag = " [bin %d]" % (n + 1) if len(folders) > 1 else ""
                    kpdtool = os.path.join(folder, "kpdtool")
                    _, wall, cpu, rss, _ = run([kpdtool, "--folder", d.folder, "check-size", d.kpd], env)
                    d.add("kpdtool check-size" + tag, wall, cpu, rss)
                    _, wall, cpu, rss, _ = run([kpdtool, "--folder", d.folder, "build", d.kpd, "--image", image],
                                               env)
                    d.add("kpdtool build --image" + tag, wall, cpu, rss)
                    if not args.no_editor:
                        start, wall, cpu, rss, out = run(
                            [os.path.join(folder, "keypad-string-tool"), "--folder", d.folder, "--quit-when-shown"],
                            environments[n], stdout=subprocess.PIPE)
                        requested = int(out.split()[-1]) / 1e6
                        d.add("editor start to shown" + tag, requested - start, None, rss)
                        d.add("editor close to exit" + tag, start + wall - requested)
                        d.add("editor whole run" + tag, wall, cpu)
            print("repetition %d of %d done" % (rep + 1, args.reps), file=sys.stderr)

        print("medians of %d interleaved repetitions, fresh processes, %s memory"
              % (args.reps, "cold" if args.cold_memory else "warm"))
        for n, folder in enumerate(folders):
            print("bin %d: %s" % (n + 1, folder))
        for d in drives:
            sizes = {"editor": size_of(d.editor_files), "kpdtool": size_of(d.tool_files)}
            print("\n%s: input %.1f MB (kpdtool), %.1f MB (editor)"
                  % (d.name, sizes["kpdtool"] / 1e6, sizes["editor"] / 1e6))
            for what in d.times:
                base = "bare editor files" if what.startswith("editor") else "bare kpdtool files"
                line = "  %-33s %8.1f ms %6.2fx bare" % (what, d.median(what), d.median(what) / d.median(base))
                best = min(d.times[what])
                line += "  best %8.1f ms %5.2fx" % (best, best / min(d.times[base]))
                if what in d.cpu:
                    cpu = statistics.median(d.cpu[what])
                    line += "  cpu %8.1f ms %6.2fx bare" % (cpu, cpu / statistics.median(d.cpu[base]))
                if what in d.rss:
                    rss = statistics.median(d.rss[what])
                    line += "  max RSS %6.1f MB = %5.2fx input" % (
                        rss / 1e6, rss / sizes["editor" if what.startswith("editor") else "kpdtool"])
                print(line)
    finally:
        shutil.rmtree(temp, ignore_errors=True)


if __name__ == "__main__":
    main()
