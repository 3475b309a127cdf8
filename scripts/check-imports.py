#!/usr/bin/env python3
"""Compatibility gate: the executable may import only the functions listed per DLL in the
allowed list (functions that Windows XP has), and its PE header must ask for subsystem
version 5.1 or lower.  Usage: check-imports.py EXE ALLOWED_LIST
"""
import re
import subprocess
import sys


def read_allowed(path):
    allowed, dll = {}, None
    with open(path, encoding="utf-8") as f:
        for raw in f:
            line = raw.split("#", 1)[0].rstrip()
            if not line:
                continue
            if not line[0].isspace():
                dll = line.strip().upper()
                allowed.setdefault(dll, set())
            elif dll:
                allowed[dll].add(line.strip())
    return allowed


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
            dll = m.group(1).upper()
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


def main():
    exe, allowed_path = sys.argv[1], sys.argv[2]
    allowed = read_allowed(allowed_path)
    imports, header = read_imports(exe)
    problems = []
    for dll, functions in sorted(imports.items()):
        if dll not in allowed:
            problems.append(f"{dll} is not an allowed DLL")
            continue
        for fn in sorted(functions - allowed[dll]):
            problems.append(f"{dll}!{fn} is not in the list of functions Windows XP has")
    version = (header.get("MajorSubsystem", 99), header.get("MinorSubsystem", 99))
    if version > (5, 1):
        problems.append(f"subsystem version {version[0]}.{version[1]} is newer than 5.1")
    for p in problems:
        print("import gate:", p)
    count = sum(len(f) for f in imports.values())
    print(f"import gate: {count} imports from {len(imports)} DLLs, subsystem "
          f"{version[0]}.{version[1]}: {'refused' if problems else 'accepted'}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
