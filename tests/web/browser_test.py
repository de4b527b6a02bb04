# The web page in headless Chromium, driven with clicks, taps and keys as a
# user would: on a wide page the controls at their boxes, the Tab order in
# and out of the box, the panel from the keyboard, a second build and a
# visit offline that keeps the chosen file; on emulated phones, started with
# the storage broken, the touch layout and the games played by taps.
import os
import pathlib
import re
import unittest

from selenium.webdriver.common.keys import Keys

from page_driver import Page, serve

# The window's controls and the letters' colours, as the desktop tests read
# them: one row per item, then per control (fields as its header says).
with open(os.path.join(os.path.dirname(__file__), '../support/layout.txt'), encoding='utf-8') as table:
    LAYOUT = [['' if field == '-' else field for field in line.rstrip('\n').split(' | ')]
              for line in table if line.strip() and line[0] != '#']
TITLE = next(row[3] for row in LAYOUT if row[0] == 'window')
# An item's label colours, as the browser computes them.
GREY, YELLOW = [['rgb(%d, %d, %d)' % tuple(bytes.fromhex(colour[1:])) for colour in LAYOUT[item][3:5]]
                for item in (0, 2)]
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
# The controls of the layout, as MEASURE reads them on the page.
ELEMENTS = {'button': 'button', 'label': 'div', 'list': 'select', 'textarea': 'textarea', 'tickbox': 'label'}
CONTROLS = [[int(number), '%s %d %s%s' % (ELEMENTS[kind], 700 if 'bold' in look else 400,
                                          'center' if kind == 'button' or 'centred' in look else 'start',
                                          ' hidden' if 'hidden' in look else ''),
             *map(int, box.split()), text, 'gadget-' + by if by else name or ('polite' if kind == 'label' else None)]
            for kind, number, box, text, look, name, _, by in (row for row in LAYOUT if row[0] in ELEMENTS)]
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
const shown = [...document.querySelectorAll('.window > *')].filter(n => n.checkVisibility());
const small = shown.filter(n => !n.matches('.label, textarea') && (box(n).width < 44 || box(n).height < 44));
const tiny = shown.filter(n => parseFloat(getComputedStyle(n).fontSize) < 16);
const rows = [...Array(26).keys()].filter(k => [29 + k, ...[1, 2, 3, 4, 5].map(p => 58 + 5 * k + p)]
  .map(at).some(n => n.checkVisibility() && Math.abs(box(n).top + box(n).bottom - box(at(3 + k)).top - box(at(3 + k)).bottom) > 2));
const below = box(at(2)).top >= box(at(28)).bottom && box(at(2)).height >= innerHeight / 3;
scrollTo(0, scrollY + box(at(28)).top - box(at(57)).bottom);
const hidden = [56, 58, 55, 57].filter(n => box(at(n)).top < 0 || !at(n).contains(document.elementFromPoint(
  box(at(n)).left + 10, box(at(n)).top + 10)));
scrollTo(0, 0);
return [small.map(n => n.id), tiny.map(n => n.id), document.documentElement.scrollWidth <= innerWidth,
        rows, below, hidden];"""
FLOORS_MET = [[], [], True, [], True, []]

# The browser's storage made to throw, and never to answer; what the line
# then says of a chosen file.
BROKEN_STORAGE = [
    ("IDBFactory.prototype.open = () => { throw new DOMException('no', 'SecurityError'); };",
     'not kept for the next visit (the browser denies storage)'),
    ('IDBFactory.prototype.open = () => ({});', 'not kept for the next visit (the storage does not answer)'),
]


def word_list(shown):
    return ''.join(word + '   ' for word in shown.replace('-', '').split())


class BrowserTest(unittest.TestCase):
    def play(self, page, games, press):
        # Each game on a word file of its own; "E2": E's list to item 2;
        # "E@2": E's tick box at position 2; "Load", "Parse", "Reset": that
        # button, pressed with press(number).
        for number, (words, choices, count, shown) in enumerate(games):
            page.use_file('game-%d.txt' % number, words)
            press(56)
            for choice in choices.replace('-', '').split():
                k, item = ord(choice[0]) - ord('A'), choice[-1]
                if choice in BUTTONS:
                    press(BUTTONS[choice])
                elif '@' in choice:
                    press(58 + 5 * k + int(item))
                else:
                    page.choose(k, int(item))
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
        self.assertEqual([page.keys(key) for key in (Keys.SHIFT + Keys.TAB, Keys.TAB, Keys.SHIFT + Keys.TAB,
                                                     Keys.SHIFT + Keys.TAB * 3)], [83, 0, 83, 80])
        page.keys(' ')
        self.assertEqual(page.js(E_ROW), [2, *YELLOW, '13111'])
        # Typing in the list is reported; the next pass replaces it with the
        # game's list, which the keyboard's tick has narrowed.
        page.keys('typed', 2)
        page.click(55)
        self.assertEqual((page.words(), page.js('return reported')),
                         (word_list(shown), [CHANGE, CLICK, FOCUS, *[CHANGE] * 5, FOCUS_LOST, CLICK]))
        # Reset: "?", no tick shown nor kept, no word back.
        page.click(57)
        self.assertEqual((page.js(E_ROW), page.at(58).text), ([0, *GREY, '00000'], count))
        # The service worker keeps one build whole. A second build on the
        # server reaches the page at the visit after the one that finds it,
        # with the file chosen last, and then opens offline, also from an
        # address that carries a query.
        page.wait("return navigator.serviceWorker.controller && caches.keys().then(names => names.length"
                  " === 1 && caches.open(names[0])).then(cache => cache.keys()).then(keys => keys.length === 11)")
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
        self.assertEqual((page.at('word-file').text, page.at(58).text, page.js('return caches.keys()')),
                         ('words.txt: keyboard.txt (%d bytes), kept from your last visit; press Load to read it'
                          % len(words), 'Words: 5', ['larkspin-second']))
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
        for size, (script, kept) in zip([(320, 640), (390, 844)], BROKEN_STORAGE):
            page = Page(serve().url, phone=size, before_start=script)
            self.addCleanup(page.quit)
            page.tap(56)
            self.assertEqual((page.at('word-file').text, page.at(58).text, page.words()),
                             ('words.txt: the default list', 'Words: 6748', every))
            page.use_file('yellow.txt', b'crane\n')
            page.wait("return document.getElementById('word-file').textContent.includes('not kept')")
            page.choose(4, 2)
            self.assertEqual([page.at('word-file').text, *page.js(FLOORS)],
                             ['words.txt: yellow.txt (6 bytes), %s; press Load to read it' % kept, *FLOORS_MET])
        # The games played by taps, first on a file too large to keep, which
        # is used for the visit all the same.
        self.play(page, [LARGE], page.tap)
        self.assertIn('not kept for the next visit (larger than 64 MB)', page.at('word-file').text)
        self.play(page, GAMES, page.tap)


if __name__ == '__main__':
    unittest.main()
