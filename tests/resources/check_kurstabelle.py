#!/usr/bin/env python3
"""Checks the shipped rate table resources/programm/currency.ini and its flag
pictures against the rate data it is built from.

Usage: check_kurstabelle.py --ordner <folder with currency.ini>
                            --daten <folder with the TSV and the ECB XML>
                            [--programmordner <built program folder>]
"""

import argparse
import csv
import re
import struct
import sys
import unittest
import xml.etree.ElementTree as ET
from pathlib import Path

ECB_NS = "{http://www.ecb.int/vocabulary/2002-08-01/eurofxref}"
FLAGGE = re.compile(r"[a-z]{2}\.bmp")
# A blank or minus, then fixed notation without a zero before the point and
# without trailing zeros, or a mantissa with E, sign and two or more digits.
ZAHL = re.compile(r"[ -](?:[1-9]\d*(?:\.\d*[1-9])?|0|\.\d*[1-9]|[1-9](?:\.\d*[1-9])?E[+-]\d{2,})")
BUCHSTABEN = re.compile(r"[A-Za-zÄÖÜäöüß]+(?:[ -][A-Za-zÄÖÜäöüß]+)*")
FLAGGEN_BREITE, FLAGGEN_HOEHE = 31, 24

ARGS = None


# --- reading the reference data --------------------------------------------


def feste_kurse(daten: Path):
    """[(code, rate, German name)] in file order."""
    with (daten / "legacy-euro-rates.tsv").open(encoding="utf-8", newline="") as datei:
        zeilen = csv.DictReader(datei, delimiter="\t")
        return [(z["code"], float(z["rate"]), z["name_de"]) for z in zeilen]


def ecb_kurse(daten: Path):
    """[(code, rate)] in file order."""
    dateien = sorted(daten.glob("ecb-eurofxref-*.xml"))
    if len(dateien) != 1:
        raise RuntimeError(f"{daten}: {len(dateien)} ECB-Dateien statt einer")
    tage = [c for c in ET.parse(dateien[0]).getroot().iter(ECB_NS + "Cube") if "time" in c.attrib]
    return [(c.attrib["currency"], float(c.attrib["rate"])) for c in tage[0]]


# --- the checks; each returns a list of faults ----------------------------


def zeilen_pruefen(inhalt: bytes):
    """Line ends, encoding and field layout. Returns (faults, records)."""
    fehler = []
    if not inhalt.endswith(b"\r\n"):
        fehler.append("letzte Zeile endet nicht mit CR LF")
    rohzeilen = inhalt.split(b"\r\n")
    if rohzeilen and rohzeilen[-1] == b"":
        rohzeilen.pop()
    saetze = []
    for nummer, roh in enumerate(rohzeilen, 1):
        if b"\r" in roh or b"\n" in roh:
            fehler.append(f"Zeile {nummer}: Zeilenende ist nicht CR LF")
            continue
        try:
            text = roh.decode("cp1252")
        except UnicodeDecodeError as e:
            fehler.append(f"Zeile {nummer}: kein Windows-1252 ({e.reason})")
            continue
        # UTF-8 read as Windows-1252 turns every umlaut into "Ã" or "Â" and
        # a second character.
        if "Ã" in text or "Â" in text:
            fehler.append(f"Zeile {nummer}: Umlaute als UTF-8 statt als ein Byte: {text!r}")
        felder = text.split(":")
        if len(felder) != 5:
            fehler.append(f"Zeile {nummer}: {len(felder)} Felder statt 5: {text!r}")
            continue
        code, name, kurs, flagge, marke = felder
        if not re.fullmatch(r"[A-Z]{3}", code):
            fehler.append(f"Zeile {nummer}: Code {code!r} ist nicht dreistellig gross")
        if not BUCHSTABEN.fullmatch(name):
            fehler.append(f"Zeile {nummer}: Name {name!r} hat unerwartete Zeichen")
        for feld, wert in (("Kurs", kurs), ("Marke", marke)):
            if not ZAHL.fullmatch(wert):
                fehler.append(f"Zeile {nummer}: {feld} {wert!r} ist kein Zahltext der Kursdatei")
        if len(re.sub(r"\D", "", kurs.split("E")[0]).lstrip("0")) > 15:
            fehler.append(f"Zeile {nummer}: Kurs {kurs!r} hat mehr als 15 Stellen")
        if "E" in kurs and 1e-4 <= abs(float(kurs)) < 1e15:
            fehler.append(f"Zeile {nummer}: Kurs {kurs!r} in Exponentform")
        if marke != " 0":
            fehler.append(f"{code}: Handmarke {marke!r}, ausgeliefert wird keine")
        saetze.append((code, name, kurs, flagge))
    return fehler, saetze


def kurse_pruefen(saetze, daten: Path):
    """Every currency of the reference data once, in order, at its rate."""
    fehler = []
    fest = feste_kurse(daten)
    ecb = ecb_kurse(daten)
    codes_fest = {code for code, _, _ in fest}
    erwartet = {code: kurs for code, kurs in ecb}
    erwartet.update({code: kurs for code, kurs, _ in fest})  # a fixed rate wins
    reihenfolge = ["ATS"] + [c for c, _, _ in fest if c != "ATS"]
    reihenfolge += [c for c, _ in ecb if c not in codes_fest]

    codes = [s[0] for s in saetze]
    doppelt = sorted({c for c in codes if codes.count(c) > 1})
    if doppelt:
        fehler.append(f"doppelte Codes: {doppelt}")
    fehlend = [c for c in reihenfolge if c not in codes]
    if fehlend:
        fehler.append(f"fehlende Währungen: {fehlend}")
    fremd = [c for c in codes if c not in erwartet]
    if fremd:
        fehler.append(f"Währungen ohne Kurs in den Daten: {fremd}")
    if not doppelt and not fehlend and not fremd and codes != reihenfolge:
        fehler.append(f"Reihenfolge {codes} statt {reihenfolge}")

    for code, _, kurs, _ in saetze:
        if code in erwartet and ZAHL.fullmatch(kurs) and float(kurs) != erwartet[code]:
            fehler.append(f"{code}: Kurs {kurs.strip()} statt {erwartet[code]!r}")

    namen = {code: name for code, name, _, _ in saetze}
    soll = {code: name for code, _, name in fest}
    soll["ATS"] = "Österreichischer Schilling"
    for code, name in soll.items():
        if code in namen and namen[code] != name:
            fehler.append(f"{code}: Name {namen[code]!r} statt {name!r}")
    return fehler


def bmp_pruefen(pfad: Path):
    """A fault text, or None for an uncompressed 24-bit 31 x 24 BMP that is
    not a single colour."""
    daten = pfad.read_bytes()
    if len(daten) < 54 or daten[:2] != b"BM":
        return "kein BMP"
    groesse, offset, kopf, breite, hoehe, ebenen, bits, kompression = struct.unpack_from(
        "<I4xIIiiHHI", daten, 2)
    if groesse != len(daten):
        return f"Dateigrösse {len(daten)}, im Kopf {groesse}"
    if kopf < 40 or ebenen != 1 or bits != 24 or kompression != 0:
        return f"{bits} Bit, Kompression {kompression}: nicht 24 Bit unkomprimiert"
    if (breite, abs(hoehe)) != (FLAGGEN_BREITE, FLAGGEN_HOEHE):
        return f"{breite} x {abs(hoehe)} statt {FLAGGEN_BREITE} x {FLAGGEN_HOEHE}"
    zeile = (breite * 3 + 3) // 4 * 4
    if offset + zeile * abs(hoehe) > len(daten):
        return "Bilddaten zu kurz"
    farben = {daten[offset + y * zeile + 3 * x: offset + y * zeile + 3 * x + 3]
              for y in range(abs(hoehe)) for x in range(breite)}
    if len(farben) < 2:
        return "nur eine Farbe"
    return None


def flaggen_pruefen(saetze, ordner: Path):
    """Every named flag exists, is the country's own and a proper picture;
    no flag picture lies unused beside the table."""
    fehler = []
    genannt = set()
    for code, _, _, flagge in saetze:
        if not flagge:
            continue
        genannt.add(flagge)
        # An ISO 4217 code begins with the ISO 3166 code of its country.
        if flagge != code[:2].lower() + ".bmp":
            fehler.append(f"{code}: Flagge {flagge!r} gehört zu einem anderen Land")
        pfad = ordner / flagge
        if not pfad.is_file():
            fehler.append(f"{code}: Flagge {flagge} fehlt")
            continue
        mangel = bmp_pruefen(pfad)
        if mangel:
            fehler.append(f"{code}: Flagge {flagge}: {mangel}")
    for pfad in sorted(ordner.glob("*.bmp")):
        if FLAGGE.fullmatch(pfad.name) and pfad.name not in genannt:
            fehler.append(f"Flagge {pfad.name} ist keiner Währung zugeordnet")
    return fehler


# --- tests -----------------------------------------------------------------


class AusgelieferteTabelle(unittest.TestCase):
    def setUp(self):
        self.inhalt = (ARGS.ordner / "currency.ini").read_bytes()
        self.fehler, self.saetze = zeilen_pruefen(self.inhalt)

    def test_zeilen_und_kodierung(self):
        self.assertEqual([], self.fehler)
        self.assertIn("Österreichischer Schilling".encode("cp1252"), self.inhalt)

    def test_kurse_wie_in_den_daten(self):
        self.assertEqual([], kurse_pruefen(self.saetze, ARGS.daten))

    def test_flaggen(self):
        self.assertEqual([], flaggen_pruefen(self.saetze, ARGS.ordner))

    def test_programmordner_hat_tabelle_und_flaggen(self):
        if ARGS.programmordner is None:
            self.skipTest("kein Programmordner angegeben")
        self.assertTrue((ARGS.programmordner / "currency.ini").is_file())
        for code, _, _, flagge in self.saetze:
            if flagge:
                with self.subTest(code=code):
                    kopie = ARGS.programmordner / flagge
                    self.assertTrue(kopie.is_file(), f"{kopie} fehlt")
                    self.assertEqual((ARGS.ordner / flagge).read_bytes(), kopie.read_bytes())


def main():
    global ARGS
    argumente = argparse.ArgumentParser()
    argumente.add_argument("--ordner", type=Path, required=True)
    argumente.add_argument("--daten", type=Path, required=True)
    argumente.add_argument("--programmordner", type=Path)
    ARGS, rest = argumente.parse_known_args()
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
