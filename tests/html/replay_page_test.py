#!/usr/bin/env python3
"""The replay page html/vantorel.html in headless Chromium: keys and buttons step through the
game, the board table and the live region are right at every step in each language, names
that look like markup or script are shown literally and run nothing, and a missing or broken
script gives the "no game" message.

usage: replay_page_test.py SOURCE_DIR [SAVER]
SAVER, when given, is the test program that saves the short game below with hostile names
through the program itself in each language (tests/html/salva_partita.cpp); those real saves
are checked like the fixtures.
Exit code 77 (skipped) when Chromium is not installed."""

import os
import re
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import cdp  # noqa: E402

if not os.access(cdp.CHROMIUM, os.X_OK):
    print("chromium is not installed: test skipped")
    sys.exit(77)

SOURCE = os.path.abspath(sys.argv[1])
SAVER = os.path.abspath(sys.argv[2]) if len(sys.argv) > 2 else None
FIXTURES = os.path.join(SOURCE, "tests", "fixtures", "html")

# The short game of the fixture: 1. e4 e5 2. Nf3 Nc6 3. Bc4 Nf6 4. O-O Nxe4.
# What each language shows and says, written out by hand.
LANGUAGES = {
    0: {"code": "it", "initial": "posizione iniziale", "title": "Vantorel: rivedi la partita",
        "names": {"P": "pedone bianco", "N": "cavallo bianco", "B": "alfiere bianco",
                  "R": "torre bianca", "Q": "donna bianca", "K": "re bianco",
                  "p": "pedone nero", "n": "cavallo nero", "b": "alfiere nero",
                  "r": "torre nera", "q": "donna nera", "k": "re nero"},
        "steps": ["posizione iniziale", "Mossa 1, bianco: e4", "Mossa 1, nero: e5",
                  "Mossa 2, bianco: Nf3 (cavallo f3)", "Mossa 2, nero: Nc6 (cavallo c6)",
                  "Mossa 3, bianco: Bc4 (alfiere c4)", "Mossa 3, nero: Nf6 (cavallo f6)",
                  "Mossa 4, bianco: O-O (arrocco corto)",
                  "Mossa 4, nero: Nxe4 (cavallo cattura e4)"],
        "past_end": "Non ci sono altre mosse.", "before_start": "Siamo già alla posizione iniziale.",
        "caption_after_4": "Posizione dopo 4. O-O",
        "buttons": ["Inizio", "Indietro", "Avanti", "Fine"]},
    1: {"code": "en", "initial": "initial position", "title": "Vantorel: replay the game",
        "names": {"P": "white pawn", "N": "white knight", "B": "white bishop",
                  "R": "white rook", "Q": "white queen", "K": "white king",
                  "p": "black pawn", "n": "black knight", "b": "black bishop",
                  "r": "black rook", "q": "black queen", "k": "black king"},
        "steps": ["initial position", "Move 1, white: e4", "Move 1, black: e5",
                  "Move 2, white: Nf3 (knight f3)", "Move 2, black: Nc6 (knight c6)",
                  "Move 3, white: Bc4 (bishop c4)", "Move 3, black: Nf6 (knight f6)",
                  "Move 4, white: O-O (kingside castling)",
                  "Move 4, black: Nxe4 (knight captures e4)"],
        "past_end": "There are no more moves.", "before_start": "Already at the initial position.",
        "caption_after_4": "Position after 4. O-O",
        "buttons": ["Start", "Back", "Forward", "End"]},
    2: {"code": "es", "initial": "posición inicial", "title": "Vantorel: repasar la partida",
        "names": {"P": "peón blanco", "N": "caballo blanco", "B": "alfil blanco",
                  "R": "torre blanca", "Q": "dama blanca", "K": "rey blanco",
                  "p": "peón negro", "n": "caballo negro", "b": "alfil negro",
                  "r": "torre negra", "q": "dama negra", "k": "rey negro"},
        "steps": ["posición inicial", "Jugada 1, blancas: e4", "Jugada 1, negras: e5",
                  "Jugada 2, blancas: Nf3 (caballo f3)", "Jugada 2, negras: Nc6 (caballo c6)",
                  "Jugada 3, blancas: Bc4 (alfil c4)", "Jugada 3, negras: Nf6 (caballo f6)",
                  "Jugada 4, blancas: O-O (enroque corto)",
                  "Jugada 4, negras: Nxe4 (caballo captura e4)"],
        "past_end": "No hay más jugadas.", "before_start": "Ya está en la posición inicial.",
        "caption_after_4": "Posición después de 4. O-O",
        "buttons": ["Inicio", "Atrás", "Adelante", "Final"]},
}

# Squares whose content at a step is known without the script: catches a board drawn
# from the wrong end or with files and ranks swapped.
SPOT_CHECKS = {
    0: {"e1": "K", "d8": "q", "a1": "R", "h8": "r", "e2": "P", "e4": None},
    1: {"e4": "P", "e2": None},
    7: {"g1": "K", "f1": "R", "e1": None, "h1": None, "c4": "B", "f3": "N"},
    8: {"e4": "n", "f6": None, "e5": "p"},
}

# Keys pressed in turn, with the step the page must then show (None: the key goes past
# an end, the board stays and the live region says so).
KEY_SCRIPT = [("ArrowRight", 1), ("ArrowRight", 2), ("ArrowDown", 3), ("ArrowRight", 4),
              ("ArrowRight", 5), ("ArrowRight", 6), ("ArrowRight", 7), ("ArrowRight", 8),
              ("ArrowRight", None), ("ArrowLeft", 7), ("ArrowUp", 6), ("Home", 0),
              ("ArrowLeft", None), ("End", 8)]

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def squares():
    return [f + r for r in "87654321" for f in "abcdefgh"]


def boards_of(script_text):
    return re.findall(r'"([0pnbrqkPNBRQK]{64})"', script_text)


READ_PAGE = """(() => {
  // Each cell named by its column and row headers, as a screen reader reads the table.
  const cells = {};
  const files = [...document.querySelectorAll('#scacchiera thead th[scope=col]')].map(th => th.textContent);
  document.querySelectorAll('#scacchiera tbody tr').forEach(tr => {
    const rank = (tr.querySelector('th[scope=row]') || {}).textContent;
    tr.querySelectorAll('td').forEach((td, i) => {
      cells[files[i] + rank] = td.querySelector('.nome').textContent; }); });
  return {
    live: document.getElementById('annuncio').textContent,
    liveRole: document.getElementById('annuncio').getAttribute('aria-live'),
    cells: cells,
    caption: document.querySelector('#scacchiera caption').textContent,
    current: (document.querySelector('#mosse button[aria-current]') || {}).textContent || null,
    lang: document.documentElement.lang,
    title: document.title,
    buttons: [...document.querySelectorAll('#comandi button')].map(b => b.textContent),
    info: [...document.querySelectorAll('#info p')].map(p => p.textContent),
    error: !document.getElementById('errore').hidden,
    errorTexts: [...document.querySelectorAll('#errore p')].map(p => p.lang + ':' + p.textContent),
    boardShown: !document.getElementById('sezione-scacchiera').hidden,
    images: document.images.length,
    scripts: document.scripts.length,
    ran: window.eseguito === undefined ? null : window.eseguito,
    alerts: window.__alerts,
  };
})()"""

# Installed before the page's own scripts: counts any alert, confirm or prompt.
TRAPS = """window.__alerts = 0;
for (const f of ['alert', 'confirm', 'prompt']) window[f] = () => { window.__alerts++; };"""


def check_step(page, name, lang, boards, step, moves, announced=True):
    if announced:
        check(page["live"] == lang["steps"][step], f"{name}: live region at step {step}: {page['live']!r}")
    board = boards[step]
    for i, square in enumerate(squares()):
        want = "" if board[i] == "0" else lang["names"][board[i]]
        check(page["cells"].get(square) == want,
              f"{name}: step {step} square {square}: {page['cells'].get(square)!r}, want {want!r}")
    for square, piece in SPOT_CHECKS.get(step, {}).items():
        want = lang["names"][piece] if piece else ""
        check(page["cells"].get(square) == want,
              f"{name}: step {step} square {square} (by hand): {page['cells'].get(square)!r}")
    check(page["current"] == (moves[step] if step else None),
          f"{name}: move marked current at step {step}: {page['current']!r}")


class Site:
    """A working directory made by the run command's script, with one script at a time."""

    def __init__(self):
        self.root = tempfile.mkdtemp(prefix="vantorel-replay-")
        subprocess.run([os.path.join(SOURCE, "tools", "prepare-workdir.sh"), self.root], check=True)
        for folder in ("pgn", "log", os.path.join("html", "files")):
            check(os.path.isdir(os.path.join(self.root, folder)), f"working directory without {folder}/")
        pages = sorted(f for f in os.listdir(os.path.join(SOURCE, "html")) if f.endswith(".html"))
        copied = sorted(f for f in os.listdir(os.path.join(self.root, "html")) if f != "files")
        check("vantorel.html" in pages and copied == pages, f"pages copied: {copied}, shipped: {pages}")
        self.url = "file://" + os.path.join(self.root, "html", "vantorel.html")

    def script(self, text):
        path = os.path.join(self.root, "html", "files", "script.js")
        if text is None:
            if os.path.exists(path):
                os.remove(path)
        else:
            with open(path, "w", encoding="utf-8") as f:
                f.write(text)


def open_page(browser, site, text):
    site.script(text)
    browser.navigate(site.url)
    return browser.evaluate(READ_PAGE)


def check_stepping(browser, site, name, text, lang):
    boards = boards_of(text)
    check(len(boards) == 9, f"{name}: the script holds {len(boards)} boards, want 9")
    if len(boards) != 9:
        return
    moves = [None, "e4", "e5", "Nf3", "Nc6", "Bc4", "Nf6", "O-O", "Nxe4"]
    page = open_page(browser, site, text)
    check(not page["error"] and page["boardShown"], f"{name}: the page refused the game")
    check(page["lang"] == lang["code"], f"{name}: page language {page['lang']!r}")
    check(page["title"] == lang["title"], f"{name}: title {page['title']!r}")
    check(page["buttons"] == lang["buttons"], f"{name}: buttons {page['buttons']!r}")
    check(page["liveRole"] == "polite", f"{name}: the announcement is not a live region")
    check(page["caption"] == lang["initial"], f"{name}: caption at start {page['caption']!r}")
    check_step(page, name, lang, boards, 0, moves)

    step = 0
    for key, expected in KEY_SCRIPT:
        browser.press(key)
        page = browser.evaluate(READ_PAGE)
        if expected is None:
            going_back = key in ("ArrowLeft", "ArrowUp")
            want = lang["before_start"] if going_back else lang["past_end"]
            check(page["live"] == want, f"{name}: {key} past the end says {page['live']!r}")
        else:
            step = expected
        check_step(page, f"{name} after {key}", lang, boards, step, moves, expected is not None)
        if step == 7:
            check(page["caption"] == lang["caption_after_4"], f"{name}: caption {page['caption']!r}")

    # The buttons, as a keyboard user reaches them: focus and Enter.
    for button, presses, want in (("btn-inizio", 1, 0), ("btn-avanti", 3, 3),
                                  ("btn-indietro", 1, 2), ("btn-fine", 1, 8)):
        browser.evaluate(f"document.getElementById('{button}').focus()")
        for _ in range(presses):
            browser.press("Enter")
        page = browser.evaluate(READ_PAGE)
        check_step(page, f"{name} after {button}", lang, boards, want, moves)
    # A move of the list jumps there.
    browser.evaluate("document.querySelector('#mosse button[data-ply=\"5\"]').focus()")
    browser.press("Enter")
    check_step(browser.evaluate(READ_PAGE), f"{name} after move button 5", lang, boards, 5, moves)


def in_language(text, index):
    """The fixture as the program writes it in another language."""
    text = re.sub(r"var lingua = \d+;", f"var lingua = {index};", text)
    return text.replace('"initial position"', '"' + LANGUAGES[index]["initial"] + '"', 1)


HOSTILE_INFO = ['Open "Quoted" \\ back</script><script>window.eseguito=1</script>, round '
                '<img src=x onerror="window.eseguito=2">',
                'Eve <img src=x onerror=alert(1)> (2000) vs </script>Mallory\\ (1999) 0-1']


def check_hostile(page, name, want_info):
    check(page["info"] == want_info, f"{name}: game information shown as {page['info']!r}")
    check(page["ran"] is None, f"{name}: injected script ran ({page['ran']!r})")
    check(page["alerts"] == 0, f"{name}: an alert was raised")
    check(page["images"] == 0, f"{name}: an image element was created")
    check(page["scripts"] == 2, f"{name}: {page['scripts']} script elements")


# The names salva_partita.cpp gives the game, and the round label of each language.
SAVED_EVENT = 'Open "Quoted" \\ back</script><script>window.eseguito=1</script>'
SAVED_ROUND = '<img src=x onerror="window.eseguito=2">'
SAVED_PLAYERS = (' Eve <img src=x onerror=alert(1)> Lovelace (2000) vs'
                 ' Mallory </script>Brown\\ (1999) *')
ROUND_LABELS = {0: "turno", 1: "round", 2: "ronda"}


def check_real_saves(browser, site):
    saves = tempfile.mkdtemp(prefix="vantorel-saves-")
    try:
        done = subprocess.run([SAVER, saves], capture_output=True, text=True, timeout=120)
        check(done.returncode == 0, f"saving the game failed: {done.stderr}")
        if done.returncode != 0:
            return
        for index, lang in LANGUAGES.items():
            with open(os.path.join(saves, lang["code"], "html", "files", "script.js"),
                      encoding="utf-8") as f:
                saved = f.read()
            name = f"real save {lang['code']}"
            check_stepping(browser, site, name, saved, lang)
            info = [SAVED_EVENT + ", " + ROUND_LABELS[index] + " " + SAVED_ROUND, SAVED_PLAYERS]
            check_hostile(browser.evaluate(READ_PAGE), name, info)
    finally:
        shutil.rmtree(saves, ignore_errors=True)


GUIDES = {"leggimi.html": "it", "readme.html": "en", "leeme.html": "es"}

READ_GUIDE = """(() => ({
  lang: document.documentElement.lang,
  title: document.title,
  h1: document.querySelectorAll('h1').length,
  levels: [...document.querySelectorAll('h1, h2, h3, h4, h5, h6')].map(h => Number(h.tagName[1])),
  sections: [...document.querySelectorAll('h2[id]')].map(h => h.id),
  broken: [...document.querySelectorAll('a[href^="#"]')].map(a => a.getAttribute('href').slice(1))
            .filter(id => !document.getElementById(id)),
  lists: document.querySelectorAll('ul, ol').length,
}))()"""


def check_guides(browser, site):
    """The three guides: each in its language, one title, headings that never skip a level,
    the same sections in the same order, and contents links that all lead somewhere."""
    sections = {}
    for name, code in GUIDES.items():
        browser.navigate(site.url.replace("vantorel.html", name))
        guide = browser.evaluate(READ_GUIDE)
        check(guide["lang"] == code and guide["title"], f"{name}: language {guide['lang']!r}")
        check(guide["h1"] == 1, f"{name}: {guide['h1']} main headings")
        skips = [b for a, b in zip(guide["levels"], guide["levels"][1:]) if b > a + 1]
        check(not skips, f"{name}: a heading skips a level")
        check(not guide["broken"], f"{name}: links to missing sections {guide['broken']}")
        check(guide["lists"] >= 10, f"{name}: only {guide['lists']} lists")
        sections[name] = guide["sections"]
    check(len({tuple(v) for v in sections.values()}) == 1, f"the guides' sections differ: {sections}")


def main():
    browser = cdp.Chromium()
    site = Site()
    try:
        browser.open_tab()
        browser.send("Page.addScriptToEvaluateOnNewDocument", {"source": TRAPS})
        with open(os.path.join(FIXTURES, "partita_breve.js"), encoding="utf-8") as f:
            short_game = f.read()

        for index, lang in LANGUAGES.items():
            check_stepping(browser, site, f"fixture {lang['code']}", in_language(short_game, index), lang)

        with open(os.path.join(FIXTURES, "nomi_iniettati.js"), encoding="utf-8") as f:
            hostile = f.read()
        page = open_page(browser, site, hostile)
        check_hostile(page, "hostile fixture", HOSTILE_INFO)
        browser.press("End")
        page = browser.evaluate(READ_PAGE)
        check(page["live"] == "Move 2, black: Qh4# (queen h4 checkmate)", f"mate step: {page['live']!r}")
        check_hostile(page, "hostile fixture at the end", HOSTILE_INFO)

        # A game set up with black to move: numbered from black's first move.
        with open(os.path.join(FIXTURES, "nero_muove_primo.js"), encoding="utf-8") as f:
            page = open_page(browser, site, f.read())
        said = []
        for _ in range(2):
            browser.press("ArrowRight")
            page = browser.evaluate(READ_PAGE)
            said.append((page["live"], page["current"], page["caption"]))
        check(said == [("Move 1, black: e5", "e5", "Position after 1... e5"),
                       ("Move 2, white: Nf3 (knight f3)", "Nf3", "Position after 2. Nf3")],
              f"black moving first: {said}")

        # No game, or a game the page cannot trust: the message in the three languages,
        # no board.
        broken = short_game.replace("PPPPPPPPRNBQKBNR\"", "PPPPPPPPRNBQKBN\"", 1)
        unequal = short_game.replace(',\n\t"Nxe4"', "", 1)
        for name, text in (("missing script", None), ("syntax error", short_game[:-20]),
                           ("short board", broken), ("boards and moves differ", unequal)):
            page = open_page(browser, site, text)
            check(page["error"] and not page["boardShown"], f"{name}: the page shows a board")
            check([t[:3] for t in page["errorTexts"]] == ["it:", "en:", "es:"],
                  f"{name}: message {page['errorTexts']!r}")

        if SAVER:
            check_real_saves(browser, site)

        check_guides(browser, site)

        outside = [u for u in browser.requested_urls() if not u.startswith("file://")]
        check(not outside, f"the page asked for outside resources: {outside}")
        errors = [e["params"] for e in browser.events if e.get("method") == "Runtime.exceptionThrown"]
        # The truncated script is the only one allowed to throw (in the script, not the page).
        check(all("script.js" in str(e) for e in errors), f"the page threw: {errors}")
    finally:
        browser.close()
        shutil.rmtree(site.root, ignore_errors=True)

    with open(os.path.join(SOURCE, "html", "vantorel.html"), encoding="utf-8") as f:
        source = f.read()
    for sink in ("innerHTML", "outerHTML", "insertAdjacentHTML", "document.write", "eval("):
        check(sink not in source, f"the page uses {sink}")

    if failures:
        print(f"{len(failures)} failures")
        sys.exit(1)
    print("replay page: all checks passed")


if __name__ == "__main__":
    main()
