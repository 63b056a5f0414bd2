#!/usr/bin/python3
"""Reads the calculator over AT-SPI, as a screen reader does.

Starts the built program in a D-Bus session of its own with the
accessibility bus of at-spi2-core, on a virtual X server, presses
1 2 3 4 , 5 = through the buttons' AT-SPI actions and checks that the
main-currency display's text reads "1.234,50 " and that its text-changed
event arrived.

    zugang_atspi.py PROGRAMMORDNER

    zugang_atspi.py --befehl PROGRAMM [ARGUMENTE...]

runs a test program in the same setting instead (Qt's accessibility is
active there, so in-process tests see its update events), with
ZIRVANTO_ZUGANG_AKTIV=1 set.

Exit 0 on success, 1 on failure, 77 when the environment lacks what the
test needs (dbus-run-session, Xvfb, pyatspi, or a bus that cannot start).
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

UEBERSPRINGEN = 77
ANZEIGE = "Betrag in der Hauptwährung"
TASTEN = ["Eins", "Zwei", "Drei", "Vier", "Komma", "Fünf", "Ist gleich"]
ERWARTET = "1.234,50 "


def ueberspringen(grund):
    print("übersprungen: " + grund)
    return UEBERSPRINGEN


def aussen(argumente):
    """Starts the X server and the D-Bus session, and runs innen() there."""
    for programm in ("dbus-run-session", "Xvfb"):
        if not shutil.which(programm):
            return ueberspringen(programm + " fehlt")
    lesen, schreiben = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(schreiben), "-screen", "0",
                             "800x600x24", "-nolisten", "tcp"], pass_fds=(schreiben,),
                            stderr=subprocess.DEVNULL)
    os.close(schreiben)
    with os.fdopen(lesen) as f:
        anzeige = f.readline().strip()
    if not anzeige:
        xvfb.kill()
        return ueberspringen("Xvfb startet nicht")
    try:
        with tempfile.TemporaryDirectory() as arbeit:
            marke = os.path.join(arbeit, "sitzung")
            umgebung = dict(os.environ, DISPLAY=":" + anzeige, ZIRVANTO_SITZUNG=marke)
            umgebung.setdefault("XDG_RUNTIME_DIR", arbeit)
            ergebnis = subprocess.call(["dbus-run-session", "--", sys.executable,
                                        os.path.abspath(__file__)] + argumente,
                                       env=umgebung, timeout=120)
            if ergebnis != 0 and not os.path.exists(marke):
                return ueberspringen("die D-Bus-Sitzung startet nicht")
            return ergebnis
    finally:
        xvfb.terminate()
        xvfb.wait()


def warten(bedingung, sekunden, GLib):
    """Runs the event loop until bedingung() holds or the time is up."""
    ende = time.monotonic() + sekunden
    while time.monotonic() < ende:
        while GLib.MainContext.default().iteration(False):
            pass
        wert = bedingung()
        if wert:
            return wert
        time.sleep(0.05)
    return None


QT_ZUGANG = {"QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}


def innen(argumente):
    open(os.environ["ZIRVANTO_SITZUNG"], "w").close()
    try:
        import pyatspi
        from gi.repository import GLib
    except ImportError:
        return ueberspringen("python3-pyatspi fehlt")
    pyatspi.Registry.getDesktop(0)  # starts the accessibility bus, which Qt waits for
    if argumente[0] == "--befehl":
        return subprocess.call(argumente[1:],
                               env=dict(os.environ, ZIRVANTO_ZUGANG_AKTIV="1", **QT_ZUGANG))
    programmordner = argumente[0]

    ereignisse = []
    pyatspi.Registry.registerEventListener(ereignisse.append, "object:text-changed:insert")

    with tempfile.TemporaryDirectory() as arbeit:
        ordner = os.path.join(arbeit, "programm")
        shutil.copytree(programmordner, ordner)
        with open(os.path.join(ordner, "zirvanto.ini"), "wb") as f:
            f.write(b"Main = ATS\r\n")
        umgebung = dict(os.environ, LANGUAGE="de", LC_ALL="de_DE.UTF-8", LANG="de_DE.UTF-8",
                        **QT_ZUGANG)
        programm = subprocess.Popen([os.path.join(ordner, "zirvanto")], env=umgebung)
        try:
            return pruefen(pyatspi, GLib, ereignisse)
        finally:
            programm.terminate()
            programm.wait(10)


def pruefen(pyatspi, GLib, ereignisse):
    def programm():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Zirvanto":
                return app
        return None

    def benannt(app, name):
        return pyatspi.findDescendant(app, lambda o: o is not None and o.name == name)

    app = warten(programm, 30, GLib)
    if app is None:
        print("FEHLER: das Programm erscheint nicht am Barrierefreiheitsbus")
        return 1
    anzeige = warten(lambda: benannt(app, ANZEIGE), 10, GLib)
    if anzeige is None:
        print("FEHLER: keine Anzeige namens " + ANZEIGE)
        return 1

    for name in TASTEN:
        knopf = benannt(app, name)
        if knopf is None:
            print("FEHLER: kein Knopf namens " + name)
            return 1
        aktion = knopf.queryAction()
        namen = [aktion.getName(i) for i in range(aktion.nActions)]
        aktion.doAction(namen.index("Press") if "Press" in namen else 0)
        warten(lambda: False, 0.2, GLib)

    def gelesen():
        try:
            return anzeige.queryText().getText(0, -1)
        except NotImplementedError:
            return "(kein Text)"

    fehler = 0
    if not warten(lambda: gelesen() == ERWARTET, 10, GLib):
        print("FEHLER: %s zeigt %r statt %r" % (ANZEIGE, gelesen(), ERWARTET))
        fehler = 1

    def angekuendigt():
        return any(e.source is not None and e.source.name == ANZEIGE and e.any_data == ERWARTET
                   for e in ereignisse)

    if not warten(angekuendigt, 5, GLib):
        print("FEHLER: kein text-changed-Ereignis mit %r; erhalten: %r" %
              (ERWARTET, [(e.source.name if e.source else None, e.any_data) for e in ereignisse]))
        fehler = 1
    return fehler


if __name__ == "__main__":
    if len(sys.argv) < 2 or (sys.argv[1] == "--befehl") == (len(sys.argv) == 2):
        print(__doc__)
        sys.exit(2)
    if "ZIRVANTO_SITZUNG" in os.environ:
        sys.exit(innen(sys.argv[1:]))
    sys.exit(aussen(sys.argv[1:]))
