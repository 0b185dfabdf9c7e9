#!/usr/bin/env python3
"""Start-up benchmark: the time from starting the desktop program to its main window being
shown, and its resident memory once idle, beside a minimal Qt window measured in the same
run. Starts alternate between the two so that a busy machine slows both alike; medians are
reported. usage: startup_bench.py BUILD_DIR [STARTS]"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

TIME_LIMIT = 1.5
MEMORY_LIMIT = 1.6


def start(program, env):
    """One start: (ms to the first paint, processor ms until then, resident kB once idle)."""
    started = time.monotonic_ns()
    done = subprocess.run([program], env=env, capture_output=True, text=True, timeout=60)
    fields = done.stdout.split()
    if done.returncode != 0 or len(fields) != 3:
        raise RuntimeError(f"{program} gave no measurement (exit {done.returncode}): "
                           f"{done.stderr.strip()[-400:]}")
    return (int(fields[0]) - started) / 1e6, int(fields[1]) / 1e6, int(fields[2])


def main():
    if len(sys.argv) not in (2, 3):
        print(__doc__.strip().splitlines()[-1].strip(), file=sys.stderr)
        return 2
    build = sys.argv[1]
    starts = int(sys.argv[2]) if len(sys.argv) == 3 else 9
    programs = {
        "main window": os.path.join(build, "app", "tetralyx-startup-probe"),
        "minimal Qt window": os.path.join(build, "bench", "tetralyx-minimal-window"),
    }
    with tempfile.TemporaryDirectory() as home, tempfile.TemporaryDirectory() as quiet, \
            tempfile.TemporaryDirectory() as runtime:
        os.chmod(runtime, 0o700)
        env = dict(os.environ, XDG_RUNTIME_DIR=runtime, SDL_AUDIODRIVER="dummy")
        env.setdefault("QT_QPA_PLATFORM", "offscreen")
        envs = {"main window": dict(env, TETRALYX_HOME=home),
                "  with music off": dict(env, TETRALYX_HOME=quiet),
                "minimal Qt window": env}
        # The first start of a build shows its release notes; players see that once.
        for name in ("main window", "  with music off"):
            start(programs["main window"], envs[name])
        music = os.path.join(quiet, "music.ini")
        with open(music, encoding="utf-8") as settings:
            text = settings.read()
        with open(music, "w", encoding="utf-8") as settings:
            settings.write(text.replace("Music On = true", "Music On = false"))
        samples = {name: [] for name in envs}
        for _ in range(starts):
            for name in envs:
                program = programs.get(name, programs["main window"])
                samples[name].append(start(program, envs[name]))
    medians = {name: tuple(statistics.median(s[n] for s in runs) for n in range(3))
               for name, runs in samples.items()}
    print(f"Start-up, median of {starts} starts ({env['QT_QPA_PLATFORM']} platform, "
          f"load average {os.getloadavg()[0]:.1f})")
    print(f"{'':20} {'shown after':>12} {'CPU until shown':>16} {'resident idle':>14}")
    for name, (ms, cpu_ms, kb) in medians.items():
        print(f"{name:20} {ms:9.1f} ms {cpu_ms:13.1f} ms {kb / 1024:10.1f} MiB")
    base_ms, base_cpu, base_kb = medians["minimal Qt window"]
    print(f"ratio to the minimal window (target: shown at most {TIME_LIMIT}x, "
          f"memory at most {MEMORY_LIMIT}x)")
    for name in ("main window", "  with music off"):
        main_ms, main_cpu, main_kb = medians[name]
        time_ratio, memory_ratio = main_ms / base_ms, main_kb / base_kb
        verdict = ("within" if time_ratio <= TIME_LIMIT and memory_ratio <= MEMORY_LIMIT
                   else "OVER")
        print(f"{name:20} {time_ratio:10.2f}x {main_cpu / base_cpu:14.2f}x "
              f"{memory_ratio:13.2f}x   {verdict}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
