#!/usr/bin/env python3
"""Checks the shipped rate table resources/programm/currency.ini and its flag
pictures against the rate data it is built from.

Usage: check_kurstabelle.py --ordner <folder with currency.ini>
                            --daten <folder with the TSV and the ECB XML>
                            [--programmordner <built program folder>]

The first group of tests checks the shipped files; the second breaks copies
of them in one way each and makes sure the checks notice.
"""

import argparse
import csv
import re
import shutil
import struct
import sys
import tempfile
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


def alles_pruefen(ordner: Path, daten: Path):
    fehler, saetze = zeilen_pruefen((ordner / "currency.ini").read_bytes())
    return fehler + kurse_pruefen(saetze, daten) + flaggen_pruefen(saetze, ordner)


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


def bmp(breite, hoehe, bits=24):
    """An uncompressed two-coloured BMP."""
    zeile = (breite * bits // 8 + 3) // 4 * 4
    pixel = bytearray(zeile * hoehe)
    pixel[:3] = b"\xff\xff\xff"
    kopf = struct.pack("<2sIHHIIiiHHIIiiII", b"BM", 54 + len(pixel), 0, 0, 54, 40, breite, hoehe,
                       1, bits, 0, len(pixel), 2835, 2835, 0, 0)
    return kopf + bytes(pixel)


class Fehlererkennung(unittest.TestCase):
    """Each case breaks a copy of the shipped folder in one way; the checks
    must report it with the given words."""

    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.ordner = Path(self.tmp.name)
        for pfad in list(ARGS.ordner.glob("*.bmp")) + [ARGS.ordner / "currency.ini"]:
            shutil.copy(pfad, self.ordner / pfad.name)
        self.ini = self.ordner / "currency.ini"

    def tearDown(self):
        self.tmp.cleanup()

    def zeilen(self):
        return self.ini.read_bytes().decode("cp1252").split("\r\n")[:-1]

    def schreiben(self, zeilen):
        self.ini.write_bytes("".join(z + "\r\n" for z in zeilen).encode("cp1252"))

    def feld(self, code, nummer):
        return next(z.split(":")[nummer] for z in self.zeilen() if z.startswith(code + ":"))

    def aendern(self, code, nummer, wert):
        """Sets field `nummer` (0 to 4) of the record of `code`; None drops it."""
        zeilen = self.zeilen()
        for i, zeile in enumerate(zeilen):
            felder = zeile.split(":")
            if felder[0] == code:
                if wert is None:
                    del felder[nummer]
                else:
                    felder[nummer] = wert
                zeilen[i] = ":".join(felder)
                self.schreiben(zeilen)
                return
        self.fail(f"{code} fehlt in der Tabelle")

    def gemeldet(self, *woerter):
        fehler = alles_pruefen(self.ordner, ARGS.daten)
        self.assertTrue(any(all(w in f for w in woerter) for f in fehler),
                        f"erwartet {woerter}, gemeldet: {fehler}")

    def test_unversehrte_kopie_ohne_fehler(self):
        self.assertEqual([], alles_pruefen(self.ordner, ARGS.daten))

    def test_falscher_kurs(self):
        self.aendern("USD", 2, self.feld("USD", 2) + "1")
        self.gemeldet("USD", "Kurs")

    def test_gerundeter_fester_kurs(self):
        self.aendern("DEM", 2, self.feld("DEM", 2)[:-1])
        self.gemeldet("DEM", "Kurs")

    def test_null_vor_dem_punkt(self):
        code = next(z.split(":")[0] for z in self.zeilen() if z.split(":")[2].startswith(" ."))
        self.aendern(code, 2, " 0" + self.feld(code, 2).lstrip())
        self.gemeldet("Kurs", "Zahltext")

    def test_fehlende_flagge(self):
        (self.ordner / self.feld("USD", 3)).unlink()
        self.gemeldet("USD", "fehlt")

    def test_flagge_falscher_groesse(self):
        (self.ordner / self.feld("USD", 3)).write_bytes(bmp(32, 24))
        self.gemeldet("USD", "32 x 24")

    def test_flagge_mit_8_bit(self):
        (self.ordner / self.feld("USD", 3)).write_bytes(bmp(31, 24, 8))
        self.gemeldet("USD", "8 Bit")

    def test_flagge_eines_anderen_landes(self):
        self.aendern("DEM", 3, self.feld("ATS", 3))
        self.gemeldet("DEM", "anderen Land")

    def test_unbenutzte_flagge(self):
        (self.ordner / "xx.bmp").write_bytes((self.ordner / self.feld("ATS", 3)).read_bytes())
        self.gemeldet("xx.bmp", "keiner")

    def test_zeilenende_lf(self):
        self.ini.write_bytes(self.ini.read_bytes().replace(b"\r\n", b"\n"))
        self.gemeldet("CR LF")

    def test_utf8(self):
        self.ini.write_bytes(self.ini.read_bytes().decode("cp1252").encode("utf-8"))
        self.gemeldet("UTF-8")

    def test_vier_felder(self):
        self.aendern("USD", 4, None)
        self.gemeldet("4 Felder")

    def test_doppelter_code(self):
        zeilen = self.zeilen()
        self.schreiben(zeilen + zeilen[-1:])
        self.gemeldet("doppelte", zeilen[-1].split(":")[0])

    def test_fehlende_waehrung(self):
        zeilen = self.zeilen()
        self.schreiben(zeilen[:-1])
        self.gemeldet("fehlende", zeilen[-1].split(":")[0])

    def test_schilling_nicht_zuerst(self):
        zeilen = self.zeilen()
        self.schreiben(zeilen[1:] + zeilen[:1])
        self.gemeldet("Reihenfolge")

    def test_handmarke(self):
        self.aendern("USD", 4, " 1")
        self.gemeldet("USD", "Handmarke")


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
