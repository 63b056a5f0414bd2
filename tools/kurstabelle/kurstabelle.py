#!/usr/bin/env python3
"""Writes the rate table the program ships, resources/programm/currency.ini.

Inputs (both lie beside this script):
  legacy-euro-rates.tsv          the irrevocably fixed rates of the former
                                 national currencies of the euro area
                                 (Council Regulation (EC) No 2866/98 and its
                                 amendments)
  ecb-eurofxref-<date>.xml       the euro foreign exchange reference rates of
                                 the European Central Bank (source: ECB
                                 statistics)

The fixed rates come first, the Schilling at the top, then the rest in the
order of the TSV file; then every currency of the ECB file in its order. A
code that appears in both is written once, with its fixed rate: a fixed rate
is final, a reference rate of the same code can only be a leftover.

Record format, one per line, CR LF, Windows-1252:
  code:name:<rate>:<flag file>:<hand-set marker>
The rate is the program's locale-free number text (see zahltext below); the
marker is " 0" since none of these rates was set by hand.

Usage: kurstabelle.py [--ziel <program folder>] [--ecb <xml>] [--fest <tsv>]
The flag pictures must already be in the target folder (target flaggen_zeichnen).
"""

import argparse
import csv
import math
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

HIER = Path(__file__).resolve().parent
WURZEL = HIER.parent.parent

ECB_NS = "{http://www.ecb.int/vocabulary/2002-08-01/eurofxref}"

# Currencies listed first, whatever their place in the TSV file.
ZUERST = ["ATS"]

# German names that replace the TSV's own ones. The plain "Schilling" of the
# TSV would be ambiguous in a list beside other shillings.
NAMEN_FEST = {
    "ATS": "Österreichischer Schilling",
}

# German names of the ECB currencies. A code missing here stops the script,
# so a new currency in a later ECB file cannot slip in without a name.
NAMEN_ECB = {
    "USD": "US-Dollar",
    "JPY": "Japanischer Yen",
    "BGN": "Bulgarischer Lew",
    "CYP": "Zypern-Pfund",
    "CZK": "Tschechische Krone",
    "DKK": "Dänische Krone",
    "EEK": "Estnische Krone",
    "GBP": "Pfund Sterling",
    "HUF": "Ungarischer Forint",
    "LTL": "Litauischer Litas",
    "LVL": "Lettischer Lats",
    "MTL": "Maltesische Lira",
    "PLN": "Polnischer Zloty",
    "RON": "Rumänischer Leu",
    "SEK": "Schwedische Krone",
    "SIT": "Slowenischer Tolar",
    "SKK": "Slowakische Krone",
    "CHF": "Schweizer Franken",
    "ISK": "Isländische Krone",
    "NOK": "Norwegische Krone",
    "HRK": "Kroatische Kuna",
    "RUB": "Russischer Rubel",
    "TRY": "Türkische Lira",
    "AUD": "Australischer Dollar",
    "BRL": "Brasilianischer Real",
    "CAD": "Kanadischer Dollar",
    "CNY": "Chinesischer Yuan",
    "HKD": "Hongkong-Dollar",
    "IDR": "Indonesische Rupiah",
    "ILS": "Israelischer Schekel",
    "INR": "Indische Rupie",
    "KRW": "Südkoreanischer Won",
    "MXN": "Mexikanischer Peso",
    "MYR": "Malaysischer Ringgit",
    "NZD": "Neuseeland-Dollar",
    "PHP": "Philippinischer Peso",
    "SGD": "Singapur-Dollar",
    "THB": "Thailändischer Baht",
    "ZAR": "Südafrikanischer Rand",
}

# Flag picture of each currency: the country's ISO code, lower case, which
# flaggen draws as <code>.bmp. None for a currency whose flag has no simple
# shape that stays recognisable at 31 x 24 pixels (Cyprus: a map).
FLAGGEN = {
    "ATS": "at", "BEF": "be", "DEM": "de", "ESP": "es", "FIM": "fi",
    "FRF": "fr", "IEP": "ie", "ITL": "it", "LUF": "lu", "NLG": "nl",
    "PTE": "pt", "GRD": "gr", "SIT": "si", "CYP": None, "MTL": "mt",
    "SKK": "sk", "EEK": "ee", "LVL": "lv", "LTL": "lt", "HRK": "hr",
    "BGN": "bg",
    "USD": "us", "JPY": "jp", "CZK": "cz", "DKK": "dk", "GBP": "gb",
    "HUF": "hu", "PLN": "pl", "RON": "ro", "SEK": "se", "CHF": "ch",
    "ISK": "is", "NOK": "no", "TRY": "tr", "AUD": "au", "BRL": "br",
    "CAD": "ca", "CNY": "cn", "HKD": "hk", "IDR": "id", "ILS": "il",
    "INR": "in", "KRW": "kr", "MXN": "mx", "MYR": "my", "NZD": "nz",
    "PHP": "ph", "SGD": "sg", "THB": "th", "ZAR": "za",
}


class Fehler(Exception):
    pass


def zahltext(wert: float) -> str:
    """The rate file's number text: a blank for 0 or more, "-" otherwise; a
    point; no zero before the point below 1; up to 15 significant digits;
    fixed notation from 1E-04 up to below 1E15, else mantissa, "E", sign and
    at least two exponent digits."""
    if not math.isfinite(wert):
        raise Fehler(f"Kein endlicher Wert: {wert!r}")
    vorzeichen = "-" if wert < 0 else " "
    text = f"{abs(wert):.15g}"
    if "e" in text:
        mantisse, exponent = text.split("e")
        zahl = int(exponent)
        text = f"{mantisse}E{'-' if zahl < 0 else '+'}{abs(zahl):02d}"
    elif text.startswith("0."):
        text = text[1:]
    return vorzeichen + text


def feste_kurse(pfad: Path):
    with pfad.open(encoding="utf-8", newline="") as datei:
        zeilen = list(csv.DictReader(datei, delimiter="\t"))
    if not zeilen:
        raise Fehler(f"{pfad}: keine Kurse")
    saetze = []
    for zeile in zeilen:
        code = zeile["code"].strip()
        saetze.append((code, NAMEN_FEST.get(code, zeile["name_de"].strip()), zeile["rate"].strip()))
    vorne = [s for code in ZUERST for s in saetze if s[0] == code]
    return vorne + [s for s in saetze if s[0] not in ZUERST]


def ecb_kurse(pfad: Path):
    wurzel = ET.parse(pfad).getroot()
    tage = [c for c in wurzel.iter(ECB_NS + "Cube") if "time" in c.attrib]
    if len(tage) != 1:
        raise Fehler(f"{pfad}: {len(tage)} Tage statt einem")
    saetze = []
    for cube in tage[0]:
        code = cube.attrib["currency"]
        if code not in NAMEN_ECB:
            raise Fehler(f"Kein deutscher Name für {code}")
        saetze.append((code, NAMEN_ECB[code], cube.attrib["rate"]))
    return tage[0].attrib["time"], saetze


def zeile(code: str, name: str, kurs_text: str, ziel: Path) -> str:
    for teil in (code, name):
        if any(z in teil for z in ':,"') or teil != teil.strip() or not teil:
            raise Fehler(f"Unzulässiger Text im Satz {code}: {teil!r}")
    wert = float(kurs_text)
    text = zahltext(wert)
    if float(text) != wert:
        raise Fehler(f"{code}: {kurs_text} lässt sich nicht genau schreiben")
    if code not in FLAGGEN:
        raise Fehler(f"Keine Flaggenangabe für {code}")
    flagge = f"{FLAGGEN[code]}.bmp" if FLAGGEN[code] else ""
    if flagge and not (ziel / flagge).is_file():
        raise Fehler(f"{code}: {ziel / flagge} fehlt (erst flaggen_zeichnen laufen lassen)")
    return f"{code}:{name}:{text}:{flagge}:{zahltext(0)}\r\n"


def main() -> int:
    ecb_vorgabe = sorted(HIER.glob("ecb-eurofxref-*.xml"))
    argumente = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    argumente.add_argument("--ziel", type=Path, default=WURZEL / "resources" / "programm")
    argumente.add_argument("--ecb", type=Path, default=ecb_vorgabe[-1] if ecb_vorgabe else None)
    argumente.add_argument("--fest", type=Path, default=HIER / "legacy-euro-rates.tsv")
    a = argumente.parse_args()
    if a.ecb is None:
        print("Keine ECB-Datei gefunden", file=sys.stderr)
        return 2
    try:
        fest = feste_kurse(a.fest)
        tag, ecb = ecb_kurse(a.ecb)
        codes_fest = {code for code, _, _ in fest}
        saetze = list(fest)
        for satz in ecb:
            if satz[0] in codes_fest:
                print(f"{satz[0]}: fester Kurs statt ECB-Kurs {satz[2]}", file=sys.stderr)
            else:
                saetze.append(satz)
        inhalt = "".join(zeile(*satz, a.ziel) for satz in saetze)
        daten = inhalt.encode("cp1252")
    except (Fehler, OSError, KeyError, ValueError, ET.ParseError) as fehler:
        print(f"kurstabelle: {fehler}", file=sys.stderr)
        return 1
    (a.ziel / "currency.ini").write_bytes(daten)
    print(f"{len(saetze)} Währungen, ECB-Kurse vom {tag}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
