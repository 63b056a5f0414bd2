#!/usr/bin/env python3
"""Installs the build into a temporary DESTDIR and checks the installed tree
the way a desktop sees it: the desktop entry and the AppStream metainfo
validate, and the installed program, started with HOME and the XDG folders
in a temporary folder, keeps its files in the user's data folder and leaves
the install tree as it was, byte for byte. From the terminal, the installed
program updates its rates from a loopback server through the network module
it loads from the install tree.

The program is driven like a user would drive it: on a virtual X display
(Xvfb), its controls found over the accessibility bus (AT-SPI) and clicked
with real pointer events.

Usage: installation_test.py --build <build folder> --prefix <install prefix>
                            --id <application id> --cmake <cmake>
                            --ezb <a daily ECB feed>
       installation_test.py --fahren <program> <data folder> <frame buffer>
                                                              (internal)
"""

import argparse
import hashlib
import http.server
import os
import shutil
import stat
import struct
import subprocess
import sys
import tempfile
import threading
import time
from pathlib import Path

WARTEZEIT = 60  # seconds for any one thing to appear; the ASan build is slow
ERSTE_FRAGE = "Wollen Sie die Wechselkurse bei jedem Programmstart automatisch aktualisieren?"


class Fehler(Exception):
    pass


def warten(pruefen, was, sekunden=WARTEZEIT):
    ende = time.monotonic() + sekunden
    while time.monotonic() < ende:
        try:
            ergebnis = pruefen()
        except Exception:  # the accessibility tree changes while it is read
            ergebnis = None
        if ergebnis:
            return ergebnis
        time.sleep(0.1)
    raise Fehler(f"{was}: nach {sekunden} s nicht da")


# --- driving the program (runs inside its own D-Bus session) --------------


def bildpunkte(bildschirm: Path, r):
    """The colours (R, G, B) of a rectangle of the screen, read from the
    frame buffer Xvfb keeps in an XWD file (32 bits a pixel, blue first)."""
    daten = bildschirm.read_bytes()
    kopf = struct.unpack(">25I", daten[:100])
    anfang, zeile = kopf[0] + kopf[19] * 12, kopf[12]
    return [tuple(daten[anfang + y * zeile + x * 4 + 2 - i] for i in range(3))
            for y in range(r.y, r.y + r.height) for x in range(r.x, r.x + r.width)]


def fahren(programm, datenordner, bildschirm):
    import pyatspi

    def anwendung():
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            if desktop[i] is not None and desktop[i].name == "Zirvanto":
                return desktop[i]
        return None

    def suchen(knoten, rolle, name):
        if knoten is None:
            return None
        if rolle in (None, knoten.getRoleName()) and knoten.name == name:
            if knoten.getState().contains(pyatspi.STATE_SHOWING):
                return knoten
        for i in range(knoten.childCount):
            gefunden = suchen(knoten[i], rolle, name)
            if gefunden is not None:
                return gefunden
        return None

    def element(rolle, name):
        return warten(lambda: suchen(anwendung(), rolle, name), f"{rolle or ''} \"{name}\"")

    def klicken(knoten):
        # Near the left edge: the items of an open list reach past its popup.
        r = knoten.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        pyatspi.Registry.generateMouseEvent(r.x + min(r.width // 2, 10), r.y + r.height // 2, "b1c")

    umgebung = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    # The registry first: a program that starts before it may never be listed.
    pyatspi.Registry.getDesktop(0)
    prozess = subprocess.Popen([programm], env=umgebung, cwd=tempfile.gettempdir())
    try:
        element("label", ERSTE_FRAGE)
        element("push button", "Nein").queryAction().doAction(0)
        element("push button", "Kurstabelle öffnen oder schließen").queryAction().doAction(0)
        # A click can come before the window has taken its new width, and the
        # items of a closed list count as showing: so click until the list is
        # open, then pick the item, and try again when the pick is not saved.
        liste = element("combo box", "Währung in Zeile 1")
        einstellungen = Path(datenordner) / "zirvanto.ini"
        gewaehlt = lambda: b"\r\nActive = ATS;1\r\n" in einstellungen.read_bytes()
        for _ in range(5):
            klicken(liste)
            try:
                warten(lambda: liste.getState().contains(pyatspi.STATE_EXPANDED), "Liste", 3)
                klicken(element("list item", "ATS"))
                warten(gewaehlt, "Auswahl", 5)
                break
            except Fehler:
                pass
        warten(gewaehlt, f"\"Active = ATS;1\" in {einstellungen}", 1)
        # The user's folder has no flags: the red of at.bmp comes from share/zirvanto.
        flagge = element(None, "Flagge in Zeile 1").queryComponent()
        warten(lambda: (200, 16, 46) in bildpunkte(
            Path(bildschirm), flagge.getExtents(pyatspi.DESKTOP_COORDS)), "Flagge in Zeile 1")
        if prozess.poll() is not None:
            raise Fehler(f"Programm beendet mit {prozess.returncode}")
    finally:
        prozess.terminate()
        prozess.wait()


# --- the checks -----------------------------------------------------------


def abbild(wurzel: Path):
    """Every entry below the root with its mode and, for files, its bytes' hash."""
    eintraege = {}
    for pfad in sorted(wurzel.rglob("*")):
        info = pfad.lstat()
        inhalt = hashlib.sha256(pfad.read_bytes()).hexdigest() if pfad.is_file() else ""
        eintraege[str(pfad.relative_to(wurzel))] = (stat.filemode(info.st_mode), inhalt)
    return eintraege


def pruefen_ohne_fehler(befehl):
    lauf = subprocess.run(befehl, capture_output=True, text=True)
    ausgabe = (lauf.stdout + lauf.stderr).strip()
    if ausgabe:
        print(ausgabe)
    if lauf.returncode != 0 or any(w in ausgabe for w in ("error:", "warning:")):
        raise Fehler(f"{' '.join(map(str, befehl))} meldet Fehler")


# "zirvanto --update" against a loopback server that serves `xml` for every
# request; the settings of `datenordner` are pointed at it.
def terminal_update(programm: Path, datenordner: Path, xml: bytes, umgebung):
    class Antwort(http.server.BaseHTTPRequestHandler):
        def do_GET(self):
            self.send_response(200)
            self.send_header("Content-Length", str(len(xml)))
            self.end_headers()
            self.wfile.write(xml)

        def log_message(self, *_):
            pass

    server = http.server.HTTPServer(("127.0.0.1", 0), Antwort)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    try:
        ini = datenordner / "zirvanto.ini"
        zeilen = [z for z in ini.read_bytes().split(b"\r\n")
                  if z and not z.startswith(b"CurrencyURL")]
        zeilen.append(b"CurrencyURL = http://127.0.0.1:%d/k" % server.server_address[1])
        ini.write_bytes(b"\r\n".join(zeilen) + b"\r\n")
        lauf = subprocess.run([programm, "--update"], capture_output=True, text=True,
                              env={n: w for n, w in umgebung.items() if n != "DISPLAY"},
                              timeout=WARTEZEIT)
        if lauf.returncode != 0:
            raise Fehler(f"zirvanto --update: {lauf.returncode}: {lauf.stderr}")
    finally:
        server.shutdown()


def x_starten(tmp: Path):
    """A virtual display of its own, its frame buffer in tmp/Xvfb_screen0;
    returns the process and the DISPLAY value."""
    lesen, schreiben = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(schreiben), "-screen", "0", "1024x768x24",
                             "-fbdir", tmp, "-nolisten", "tcp"], pass_fds=[schreiben], cwd=tmp,
                            stderr=subprocess.DEVNULL)
    os.close(schreiben)
    with os.fdopen(lesen) as f:
        nummer = f.readline().strip()
    if not nummer:
        xvfb.kill()
        raise Fehler("Xvfb startet nicht")
    return xvfb, ":" + nummer


def main():
    args = argparse.ArgumentParser()
    args.add_argument("--build")
    args.add_argument("--prefix")
    args.add_argument("--id")
    args.add_argument("--cmake", default="cmake")
    args.add_argument("--ezb")
    args.add_argument("--fahren", nargs=3)
    a = args.parse_args()
    if a.fahren:
        fahren(*a.fahren)
        return

    tmp = Path(tempfile.mkdtemp(prefix="zirvanto-installation-"))
    xvfb = None
    try:
        destdir = tmp / "wurzel"
        subprocess.run([a.cmake, "--install", a.build], check=True, stdout=subprocess.DEVNULL,
                       env=dict(os.environ, DESTDIR=str(destdir)))
        wurzel = destdir / a.prefix.lstrip("/")
        share = wurzel / "share"
        desktop = share / "applications" / f"{a.id}.desktop"
        metainfo = share / "metainfo" / f"{a.id}.metainfo.xml"
        for datei in (wurzel / "bin" / "zirvanto", share / "zirvanto" / "currency.ini",
                      share / "zirvanto" / "pfeilauf.bmp", share / "zirvanto" / "at.bmp",
                      share / "icons" / "hicolor" / "scalable" / "apps" / f"{a.id}.svg",
                      share / "bash-completion" / "completions" / "zirvanto", desktop, metainfo):
            if not datei.is_file():
                raise Fehler(f"nicht installiert: {datei.relative_to(destdir)}")
        for modul in ("zirvanto_netz.so", "zirvanto_historie.so"):
            if not any(wurzel.glob(f"lib*/**/zirvanto/{modul}")):
                raise Fehler(f"nicht installiert: {modul}")
        pruefen_ohne_fehler(["desktop-file-validate", desktop])
        pruefen_ohne_fehler(["appstreamcli", "validate", "--no-net", metainfo])
        if f"\nIcon={a.id}\n" not in desktop.read_text(encoding="utf-8"):
            raise Fehler(f"{desktop.name} nennt nicht das Symbol {a.id}")
        vorher = abbild(destdir)

        heim = tmp / "heim"
        xdg = {n: heim / d for n, d in (("XDG_DATA_HOME", ".local/share"),
                                        ("XDG_CONFIG_HOME", ".config"),
                                        ("XDG_CACHE_HOME", ".cache"),
                                        ("XDG_STATE_HOME", ".local/state"),
                                        ("XDG_RUNTIME_DIR", "laufzeit"))}
        for ordner in xdg.values():
            ordner.mkdir(parents=True, mode=0o700)
        datenordner = xdg["XDG_DATA_HOME"] / "Zirvanto"
        xvfb, anzeige = x_starten(tmp)
        # The questions it answers are German.
        umgebung = dict(os.environ, HOME=str(heim), DISPLAY=anzeige, LANGUAGE="de",
                        **{n: str(p) for n, p in xdg.items()})
        umgebung.pop("DBUS_SESSION_BUS_ADDRESS", None)
        # The accessibility bindings are a Debian package of the system's Python.
        python = "/usr/bin/python3" if Path("/usr/bin/python3").exists() else sys.executable
        subprocess.run(["dbus-run-session", "--", python, __file__, "--fahren",
                        wurzel / "bin" / "zirvanto", datenordner, tmp / "Xvfb_screen0"],
                       env=umgebung, check=True,
                       timeout=5 * WARTEZEIT)

        kopie = datenordner / "currency.ini"
        if not kopie.is_file():
            raise Fehler(f"kein {kopie}")
        if kopie.read_bytes() != (share / "zirvanto" / "currency.ini").read_bytes():
            raise Fehler(f"{kopie} ist keine Kopie der mitgelieferten Kurstabelle")
        if b"\r\nAutoUpdate = 0\r\n" not in (datenordner / "zirvanto.ini").read_bytes():
            raise Fehler("die Antwort \"Nein\" steht nicht in zirvanto.ini")
        terminal_update(wurzel / "bin" / "zirvanto", datenordner,
                        Path(a.ezb).read_bytes(), umgebung)
        if b"\r\nKursstand = 2026-07-06 127.0.0.1\r\n" not in \
                (datenordner / "zirvanto.ini").read_bytes():
            raise Fehler("zirvanto --update hat die Dateien nicht geschrieben")
        nachher = abbild(destdir)
        if nachher != vorher:
            anders = sorted(k for k in vorher.keys() | nachher.keys()
                            if vorher.get(k) != nachher.get(k))
            raise Fehler(f"Installation verändert: {', '.join(anders)}")
        print("Installation in Ordnung")
    except (Fehler, subprocess.CalledProcessError, subprocess.TimeoutExpired) as e:
        print(f"FEHLER: {e}", file=sys.stderr)
        sys.exit(1)
    finally:
        if xvfb is not None:
            xvfb.terminate()
            xvfb.wait()
        shutil.rmtree(tmp, ignore_errors=True)


if __name__ == "__main__":
    main()
