#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The quarimo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""debian/copyright must give every file the licence its REUSE data gives it.

Reads `reuse spdx` (run in the repository's root) and the Files stanzas of debian/copyright, where
the last stanza whose pattern matches a file decides, and `*` also matches a slash.
Usage: python3 scripts/check_copyright.py
"""

import fnmatch
import subprocess
import sys
from pathlib import Path

root = Path(__file__).resolve().parent.parent
spdx = subprocess.run(["reuse", "spdx"], cwd=root, check=True, capture_output=True, text=True).stdout

reuse_licences = {}
name = None
for line in spdx.splitlines():
    if line.startswith("FileName: "):
        name = line.removeprefix("FileName: ").removeprefix("./")
    elif line.startswith("LicenseInfoInFile: ") and name:
        reuse_licences.setdefault(name, set()).add(line.removeprefix("LicenseInfoInFile: "))

stanzas = []
for paragraph in (root / "debian" / "copyright").read_text(encoding="utf-8").split("\n\n"):
    fields, key = {}, None
    for line in paragraph.splitlines():
        if line.startswith((" ", "\t")) and key:
            fields[key] += " " + line.strip()
        elif ":" in line:
            key, value = line.split(":", 1)
            fields[key] = value.strip()
    if "Files" in fields:
        stanzas.append((fields["Files"].split(), fields["License"].split("\n")[0].strip()))

wrong = []
for name, licences in sorted(reuse_licences.items()):
    if name.startswith("LICENSES/") or name.endswith(".license"):
        continue
    debian = None
    for patterns, licence in stanzas:
        if any(fnmatch.fnmatchcase(name, p) for p in patterns):
            debian = licence
    if {debian} != licences:
        wrong.append(f"{name}: REUSE says {' AND '.join(sorted(licences))}, debian/copyright says {debian}")

for line in wrong:
    print(f"check_copyright: {line}", file=sys.stderr)
print(f"check_copyright: {len(reuse_licences)} files, {len(wrong)} with another licence in debian/copyright")
sys.exit(1 if wrong else 0)
