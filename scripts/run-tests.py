#!/usr/bin/env python3
"""Runs every test of both builds and prints one summary line 'N passed, N failed'.

Host tests run natively. Target tests (every build/target/*_tests.exe) run under Wine in a
fresh, isolated prefix (scripts/wine-env.sh), on a private Xvfb display, next to a local
HTTP server on 127.0.0.1. The import gate of Clearwell.exe counts as one test.

While working on one part, run less: CW_ONLY names the parts to run, separated by commas
("host", "imports", "fuzz", or a target program such as "target_tests" or "gui_tests"), and
CW_GTEST_FILTER is handed to every GoogleTest program as its --gtest_filter.
"""
import json
import os
import shutil
import signal
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.join(ROOT, "build")
RESULTS = os.path.join(BUILD, "results")
# Where this machine cannot run 32-bit programs, the Wine tests run the 64-bit build of the same
# sources under wine64 (scripts/wine-arch.sh); the installer's tests need the 32-bit setup.
WINE_ARCH = subprocess.run([os.path.join(ROOT, "scripts", "wine-arch.sh")], check=True,
                           capture_output=True, text=True).stdout.strip()
TARGET = os.path.join(BUILD, "target64" if WINE_ARCH == "win64" else "target")
NEEDS_32BIT = {"installer_tests.exe"}
HTTP_PORT = int(os.environ.get("CW_TEST_HTTP_PORT", "18321"))
DISPLAY = os.environ.get("CW_TEST_DISPLAY", ":97")


ONLY = [p for p in os.environ.get("CW_ONLY", "").split(",") if p]
FILTER = os.environ.get("CW_GTEST_FILTER", "")


def wanted(part):
    return not ONLY or part in ONLY


def filter_args():
    return [f"--gtest_filter={FILTER}"] if FILTER else []


def log(msg):
    print(msg, flush=True)


def gtest_counts(json_path):
    """(passed, failed, failed names) from a GoogleTest JSON report."""
    with open(json_path, encoding="utf-8", errors="replace") as f:
        report = json.load(f)
    passed, failed, names = 0, 0, []
    for suite in report.get("testsuites", []):
        for case in suite.get("testsuite", []):
            if case.get("status") != "RUN" or case.get("result") == "SKIPPED":
                continue
            if case.get("failures"):
                failed += 1
                names.append(f"{suite['name']}.{case['name']}")
            else:
                passed += 1
    return passed, failed, names


def wine_env(name):
    """The environment of scripts/wine-env.sh for a fresh prefix called name."""
    wine_dir = os.path.join(BUILD, "wine", name)
    shutil.rmtree(wine_dir, ignore_errors=True)
    script = (f'. "{ROOT}/scripts/wine-env.sh" "{name}" && cw_wine_prefix && cw_wine_window_manager N'
              ' && env -0')
    out = subprocess.run(["bash", "-c", script], check=True, capture_output=True).stdout
    env = dict(item.split("=", 1) for item in out.decode().split("\0") if "=" in item)
    env["DISPLAY"] = DISPLAY
    env["CW_TEST_HTTP_PORT"] = str(HTTP_PORT)
    # Wine does not hand HOME to Windows programs; the isolation test reads it from here.
    env["CW_UNIX_HOME"] = env["HOME"]
    return env


def start_background(cmd, **kw):
    return subprocess.Popen(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                            start_new_session=True, **kw)


def stop(proc):
    if proc and proc.poll() is None:
        os.killpg(proc.pid, signal.SIGTERM)
        try:
            proc.wait(5)
        except subprocess.TimeoutExpired:
            os.killpg(proc.pid, signal.SIGKILL)


def run_host():
    exe = os.path.join(BUILD, "host", "host_tests")
    out = os.path.join(RESULTS, "host.json")
    log("== host tests")
    proc = subprocess.run([exe, "--gtest_brief=1", f"--gtest_output=json:{out}", *filter_args()],
                          timeout=1200)
    if not os.path.exists(out):
        return 0, 1, ["host_tests (crashed, exit %d)" % proc.returncode]
    p, f, names = gtest_counts(out)
    if proc.returncode != 0 and f == 0:
        f, names = 1, [f"host_tests exited with {proc.returncode}"]
    return p, f, names


def run_target(exe_name):
    """Runs one target test program in a fresh prefix, copied into C:\\cwtest."""
    name = exe_name[:-len(".exe")]
    env = wine_env(name)
    drive_c = os.path.join(env["WINEPREFIX"], "drive_c")
    dest = os.path.join(drive_c, "cwtest")
    os.makedirs(dest, exist_ok=True)
    for f in os.listdir(TARGET):
        if f.endswith(".exe") or f.endswith(".ico"):
            shutil.copy2(os.path.join(TARGET, f), dest)
    log(f"== {exe_name} (Wine)")
    cmd = [env["CW_WINE"], f"C:\\cwtest\\{exe_name}", "--gtest_brief=1",
           f"--gtest_output=json:C:\\cwtest\\results.json", *filter_args()]
    try:
        proc = subprocess.run(cmd, env=env, cwd=dest, timeout=1500)
        code = proc.returncode
    except subprocess.TimeoutExpired:
        code = "timeout"
    subprocess.run(["wineserver", "-k"], env=env, stderr=subprocess.DEVNULL)
    result = os.path.join(dest, "results.json")
    if not os.path.exists(result):
        return 0, 1, [f"{exe_name} (no result, exit {code})"]
    shutil.copy2(result, os.path.join(RESULTS, f"{name}.json"))
    p, f, names = gtest_counts(result)
    if code != 0 and f == 0:
        f, names = 1, [f"{exe_name} exited with {code}"]
    return p, f, names


def run_fuzz_smoke():
    """Each fuzz target for a few seconds from its seed corpus: one test per target."""
    passed, failed, names = 0, 0, []
    fuzz_dir = os.path.join(BUILD, "fuzz")
    seconds = os.environ.get("CW_FUZZ_SMOKE_SECONDS", "10")
    for src in sorted(os.listdir(os.path.join(ROOT, "fuzz"))):
        if not src.endswith(".cpp"):
            continue
        name = src[:-4]
        exe = os.path.join(fuzz_dir, name)
        log(f"== fuzz {name} ({seconds} s)")
        work = os.path.join(fuzz_dir, "smoke", name)
        os.makedirs(work, exist_ok=True)
        seeds = os.path.join(ROOT, "fuzz", "corpus", name)
        cmd = [exe, f"-max_total_time={seconds}", "-timeout=10", "-rss_limit_mb=2048",
               "-max_len=16384", f"-artifact_prefix={work}/", work]
        if os.path.isdir(seeds):
            cmd.append(seeds)
        ok = os.path.exists(exe) and subprocess.run(
            cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0
        if ok:
            passed += 1
        else:
            failed += 1
            names.append(f"fuzz {name} (see {work})")
    return passed, failed, names


def run_import_gate():
    log("== import gate")
    proc = subprocess.run([sys.executable, os.path.join(ROOT, "scripts", "check-imports.py"),
                           os.path.join(BUILD, "target", "Clearwell.exe"),
                           os.path.join(ROOT, "compat", "xp-imports.txt")])
    return (1, 0, []) if proc.returncode == 0 else (0, 1, ["import gate"])


SOURCE_KINDS = (".cpp", ".h", ".hpp", ".c", ".py", ".sh", ".nsi", ".nsh", ".cmake", ".rc")


def test_share():
    """The lines of tests/ and fuzz/ against every source line the repository tracks."""
    names = subprocess.run(["git", "-C", ROOT, "ls-files"], capture_output=True,
                           text=True).stdout.split()
    counted = [n for n in names if n.endswith(SOURCE_KINDS)
               or os.path.basename(n) in ("CMakeLists.txt", "Makefile")]
    lines = {}
    for name in counted:
        with open(os.path.join(ROOT, name), "rb") as f:
            lines[name] = f.read().count(b"\n")
    tests = sum(n for name, n in lines.items() if name.startswith(("tests/", "fuzz/")))
    total = sum(lines.values())
    return f"tests: {tests} of {total} source lines ({100 * tests / max(total, 1):.1f}%)"


def main():
    started = time.time()
    os.makedirs(RESULTS, exist_ok=True)
    totals = [0, 0]
    failures = []
    skipped = []

    def add(result):
        totals[0] += result[0]
        totals[1] += result[1]
        failures.extend(result[2])

    if wanted("host"):
        add(run_host())
    if wanted("imports"):
        add(run_import_gate())
    if wanted("fuzz"):
        add(run_fuzz_smoke())
    xvfb = start_background(["Xvfb", DISPLAY, "-screen", "0", "1024x768x24", "-nolisten", "tcp"])
    # The server also takes the GUI tests' screenshots of the Xvfb display.
    server = start_background([sys.executable, os.path.join(ROOT, "tests", "http", "server.py"),
                               "--port", str(HTTP_PORT),
                               "--screenshots", os.path.join(BUILD, "screenshots")],
                              env={**os.environ, "DISPLAY": DISPLAY})
    time.sleep(1)
    try:
        exes = sorted(f for f in os.listdir(TARGET)
                      if f.endswith("_tests.exe") and wanted(f[:-len(".exe")]))
        log(f"== Wine tests: {WINE_ARCH} build in {os.path.relpath(TARGET, ROOT)}")
        for exe in exes:
            if WINE_ARCH == "win64" and exe in NEEDS_32BIT:
                skipped.append(exe)
                continue
            add(run_target(exe))
    finally:
        stop(server)
        stop(xvfb)

    for name in failures:
        log(f"FAILED: {name}")
    for exe in skipped:
        log(f"SKIPPED: {exe} (this machine cannot run 32-bit programs, which it needs)")
    log(f"make test took {time.time() - started:.0f} s; {test_share()}")
    tail = f", {len(skipped)} skipped" if skipped else ""
    log(f"{totals[0]} passed, {totals[1]} failed{tail}")
    return 1 if totals[1] else 0


if __name__ == "__main__":
    sys.exit(main())
