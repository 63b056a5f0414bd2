#!/usr/bin/env python3
"""Mutation check: how many planted faults does the test suite catch?

Each entry of the lists in scripts/mutanten/ plants one fault in src/: a
fragment of one file is replaced by another. For every entry this script
builds a copy of the working tree with that fault, runs the tests whose
programs the fault reached and counts the entry as caught when one of them
fails (or the build of a test fails to finish in time). It prints one line
per entry and the score per library.

List format, one block per fault:

    == what the fault is
    @ src/core/Rechenwerk.cpp
    - text as it stands (must occur exactly once in the file)
    + text that replaces it

Several "-" or "+" lines form a multi-line fragment; a lone "+" replaces
the fragment with nothing. Lines starting with "#" are comments.

The build lies in build/mutanten (unoptimised, no benchmarks); the working
tree itself is never changed.
"""

import argparse
import json
import os
import re
import shlex
import shutil
import subprocess
import sys
import time
from dataclasses import dataclass, field
from pathlib import Path

WURZEL = Path(__file__).resolve().parent.parent
LISTEN = WURZEL / "scripts" / "mutanten"


@dataclass
class Mutante:
    titel: str
    datei: str = ""
    alt: list = field(default_factory=list)
    neu: list = field(default_factory=list)
    herkunft: str = ""

    @property
    def bibliothek(self):
        teile = Path(self.datei).parts
        return teile[1] if len(teile) > 2 and teile[0] == "src" else "?"


def listen_lesen(dateien):
    mutanten = []
    for liste in dateien:
        aktuell = None
        for nummer, zeile in enumerate(liste.read_text(encoding="utf-8").splitlines(), 1):
            herkunft = f"{liste.name}:{nummer}"
            if zeile.startswith("#") or not zeile.strip():
                continue
            if zeile.startswith("== "):
                aktuell = Mutante(zeile[3:].strip(), herkunft=herkunft)
                mutanten.append(aktuell)
            elif aktuell is None:
                sys.exit(f"{herkunft}: Eintrag ohne Titel")
            elif zeile.startswith("@ "):
                aktuell.datei = zeile[2:].strip()
            elif zeile.startswith("-"):
                aktuell.alt.append(zeile[2:] if zeile.startswith("- ") else zeile[1:])
            elif zeile.startswith("+"):
                aktuell.neu.append(zeile[2:] if zeile.startswith("+ ") else zeile[1:])
            else:
                sys.exit(f"{herkunft}: unbekannte Zeile: {zeile}")
    return mutanten


def pruefen(mutanten, quelle):
    """Every fragment must stand exactly once in its file and change it."""
    fehler = []
    for m in mutanten:
        pfad = quelle / m.datei
        if not m.datei or not m.alt:
            fehler.append(f"{m.herkunft}: Datei oder Fragment fehlt")
        elif not pfad.is_file():
            fehler.append(f"{m.herkunft}: {m.datei} fehlt")
        else:
            alt, neu = "\n".join(m.alt), "\n".join(m.neu)
            anzahl = pfad.read_text(encoding="utf-8").count(alt)
            if anzahl != 1 or alt == neu:
                fehler.append(f"{m.herkunft}: Fragment steht {anzahl}-mal in {m.datei}: {alt!r}")
    return fehler


def uebersetzen(mutanten, befehle):
    """Compiles each mutated file, syntax only, with the flags the default
    build gives its own file (a header: those of a source beside it)."""
    fehler = []
    for m in mutanten:
        pfad = WURZEL / m.datei
        befehl = befehle.get(str(pfad)) or next(
            (b for d, b in befehle.items() if Path(d).parent == pfad.parent), None)
        if befehl is None:
            continue
        text = pfad.read_text(encoding="utf-8").replace("\n".join(m.alt), "\n".join(m.neu))
        text = text.replace("#pragma once", "", 1)  # compiled alone, a header is a main file
        teile, argumente, i = shlex.split(befehl["command"]), [], 1
        while i < len(teile):
            if teile[i] in ("-o", "-c", "-MF", "-MT", "-MQ"):
                i += 2
                continue
            if teile[i] not in ("-MD", "-MMD") and not teile[i].endswith((".cpp", ".cc")):
                argumente.append(teile[i])
            i += 1
        lauf = subprocess.run([teile[0], *argumente, "-fsyntax-only", "-iquote", str(pfad.parent),
                               "-x", "c++", "-"], input=text.encode(), cwd=befehl["directory"],
                              capture_output=True)
        if lauf.returncode:
            meldung = lauf.stderr.decode(errors="replace").strip().splitlines()
            fehler.append(f"{m.herkunft}: übersetzt nicht: {meldung[0] if meldung else ''}")
    return fehler


def baum_spiegeln(ziel):
    """Copies the working tree's files, leaving unchanged ones untouched so
    that ninja rebuilds only what differs."""
    dateien = subprocess.run(["git", "ls-files", "-co", "--exclude-standard", "-z"], cwd=WURZEL,
                             check=True, capture_output=True).stdout.decode().split("\0")
    for name in filter(None, dateien):
        quelle, kopie = WURZEL / name, ziel / name
        if not quelle.is_file():
            continue
        if kopie.is_file() and kopie.read_bytes() == quelle.read_bytes():
            continue
        kopie.parent.mkdir(parents=True, exist_ok=True)
        shutil.copy2(quelle, kopie)


def bauen(bau, frist):
    try:
        return subprocess.run(["ninja", "-C", str(bau)], capture_output=True,
                              timeout=frist).returncode == 0
    except subprocess.TimeoutExpired:
        return False


def programme(bau):
    """Modification times of every executable in the build."""
    zeiten = {}
    for wurzel, _, namen in os.walk(bau):
        for name in namen:
            pfad = os.path.join(wurzel, name)
            if os.access(pfad, os.X_OK) and not name.endswith((".sh", ".py")) and "CMakeFiles" not in wurzel:
                zeiten[pfad] = os.stat(pfad).st_mtime_ns
    return zeiten


def testlaeufe(bau):
    """The suite as (name, command, programs it runs) — a gtest program
    once for all its cases, every other test on its own."""
    daten = json.loads(subprocess.run(["ctest", "--show-only=json-v1"], cwd=bau, check=True,
                                      capture_output=True).stdout)
    laeufe, gtest = [], set()
    for test in daten["tests"]:
        befehl = test.get("command") or []
        if not befehl:
            continue
        if "--gtest_also_run_disabled_tests" in befehl:  # one case of a gtest program
            if befehl[0] not in gtest:
                gtest.add(befehl[0])
                laeufe.append((Path(befehl[0]).name, [befehl[0], "--gtest_brief=1"], {befehl[0]}))
        else:
            bezug = {a for a in befehl if a.startswith(str(bau))}
            laeufe.append((test["name"], ["ctest", "-R", f"^{re.escape(test['name'])}$",
                                          "--no-tests=error"], bezug))
    # Quick programs first: a caught fault stops at the first failure.
    return sorted(laeufe, key=lambda l: l[1][0] == "ctest")


def laufen(lauf, bau, frist, faelle=None):
    """Runs one test program or script test; True when it passes. With a
    list in `faelle`, the failing cases are added to it by name."""
    name, befehl, _ = lauf
    bericht = bau / "mutanten-faelle.json"
    if faelle is not None and befehl[0] != "ctest":
        befehl = befehl + [f"--gtest_output=json:{bericht}"]
        bericht.unlink(missing_ok=True)
    try:
        ok = subprocess.run(befehl, cwd=bau, capture_output=True, timeout=frist).returncode == 0
    except subprocess.TimeoutExpired:
        ok = False
    if faelle is not None and not ok:
        try:
            daten = json.loads(bericht.read_text()) if befehl[0] != "ctest" else {}
            faelle += [f"{r['classname']}.{r['name']}" for s in daten.get("testsuites", [])
                       for r in s["testsuite"] if r.get("failures")] or [name]
        except (OSError, ValueError):
            faelle.append(name)
    return ok


def betroffen(lauf, neu_gebaut):
    _, _, bezug = lauf
    # A module the programs load at run time (the network module) reaches
    # every test.
    if any(n.endswith(".so") for n in neu_gebaut):
        return True
    return any(p in neu_gebaut or any(n.startswith(p + "/") for n in neu_gebaut) for p in bezug)


def faelle_berichten(zuordnung, datei):
    """Writes entry -> catching cases, and prints for each case how many
    entries it catches and how many of them no other case catches."""
    datei.write_text(json.dumps(zuordnung, ensure_ascii=False, indent=1), encoding="utf-8")
    alle, allein = {}, {}
    for faenger in zuordnung.values():
        for fall in set(faenger):
            alle[fall] = alle.get(fall, 0) + 1
            if len(set(faenger)) == 1:
                allein[fall] = allein.get(fall, 0) + 1
    print("\nFälle (fängt / allein):")
    for fall in sorted(alle, key=lambda f: (allein.get(f, 0), alle[f])):
        print(f"  {alle[fall]:3} / {allein.get(fall, 0):3}  {fall}")


def main():
    karte = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    karte.add_argument("--bau", type=Path, default=WURZEL / "build" / "mutanten")
    karte.add_argument("--nur", nargs="*", default=[], help="only these libraries (core, data, ...)")
    karte.add_argument("--liste", nargs="*", type=Path, help="list files (default: scripts/mutanten/*.txt)")
    karte.add_argument("--ergebnis", type=Path, help="write the escaped entries to this file")
    karte.add_argument("--faelle", type=Path,
                       help="run every affected test fully and write which cases catch which entry")
    karte.add_argument("--pruefen", action="store_true", help="only check that every entry applies and compiles")
    arg = karte.parse_args()

    mutanten = listen_lesen(arg.liste or sorted(LISTEN.glob("*.txt")))
    if arg.nur:
        mutanten = [m for m in mutanten if m.bibliothek in arg.nur]
    fehler = pruefen(mutanten, WURZEL)
    if fehler:
        sys.exit("\n".join(fehler))
    print(f"{len(mutanten)} Mutanten passen auf den Quelltext.")
    if arg.pruefen:
        befehle = WURZEL / "build" / "default" / "compile_commands.json"
        if befehle.exists():
            fehler = uebersetzen(mutanten, {b["file"]: b for b in json.loads(befehle.read_text())})
            print("\n".join(fehler) or "Alle übersetzen.")
        sys.exit(1 if fehler else 0)

    quelle, bau = arg.bau / "quelle", arg.bau / "bau"
    baum_spiegeln(quelle)
    # The test programs and the build read these from the inherited environment.
    os.environ.setdefault("QT_QPA_PLATFORM", "offscreen")
    if shutil.which("ccache"):
        os.environ.setdefault("CMAKE_CXX_COMPILER_LAUNCHER", "ccache")
    if not (bau / "build.ninja").exists():
        subprocess.run(["cmake", "-S", str(quelle), "-B", str(bau), "-G", "Ninja", "-DCMAKE_BUILD_TYPE=",
                        "-DZIRVANTO_BENCH=OFF", "-DZIRVANTO_WERROR=OFF"], check=True, stdout=subprocess.DEVNULL)
    if not bauen(bau, 3600):
        sys.exit("Der unveränderte Quelltext baut nicht.")
    laeufe = testlaeufe(bau)
    kaputt = [l[0] for l in laeufe if not laufen(l, bau, 600)]
    if kaputt:
        sys.exit("Ohne Mutation schlagen schon fehl: " + ", ".join(kaputt))

    start, stand, entkommen, zuordnung = time.monotonic(), {}, [], {}
    try:
        for nummer, m in enumerate(mutanten, 1):
            pfad = quelle / m.datei
            original = pfad.read_text(encoding="utf-8")
            pfad.write_text(original.replace("\n".join(m.alt), "\n".join(m.neu)), encoding="utf-8")
            try:
                vorher = programme(bau)
                if bauen(bau, 900):
                    nachher = programme(bau)
                    neu = {p for p, t in nachher.items() if vorher.get(p) != t}
                    if arg.faelle:
                        faenger = []
                        for l in laeufe:
                            if betroffen(l, neu):
                                laufen(l, bau, 120, faenger)
                        zuordnung[f"{m.titel} ({m.herkunft})"] = faenger
                        gefangen = bool(faenger)
                    else:
                        gefangen = any(not laufen(l, bau, 120) for l in laeufe if betroffen(l, neu))
                    urteil = "gefangen " if gefangen else "ENTKOMMEN"
                else:
                    gefangen, urteil = None, "BAUT NICHT"
            finally:
                pfad.write_text(original, encoding="utf-8")
            print(f"[{nummer:3}/{len(mutanten)}] {urteil}  {m.bibliothek:10} {m.titel}  ({m.herkunft})",
                  flush=True)
            if gefangen is not None:
                zaehler = stand.setdefault(m.bibliothek, [0, 0])
                zaehler[0] += gefangen
                zaehler[1] += 1
            if not gefangen:
                entkommen.append(f"{urteil.strip()}: {m.bibliothek}: {m.titel} ({m.herkunft})")
    finally:
        bauen(bau, 3600)

    print(f"\nGefangen je Bibliothek ({time.monotonic() - start:.0f} s):")
    for bibliothek, (g, n) in sorted(stand.items()):
        print(f"  {bibliothek:10} {g:3} / {n:3}")
    g, n = sum(z[0] for z in stand.values()), sum(z[1] for z in stand.values())
    print(f"  {'zusammen':10} {g:3} / {n:3}  ({100 * g / max(n, 1):.1f} %)")
    if arg.faelle:
        faelle_berichten(zuordnung, arg.faelle)
    if arg.ergebnis:
        arg.ergebnis.write_text("".join(e + "\n" for e in entkommen), encoding="utf-8")
    if any(e.startswith("BAUT NICHT") for e in entkommen):
        sys.exit(1)


if __name__ == "__main__":
    main()
