#!/usr/bin/env python3
"""Fails when a translation file lacks a translation or keeps one whose
German text is gone: lupdate brings a copy of each .ts file up to date with
the sources, and every message left unfinished, vanished or obsolete (or
translated by an empty text) is named.

Usage: uebersetzungen_pruefen.py <lupdate> <source folder> <file.ts>...
"""

import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path


def maengel(ts: Path):
    for kontext in ET.parse(ts).getroot().iter("context"):
        name = kontext.findtext("name")
        for nachricht in kontext.iter("message"):
            uebersetzung = nachricht.find("translation")
            art = uebersetzung.get("type", "") if uebersetzung is not None else "fehlt"
            formen = [] if uebersetzung is None else (
                [f.text for f in uebersetzung.iter("numerusform")] or [uebersetzung.text])
            if art in ("unfinished", "vanished", "obsolete", "fehlt") or not all(formen):
                yield f"{name}: {nachricht.findtext('source')!r} ({art or 'leer'})"


def main():
    lupdate, quellen, dateien = sys.argv[1], sys.argv[2], sys.argv[3:]
    fehler = 0
    with tempfile.TemporaryDirectory() as tmp:
        for datei in map(Path, dateien):
            kopie = Path(tmp) / datei.name
            shutil.copyfile(datei, kopie)
            subprocess.run([lupdate, "-silent", "-locations", "none", "-no-ui-lines", quellen,
                            "-ts", str(kopie)], check=True)
            for mangel in maengel(kopie):
                print(f"{datei.name}: {mangel}")
                fehler += 1
    print(f"{fehler} fehlende oder veraltete Übersetzungen" if fehler else "vollständig")
    return 1 if fehler else 0


if __name__ == "__main__":
    sys.exit(main())
