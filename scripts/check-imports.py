#!/usr/bin/env python3
"""Compatibility gate: every function the executable imports must exist on each system the
program is for (Windows 95 with Internet Explorer 4 and msvcrt.dll, 98, 98 SE, Me, NT 4.0 SP6,
2000 and XP), and its PE header must ask for subsystem version 4.0.

Usage: check-imports.py EXE [XP_ALLOWED_LIST]   (the list defaults to compat/xp-imports.txt)

The data in compat/ (see compat/README.md) says, per DLL and function, on which system it is
missing (the loader refuses the program), only a stub (it loads, the call fails) or not
established. A verified "missing" or "dll-missing" refuses the executable; a stub or an
unverified entry is printed as a warning. On XP every import must also be in the reviewed
allow-list, and in XP's own export table where the data has one.
"""
import os
import re
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
COMPAT = os.path.join(ROOT, "compat")
SYSTEMS = ["95", "98", "98SE", "Me", "NT4", "2000", "XP"]
NINE_X = SYSTEMS[:4]
# Windows 95 counts with Internet Explorer 4 (WinINet, SHLWAPI, the shell's folder functions)
# and an installed msvcrt.dll: the README names both as requirements.
MET_ON_95 = {"needs-IE4", "needs-IE", "needs-OSR2-or-IE3"}
INSTALLED_ON_95 = {"MSVCRT"}
REFUSING = {"missing", "dll-missing"}


def dll_key(name):
    name = name.upper()
    return name[:-4] if name.endswith(".DLL") else name


def read_allowed(path):
    allowed, dll = {}, None
    with open(path, encoding="utf-8") as f:
        for raw in f:
            line = raw.split("#", 1)[0].rstrip()
            if not line:
                continue
            if not line[0].isspace():
                dll = dll_key(line.strip())
                allowed.setdefault(dll, set())
            elif dll:
                allowed[dll].add(line.strip())
    return allowed


def read_absent(path):
    """{(DLL, FUNCTION): ({system: kind}, unverified systems, text)} from an absent-*.txt."""
    rows = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            dll, fn, rest = line.split(None, 2)
            m = re.search(r"kind:\s*(.*?)\s+unverified-on:\s*(\S+)", rest)
            if not m:
                continue
            kinds = {}
            for group in m.group(1).split():
                systems, _, kind = group.partition("=")
                for system in systems.split(","):
                    kinds[system] = kind
            unverified = set() if m.group(2) == "-" else set(m.group(2).split(","))
            rows[(dll, fn)] = (kinds, unverified, rest.strip())
    return rows


def read_exports(folder, dll):
    path = os.path.join(COMPAT, "exports", folder, dll.lower() + ".txt")
    if not os.path.exists(path):
        return None
    with open(path, encoding="utf-8") as f:
        return {line.split("\t")[0].strip() for line in f if line.strip()}


def read_imports(exe):
    out = subprocess.run(["i686-w64-mingw32-objdump", "-p", exe], check=True,
                         capture_output=True, text=True).stdout
    imports, dll, header = {}, None, {}
    for line in out.splitlines():
        m = re.match(r"\s*(Major|Minor)(Subsystem|OSystem)Version\s+(\d+)", line)
        if m:
            header[m.group(1) + m.group(2)] = int(m.group(3))
        m = re.match(r"\s*DLL Name: (\S+)", line)
        if m:
            dll = dll_key(m.group(1))
            imports.setdefault(dll, set())
            continue
        if dll:
            # "\t71e8\t  277  DeleteCriticalSection" or, by ordinal, "\t7300\t  162  <none>"
            m = re.match(r"\t[0-9a-f]+\t\s*(\d+)\s+(\S+)", line)
            if m:
                name = m.group(2)
                imports[dll].add("#" + m.group(1) if name == "<none>" else name)
            elif line.strip() and not line.startswith("\t"):
                dll = None
    return imports, header


class Gate:
    def __init__(self, allowed):
        self.allowed = allowed
        self.absent_9x = read_absent(os.path.join(COMPAT, "absent-9x.txt"))
        self.absent_nt = read_absent(os.path.join(COMPAT, "absent-nt4-2000.txt"))
        self.refused, self.warned = [], []

    def judge(self, dll, fn, system, kind, unverified, why):
        if system == "95" and (kind in MET_ON_95 or
                               (kind == "dll-missing" and dll in INSTALLED_ON_95)):
            return
        refused = kind in REFUSING and system not in unverified
        state = kind if system not in unverified else f"{kind} (unverified)"
        why = why.split("source:", 1)[-1].strip()
        (self.refused if refused else self.warned).append((f"{dll}!{fn}", state, system, why))

    def check_rows(self, dll, fn, rows, systems):
        """Judges the rows of the whole DLL and of the function; False if neither is listed."""
        listed = False
        for key in ((dll, "*"), (dll, fn)):
            if key in rows:
                listed = True
                kinds, unverified, text = rows[key]
                for system in systems:
                    if system in kinds:
                        self.judge(dll, fn, system, kinds[system], unverified, text)
        return listed

    def check(self, dll, fn):
        if fn.startswith("#"):
            self.warned.append((f"{dll}!{fn}", "by ordinal, not checked", "all", ""))
            return
        win95, xp = read_exports("win95-osr2-ie4", dll), read_exports("xp-rtm-x86", dll)
        if xp is not None and fn not in xp:
            for system in SYSTEMS:
                self.judge(dll, fn, system, "missing", set(), "not exported by XP RTM")
            return
        if dll not in self.allowed or fn not in self.allowed[dll]:
            self.refused.append((f"{dll}!{fn}", "not in the reviewed list", "XP",
                                 "compat/xp-imports.txt"))
        listed_9x = self.check_rows(dll, fn, self.absent_9x, NINE_X)
        if not listed_9x and win95 is not None and fn not in win95:
            self.judge(dll, fn, "95", "missing", set(), "not exported by the Windows 95 dump")
            for system in NINE_X[1:]:
                self.judge(dll, fn, system, "missing", set(NINE_X[1:]), "not in the 95 dump")
        self.check_rows(dll, fn, self.absent_nt, ["NT4", "2000"])


def grouped(findings):
    """One line per import and state, naming the systems it applies to."""
    systems = {}
    for name, state, system, why in findings:
        entry = systems.setdefault((name, state), ([], why))
        if system not in entry[0]:
            entry[0].append(system)
    return [f"{name} {state} on {','.join(s)}" + (f" ({why[:140]})" if why else "")
            for (name, state), (s, why) in systems.items()]


def main():
    exe = sys.argv[1]
    allowed_path = sys.argv[2] if len(sys.argv) > 2 else os.path.join(COMPAT, "xp-imports.txt")
    gate = Gate(read_allowed(allowed_path))
    imports, header = read_imports(exe)
    for dll, functions in sorted(imports.items()):
        for fn in sorted(functions):
            gate.check(dll, fn)
    version = (header.get("MajorSubsystem", 99), header.get("MinorSubsystem", 99))
    if version > (4, 0):
        gate.refused.append(("PE header", f"subsystem version {version[0]}.{version[1]}",
                             "all before XP", "newer than 4.0"))
    for label, findings in (("warning", gate.warned), ("REFUSED", gate.refused)):
        for line in grouped(findings):
            print(f"import gate: {label}: {line}")
    count = sum(len(f) for f in imports.values())
    print(f"import gate: {os.path.basename(exe)}: {count} imports from {len(imports)} DLLs, "
          f"subsystem {version[0]}.{version[1]}, checked for Windows {', '.join(SYSTEMS)}: "
          f"{len(grouped(gate.warned))} warnings, {'refused' if gate.refused else 'accepted'}")
    return 1 if gate.refused else 0


if __name__ == "__main__":
    sys.exit(main())
