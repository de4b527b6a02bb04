# The web page in headless Chromium, driven with clicks, taps and keys as a
# user would: on a wide page the controls at their boxes, the Tab order in
# and out of the box, the panel from the keyboard, a second build and a
# visit offline that keeps the chosen file; on emulated phones, started with
# the storage broken, the touch layout and the games played by taps.
import os
import pathlib
import random
import re
import unittest

from selenium.webdriver.common.keys import Keys

from page_driver import Page, serve

TITLE = 'Larkspin V1.EXE by the Larkspin developers (https://larkspin.example)'
GREY, YELLOW = ['rgb(241, 239, 237)', 'rgb(0, 0, 0)'], ['rgb(201, 180, 88)', 'rgb(255, 255, 255)']
CLICK, CHANGE, FOCUS, FOCUS_LOST = 0, 768, 14000, 14001
BUTTONS = {'Load': 56, 'Parse': 55, 'Reset': 57}
# The window's size, whether it is laid out for touch and what a screen
# reader calls it, then every control in creation order: its number,
# element, look and whether hidden, box (shown for the measure), text, and
# what a screen reader reads of it (its label's id, its own name, a label's
# politeness).
MEASURE = """
const window_ = document.querySelector('.window');
return [[window_.offsetWidth, window_.offsetHeight, window_.classList.contains('touch'),
         window_.getAttribute('role'), window_.ariaLabel], ...[...window_.children].map(node => {
  const hidden = node.hidden, s = getComputedStyle(node);
  const named = node.querySelector('input') || node;
  node.hidden = false;
  const box = [node.offsetLeft, node.offsetTop, node.offsetWidth, node.offsetHeight];
  node.hidden = hidden;
  const look = `${node.localName} ${s.fontWeight} ${s.textAlign}${hidden ? ' hidden' : ''}`;
  const text = node.localName === 'select' ? node.value : node.textContent;
  return [Number(node.id.slice(7)), look, ...box, text,
          named.getAttribute('aria-labelledby') ?? named.ariaLabel ?? node.ariaLive];
})];"""
BUTTON, LIST, LETTER = 'button 400 center', 'select 400 start', 'div 700 center'
CONTROLS = ([[56, BUTTON, 40, 25, 150, 21, "Load 'words.txt' List", None],
             [58, 'div 400 start', 325, 25, 150, 21, '', 'polite'],
             [55, BUTTON, 40, 50, 150, 21, 'Parse List', None],
             [57, BUTTON, 40, 75, 150, 21, 'Reset A-Z (below)', None]]
            + [[3 + k, LIST, 40, 100 + 25 * k, 150, 21, '?', f'gadget-{29 + k}'] for k in range(26)]
            + [[29 + k, LETTER, 10, 100 + 25 * k, 25, 21, chr(65 + k), 'polite'] for k in range(26)]
            + [[2, 'textarea 400 start', 325, 50, 280, 700, '', 'Remaining words']]
            + [[58 + 5 * k + p, 'label 400 start hidden', 175 + 25 * p, 100 + 25 * k, 25, 21, '',
                '%c yellow at position %d' % (65 + k, p)] for k in range(26) for p in range(1, 6)])
# E's list item, label colours, and tick boxes (letter k's at position p is
# gadget 58 + 5k + p): each 1 if shown, plus 2 if ticked.
E_ROW = """
const at = n => document.getElementById('gadget-' + n), look = getComputedStyle(at(33));
const ticks = [79, 80, 81, 82, 83].map(n => at(n).checkVisibility() + 2 * at(n).firstChild.checked);
return [at(7).selectedIndex, look.backgroundColor, look.color, ticks.join('')];"""

# The games of games.txt, which the desktop program plays too: the word
# file's bytes (with \xHH escapes), the choices, the count, the list.
with open(os.path.join(os.path.dirname(__file__), 'games.txt'), encoding='utf-8') as table:
    GAMES = [[words.encode('latin-1').decode('unicode_escape').encode('latin-1'), *rest]
             for words, *rest in (line.rstrip('\n').split(' | ') for line in table
                                  if line.strip() and line[0] != '#')]
# 100 MB of lines too long to be words, which must leave the page working.
LARGE = [(b'x' * 99 + b'\n') * (1 << 20), '-', 'Words: 0', '-']

# The touch layout's floors: the controls too small to tap, the texts under
# 16 px, whether the page scrolls sideways, the letter rows whose controls
# are not on one line, whether the word list is below the letters and at
# least a third of the screen high; then, with Z's row scrolled up to the
# bar, the bar's controls that are out of view or covered.
FLOORS = """
const at = n => document.getElementById('gadget-' + n), box = n => n.getBoundingClientRect();
const shown = [...document.querySelectorAll('.window > *, .advice-switch, #advice td')].filter(n => n.checkVisibility());
const small = shown.filter(n => !n.matches('.label, textarea, td') && (box(n).width < 44 || box(n).height < 44));
const tiny = shown.filter(n => parseFloat(getComputedStyle(n).fontSize) < 16);
const rows = [...Array(26).keys()].filter(k => [29 + k, ...[1, 2, 3, 4, 5].map(p => 58 + 5 * k + p)]
  .map(at).some(n => n.checkVisibility() && Math.abs(box(n).top + box(n).bottom - box(at(3 + k)).top - box(at(3 + k)).bottom) > 2));
const below = box(at(2)).top >= box(at(28)).bottom && box(at(2)).height >= innerHeight / 3
  && box(document.getElementById('advice')).top >= box(at(2)).bottom;
scrollTo(0, scrollY + box(at(28)).top - box(at(57)).bottom);
const hidden = [56, 58, 55, 57, 'advice-top'].map(n => document.getElementById(n > 0 ? 'gadget-' + n : n)).filter(
  n => box(n).top < 0 || !n.contains(document.elementFromPoint(box(n).left + 10, box(n).top + 10))).map(n => n.id);
scrollTo(0, 0);
return [small.map(n => n.id), tiny.map(n => n.id), document.documentElement.scrollWidth <= innerWidth,
        rows, below, hidden];"""
FLOORS_MET = [[], [], True, [], True, []]

# The browser's storage made to throw, and never to answer; what the line
# then says of a chosen file; whether the advice worker cannot start.
BROKEN_STORAGE = [
    ("IDBFactory.prototype.open = () => { throw new DOMException('no', 'SecurityError'); };"
     "Object.defineProperty(window, 'localStorage', { get() { throw new DOMException('no', 'SecurityError'); } });"
     "window.Worker = function () { throw new DOMException('no', 'SecurityError'); };",
     'not kept for the next visit (the browser denies storage)', True),
    ('IDBFactory.prototype.open = () => ({});', 'not kept for the next visit (the storage does not answer)', False),
]
NOT_AVAILABLE = 'Advice is not available in this browser; the program works as before.'

# The stale list, after the keyboard's game and Reset: a letter row's new
# item or Load, and what the panel says of the words a load would bring back.
STALE = [(None, '2 more words fit the rows now; press Load to bring them back.'),
         ((4, 1), 'No word is left. 1 more word fits the rows now; press Load to bring it back.'),
         ((4, 2), 'No word is left. 4 more words fit the rows now; press Load to bring them back.'),
         ((1, 3), 'No word is left, and a load would bring none back: no word of the list fits the rows.'),
         ('Load', '')]

# A game by taps on the phone: the choices, then the panel's status and stale
# line, the top guess in the bar (and told to screen readers) and its tables'
# entries (word, bits, words left, may win), worked out by hand: of the five
# -RILL words DFGKP tells each apart, FUDGE all but KRILL and PRILL, each
# -RILL word only itself from the other four.
ADVICE_WORDS = b'drill\nfrill\ngrill\nkrill\nprill\nfudge\ndfgkp\n'
RILL = ['%s 0.72 3.4 yes' % word for word in ('DRILL', 'FRILL', 'GRILL')]
TWO = ['KRILL 1.00 1.0 yes', 'PRILL 1.00 1.0 yes']
ADVICE_GAME = [('R4', ['', '', '', 'Next guess: DFGKP', 'DFGKP 2.32 1.0 no', 'FUDGE 1.92 1.4 no', *RILL, *RILL]),
               ('D1 F1 G1', ['Either KRILL or PRILL may win.', '', '', 'Next guess: KRILL', *TWO,
                             'DFGKP 1.00 1.0 no', 'DRILL 0.00 2.0 no', 'FRILL 0.00 2.0 no', *TWO]),
               ('K2', ['The answer is KRILL.', '', '', 'The answer is KRILL.'])]
DONE = "return document.getElementById('advice').ariaBusy === 'false'"
TOLD_FROM_NOW = ("window.told = 0; new MutationObserver(() => ++told).observe(document.getElementById('advice-said'),"
                 " {childList: true, characterData: true, subtree: true});")
PANEL = """
const text = id => document.getElementById(id).textContent;
return [text('advice-status'), text('advice-stale'), text('advice-note'),
  text('advice-said') === text('advice-top') && text('advice-top'),
  ...[...document.querySelectorAll('#advice tbody tr')].map(row => [...row.cells].map(cell => cell.textContent)
  .join(' ')).filter(entry => entry.trim())];"""

# Every message of the advice worker to the page, as [request, the progress
# or true for the advice]; and a change of Q's row at the first, while the
# worker is busy, with what the panel says of it.
HEARD = ("const Plain = Worker; window.heard = []; window.Worker = function (url) { const worker = new Plain(url);"
         " worker.addEventListener('message', event => heard.push([event.data.id, !!event.data.advice ||"
         " event.data.progress])); return worker; };")
ADVICE_FOR = 'return heard.filter(message => message[1] === true).map(message => message[0])'
SUPERSEDE = """
const done = arguments[0], q = document.getElementById('gadget-19'), bar = document.getElementById('advice-progress');
(function wait() {
  if (!heard.length) return setTimeout(wait);
  q.selectedIndex = 3;
  q.dispatchEvent(new Event('change'));
  done([document.getElementById('advice-status').textContent, bar.hidden, bar.value === heard.at(-1)[1]]);
})();"""


def word_list(shown):
    return ''.join(word + '   ' for word in shown.replace('-', '').split())


class BrowserTest(unittest.TestCase):
    def enter(self, page, choices, press):
        # "E2": E's list to item 2; "E@2": E's tick box at position 2;
        # "Load", "Parse", "Reset": that button, pressed with press(number).
        for choice in choices.replace('-', '').split():
            k, item = ord(choice[0]) - ord('A'), choice[-1]
            if choice in BUTTONS:
                press(BUTTONS[choice])
            elif '@' in choice:
                press(58 + 5 * k + int(item))
            else:
                page.choose(k, int(item))

    def play(self, page, games, press):
        # Each game on a word file of its own.
        for number, (words, choices, count, shown) in enumerate(games):
            page.use_file('game-%d.txt' % number, words)
            press(56)
            self.enter(page, choices, press)
            self.assertEqual((page.at(58).text, page.words()), (count, word_list(shown)), choices)
            press(57)

    def test_wide_page(self):
        server = serve()
        page = Page(server.url)
        self.addCleanup(page.quit)
        self.assertEqual((page.title, page.at('title').text), (TITLE, TITLE))
        self.assertEqual(page.js(MEASURE), [[625, 770, False, 'group', 'Larkspin']] + CONTROLS)
        # Tab walks the controls in creation order, from nothing focused; in
        # the text area it types a tab, and Shift+Tab leaves it.
        self.assertEqual([page.keys(Keys.TAB) for _ in range(31)]
                         + [page.words(), page.keys(Keys.SHIFT + Keys.TAB)],
                         [56, 55, 57, *range(3, 29), 2, 2, '\t', 28])
        # The last game from the keyboard, with what the page reports to the
        # toolkit: one event per user action, none for the program's own.
        words, _, count, shown = GAMES[-1]
        page.use_file('keyboard.txt', words)
        page.click(56)
        # Shift+Tab from the first control leaves the box for the page's own
        # controls, and Tab comes back.
        self.assertEqual([page.keys(Keys.SHIFT + Keys.TAB), page.switch_to.active_element.get_attribute('id'),
                          page.keys(Keys.TAB)], [0, 'default-list', 56])
        page.js("window.reported = []; const pass = Module._web_reportGadget;"
                "Module._web_reportGadget = (e, type) => { reported.push(type); pass(e, type); };")
        # E "Used (Yellow)" shows its tick boxes: the last of them is the
        # last control, from which Tab leaves the box and Shift+Tab comes back.
        page.keys('u', 7)
        page.js('document.activeElement.blur()')
        # The advice panel's switch is next after the box.
        self.assertEqual([page.keys(Keys.SHIFT + Keys.TAB), page.keys(Keys.TAB), page.switch_to.active_element.get_attribute('id'),
                          page.keys(Keys.SHIFT + Keys.TAB), page.keys(Keys.SHIFT + Keys.TAB * 3)], [83, 0, 'advice-hide', 83, 80])
        page.keys(' ')
        self.assertEqual(page.js(E_ROW), [2, *YELLOW, '13111'])
        # Typing in the list is reported; the next pass replaces it with the
        # game's list, which the keyboard's tick has narrowed.
        page.keys('typed', 2)
        page.click(55)
        self.assertEqual((page.words(), page.js('return reported')),
                         (word_list(shown), [CHANGE, CLICK, FOCUS, *[CHANGE] * 5, FOCUS_LOST, CLICK]))
        # Reset: "?", no tick shown nor kept, no word back.
        page.wait(DONE)
        page.js(TOLD_FROM_NOW)
        page.click(57)
        # The list is as it was: screen readers are not told its top guess again.
        self.assertEqual((page.js(E_ROW), page.at(58).text, page.js('return told')), ([0, *GREY, '00000'], count, 0))
        for row, line in STALE:
            if row:
                page.click(56) if row == 'Load' else page.choose(*row)
            self.assertEqual(page.at('advice-stale').text, line, row)
        # Hiding the advice panel holds at the next visits.
        page.click('advice-hide')
        # The service worker keeps one build whole. A second build on the
        # server reaches the page at the visit after the one that finds it,
        # with the file chosen last, and then opens offline, also from an
        # address that carries a query.
        page.wait("return navigator.serviceWorker.controller && caches.keys().then(names => names.length"
                  " === 1 && caches.open(names[0])).then(cache => cache.keys()).then(keys => keys.length === 15)")
        site = pathlib.Path(server.site)
        site.joinpath('words.txt').write_text('newer\n')
        site.joinpath('sw.js').write_text(re.sub('larkspin-[0-9a-f]+', 'larkspin-second',
                                                 site.joinpath('sw.js').read_text()))
        page.open(server.url)
        page.wait('return navigator.serviceWorker.getRegistration().then(found => found.waiting)')
        page.next_visit(server.url)
        server.shutdown()
        server.server_close()
        page.next_visit(server.url + '?from=icon')
        page.click(56)
        self.assertEqual((page.at('word-file').text, page.at(58).text, page.js('return caches.keys()'),
                          page.at('advice-hide').is_selected(), page.at('advice-best').is_displayed()),
                         ('words.txt: keyboard.txt (%d bytes), kept from your last visit; press Load to read it'
                          % len(words), 'Words: 5', ['larkspin-second'], True, False))
        page.at('default-list').click()
        page.click(56)
        self.assertEqual((page.at(58).text, page.words()), ('Words: 1', 'NEWER   '))
        # Opened again, before its first load: A "Not Present (Grey)" and
        # Parse keep the store's one empty entry.
        page.open(server.url)
        page.choose(0, 1)
        page.click(55)
        self.assertEqual((page.at(58).text, page.words()), ('Words: 1', '   '))

    def test_phone(self):
        # Two phones, each started with the browser's storage broken: the
        # program starts on the default list all the same, the line says what
        # became of a chosen file, and the touch layout meets its floors.
        every = word_list(pathlib.Path(__file__).parent.joinpath('../../data/words.txt').read_text().upper())
        for size, (script, kept, unavailable) in zip([(320, 640), (390, 844)], BROKEN_STORAGE):
            page = Page(serve().url, phone=size, before_start=script)
            self.addCleanup(page.quit)
            page.tap(56)
            self.assertEqual((page.at('word-file').text, page.at(58).text, page.words()),
                             ('words.txt: the default list', 'Words: 6748', every))
            page.use_file('yellow.txt', b'crane\n')
            page.wait("return document.getElementById('word-file').textContent.includes('not kept')")
            page.choose(4, 2)
            self.assertEqual([page.at('word-file').text, page.at('advice-status').text == NOT_AVAILABLE, *page.js(FLOORS)],
                             ['words.txt: yellow.txt (6 bytes), %s; press Load to read it' % kept, unavailable, *FLOORS_MET])
            # The switch hides the panel, also when the storage throws.
            page.tap('advice-hide')
            self.assertFalse(page.at('advice-best').is_displayed())
            page.tap('advice-hide')
        # The games played by taps, first on a file too large to keep, which
        # is used for the visit all the same.
        self.play(page, [LARGE], page.tap)
        self.assertIn('not kept for the next visit (larger than 64 MB)', page.at('word-file').text)
        self.play(page, GAMES, page.tap)
        page.use_file('advice.txt', ADVICE_WORDS)
        page.tap(56)
        for choices, panel in ADVICE_GAME:
            self.enter(page, choices, page.tap)
            page.wait(DONE)
            self.assertEqual(page.js(PANEL), panel, choices)

    def test_advice_superseded(self):
        # A row change while the worker works out the opening of 15,000
        # words: it drops that work at once, and the panel shows the newer
        # list's advice, worked out by hand (two candidates, either may win).
        page = Page(serve().url, before_start=HEARD)
        self.addCleanup(page.quit)
        generator = random.Random(28)
        words = (''.join(generator.choice('abcdefghijklmnoprstuvwxyz') for _ in range(5)) for _ in range(14998))
        page.use_file('large.txt', '\n'.join(['quirk', 'quota', *words]).encode())
        page.click(56)
        working = page.execute_async_script(SUPERSEDE)
        page.wait(DONE)
        self.assertEqual((working, page.js(PANEL)[:6], page.js(ADVICE_FOR)),
                         (['Working out the next guesses…', False, True], ['Either QUIRK or QUOTA may win.', '', '',
                          'Next guess: QUIRK', 'QUIRK 1.00 1.0 yes', 'QUOTA 1.00 1.0 yes'], [2]))
        # Loaded again, the opening is worked out whole, and its progress
        # bar goes when it is done.
        page.click(56)
        page.wait(DONE)
        self.assertEqual((page.js(ADVICE_FOR), page.at('advice-progress').is_displayed()), ([2, 3], False))
        # With its script or its WebAssembly missing the worker cannot start:
        # the panel says so, and the program loads as before.
        for missing in 'advice.js', 'advice.wasm':
            server = serve()
            os.remove(os.path.join(server.site, missing))
            page = Page(server.url)
            self.addCleanup(page.quit)
            page.click(56)
            page.wait("return document.getElementById('advice-status').textContent === %r" % NOT_AVAILABLE)
            self.assertEqual((page.at(58).text, page.at('advice').get_attribute('aria-busy')), ('Words: 6748', 'false'))


if __name__ == '__main__':
    unittest.main()
