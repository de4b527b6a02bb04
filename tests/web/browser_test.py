# The web page in headless Chromium, driven with clicks, taps and keys as a
# user would: on a wide page the controls at their boxes, Tab where the
# page's handler decides, the panel from the keyboard, a width change across
# the touch threshold, a second build and visits offline that keep the chosen
# file, with the storage late, full or failing; on emulated phones, started
# with the storage broken, the touch layout and the games played by taps; and
# a start whose default list never comes, with a file given before it; word
# files shared to the installed app and opened with it; the contrast of every
# text in both colour schemes. No start moves what it has drawn.
import hashlib, os, pathlib, random, re, unittest

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
    ('IDBFactory.prototype.open = () => ({});',
     "being kept for the next visit, but the browser's storage has not answered yet", False),
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
# The storage answering late: each opening after 5 seconds, while late is set.
LATE_STORAGE = """window.late = 5000; const open = IDBFactory.prototype.open; IDBFactory.prototype.open = function (...args) {
  const opening = open.apply(this, args), delay = late; if (delay) Object.defineProperty(opening, 'onsuccess',
    {set: then => opening.addEventListener('success', () => setTimeout(then, delay))}); return opening; };"""
# What the line says, in turn, of a file chosen with the storage late, then
# full, then failing after it opened.
STORAGE = [
    ('', "being kept for the next visit, but the browser's storage has not answered yet", 'kept for the next visit'),
    ("late = 0; IDBObjectStore.prototype.put = function () { Object.defineProperty(this.transaction, 'error',"
     " {value: new DOMException('', 'QuotaExceededError')}); this.transaction.abort(); };",
     "not kept for the next visit (the browser's storage is full)"),
    ("IDBDatabase.prototype.transaction = () => { throw new DOMException('The connection is closing.',"
     " 'InvalidStateError'); };", 'not kept for the next visit (The connection is closing.)'),
]
# The default list's fetch that never answers.
STALLED = ("const fetched = fetch; window.fetch = (url, ...rest) =>"
           " String(url).endsWith('words.txt') ? new Promise(() => {}) : fetched(url, ...rest);")
# Every layout shift, with what moved.
SHIFTS = """window.shifts = []; new PerformanceObserver(list => shifts.push(...list.getEntries().map(shift => [shift.value,
  ...shift.sources.map(source => source.node?.id || source.node?.localName)]))).observe({type: 'layout-shift', buffered: true});"""
# E's list set to "?" by an assistive technology, which leaves the focus on
# E's last tick box: hidden with the rest, it gives the focus up.
HIDE_FOCUSED = ("document.querySelector('#gadget-83 input').focus(); const list = document.getElementById('gadget-7');"
                " list.selectedIndex = 0; list.dispatchEvent(new Event('change'));")

# Files handed to the installed app by a share sheet and by "Open with", each
# to be taken as the chooser takes it: the way, the file's name and bytes
# (None: a text field shared, a folder opened), whether it is kept. What is
# not a file leaves words.txt as it was: the file before it, which was kept.
HANDED = [('share', '<img src onerror=alert(1)>.txt', GAMES[4], 'kept for the next visit'),
          ('share', 'The shared item', None, 'it is not a file'),
          ('open', 'caf\u00e9 & <b>.txt', GAMES[5], 'kept for the next visit'),
          ('open', 'folder', None, 'it is not a file'),
          ('open', 'empty.txt', GAMES[6], 'kept for the next visit'),
          ('share', 'large.txt', LARGE, 'not kept for the next visit (larger than 64 MB)')]
# Every text on the page but the letter labels', which keep the program's
# palette: those whose contrast with what is behind them is under WCAG's
# 4.5:1, how many there are, whether the word list is light; and the letter
# labels' colours.
CONTRAST = """const s = getComputedStyle, labels = [...Array(26).keys()].map(k => document.getElementById('gadget-' + (29 + k)));
const light = c => (([r, g, b]) => 0.2126 * r + 0.7152 * g + 0.0722 * b)(c.match(/[\\d.]+/g).slice(0, 3)
  .map(v => c.startsWith('color(') ? +v : v / 255).map(v => v <= 0.04045 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4));
const behind = n => /, 0\\)$/.test(s(n).backgroundColor) ? behind(n.parentElement) : s(n).backgroundColor;
const ratio = n => (([a, b]) => (a + 0.05) / (b + 0.05))([light(s(n).color), light(behind(n))].sort((x, y) => y - x));
const texts = [...document.body.querySelectorAll('*')].filter(n => n.checkVisibility() && !labels.includes(n) &&
  !n.matches('option') && (n.matches('select, textarea') || [...n.childNodes].some(t => t.nodeType === 3 && t.data.trim())));
return [texts.filter(n => !(ratio(n) >= 4.5)).map(n => n.id + ' ' + ratio(n).toFixed(2)), texts.length,
        light(behind(document.getElementById('gadget-2'))) > 0.5, labels.map(n => s(n).backgroundColor + s(n).color)];"""
WORDS_TXT = "return crypto.subtle.digest('SHA-256', Module.FS.readFile('words.txt')).then(d => [...new Uint8Array(d)])"


def word_list(shown):
    return ''.join(word + '   ' for word in shown.replace('-', '').split())


class BrowserTest(unittest.TestCase):
    def page(self, url, **options):
        page = Page(url, **options)
        self.addCleanup(page.quit)
        return page

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

    def test_wide_page(self):
        server = serve()
        page = self.page(server.url, before_start=SHIFTS)
        page.next_frame()
        self.assertEqual((page.title, page.at('title').text, page.js('return shifts')), (TITLE, TITLE, []))
        self.assertEqual(page.js(MEASURE), [[625, 770, False, 'group', 'Larkspin']] + CONTROLS)
        # Tab from nothing at the start goes to the first control (the
        # browser's own order would take it to the file chooser); in the text
        # area it types a tab, and Shift+Tab leaves it.
        self.assertEqual([page.keys(Keys.TAB), page.keys(Keys.TAB, 2), page.words(), page.keys(Keys.SHIFT + Keys.TAB)],
                         [56, 2, '\t', 28])
        # With R's tick boxes shown and the focused one of E's hidden, Tab and
        # Shift+Tab go to the first and the last control (the browser would
        # go on from the hidden one, to R@1 and to the text area); from the
        # last, Tab leaves the box, and Shift+Tab comes back.
        page.keys('u', 20)
        tabs = []
        for key in Keys.TAB, Keys.SHIFT + Keys.TAB:
            page.keys('u', 7)
            page.js(HIDE_FOCUSED)
            page.next_frame()
            tabs.append(page.keys(key))
        self.assertEqual(tabs + [page.keys(Keys.TAB), page.keys(Keys.SHIFT + Keys.TAB)], [56, 148, 0, 148])
        page.choose(17, 0)
        # The last game from the keyboard.
        words, _, count, shown = GAMES[-1]
        name = page.use_file('keyboard.txt', words)
        page.click(56)
        # Shift+Tab from the first control leaves the box for the page's own
        # controls, and Tab comes back.
        self.assertEqual([page.keys(Keys.SHIFT + Keys.TAB), page.switch_to.active_element.get_attribute('id'),
                          page.keys(Keys.TAB)], [0, 'default-list', 56])
        # E "Used (Yellow)" shows its tick boxes; Space ticks E@2.
        page.keys('u', 7)
        page.js('document.activeElement.blur()')
        # The advice panel's switch is next after the box.
        self.assertEqual([page.keys(Keys.SHIFT + Keys.TAB), page.keys(Keys.TAB), page.switch_to.active_element.get_attribute('id'),
                          page.keys(Keys.SHIFT + Keys.TAB), page.keys(Keys.SHIFT + Keys.TAB * 3)], [83, 0, 'advice-hide', 83, 80])
        page.keys(' ')
        self.assertEqual(page.js(E_ROW), [2, *YELLOW, '13111'])
        # Typing in the list is reported. Across the touch threshold and back
        # every choice, tick, the text and the focus stay.
        page.keys('typed', 2)
        before = [page.js(E_ROW), page.words(), page.keys('')]
        for width, touch in (620, 'true'), (900, 'false'):
            page.set_window_size(width, 1000)
            page.wait("return document.querySelector('.window').classList.contains('touch') === " + touch)
            self.assertEqual([page.js(E_ROW), page.words(), page.keys('')], before)
        # The next pass replaces the text with the game's list, which the
        # keyboard's tick has narrowed.
        page.click(55)
        self.assertEqual(page.words(), word_list(shown))
        # Reset: "?", no tick shown nor kept, no word back.
        page.wait(DONE)
        page.js(TOLD_FROM_NOW)
        page.click(57)
        # The list is as it was: screen readers are not told its top guess again.
        self.assertEqual((page.js(E_ROW), page.at(58).text, page.js('return told')), ([0, *GREY, '00000'], count, 0))
        # The script out of memory for the list's text: the count stays, the
        # list goes, and the next pass with memory shows it again.
        page.js("const decode = TextDecoder.prototype.decode; window.restore = () => TextDecoder.prototype"
                ".decode = decode; TextDecoder.prototype.decode = function(units) { if (units.length > 20)"
                " throw new RangeError('Invalid string length'); return decode.call(this, units); };")
        page.click(55)
        self.assertEqual((page.at(58).text, page.words()), (count, ''))
        page.js('restore()')
        page.click(55)
        self.assertEqual(page.words(), word_list(shown))
        for row, line in STALE:
            if row:
                page.click(56) if row == 'Load' else page.choose(*row)
            self.assertEqual(page.at('advice-stale').text, line, row)
        # Hiding the advice panel holds at the next visits.
        page.click('advice-hide')
        # The service worker keeps one build whole. A second build on the
        # server (its script and WebAssembly, the list) reaches the page at
        # the visit after the one that finds it, and then opens offline, also
        # from an address that carries a query, and with the storage late:
        # on the default list, until the file chosen last takes its place.
        page.wait("return navigator.serviceWorker.controller && caches.keys().then(names => names.length"
                  " === 1 && caches.open(names[0])).then(cache => cache.keys()).then(keys => keys.length === 15)")
        site = pathlib.Path(server.site)
        site.joinpath('words.txt').write_text('newer\n')
        site.joinpath('sw.js').write_text(re.sub('larkspin-[0-9a-f]+', 'larkspin-second',
                                                 site.joinpath('sw.js').read_text()))
        with open(site / 'larkspin.js', 'a') as script:
            script.write(";document.documentElement.dataset.build = 'second';")
        wasm = site.joinpath('larkspin.wasm')
        wasm.write_bytes(wasm.read_bytes().replace('V1.EXE'.encode('utf-16-le'), 'V2.EXE'.encode('utf-16-le')))
        page.open(server.url)
        page.wait('return navigator.serviceWorker.getRegistration().then(found => found.waiting)')
        page.next_visit(server.url)
        server.shutdown()
        server.server_close()
        page.next_visit(server.url + '?from=icon', LATE_STORAGE)
        started = page.at('word-file').text
        page.line('kept from your last visit')
        page.click(56)
        page.wait("return navigator.serviceWorker.ready.then(ready => ready.active.state === 'activated')")
        self.assertEqual((started, page.at('word-file').text, page.at(58).text, page.js('return caches.keys()'),
                          page.title, page.js('return document.documentElement.dataset.build'),
                          page.at('advice-hide').is_selected(), page.at('advice-best').is_displayed()),
                         ('words.txt: the default list', 'words.txt: %s (%d bytes), kept from your last visit;'
                          ' press Load to read it' % (name, len(words)), 'Words: 5', ['larkspin-second'],
                          TITLE.replace('V1', 'V2'), 'second', True, False))
        # Files chosen as the storage is late, full and failing: the line's
        # answers in turn, and the late one is kept at the next visit.
        stored = []
        for script, *answers in STORAGE:
            page.js(script)
            stored.append(page.use_file('stored.txt', b'crane\n'))
            for answer in answers:
                page.line('%s (6 bytes), %s;' % (stored[-1], answer))
        page.next_visit(server.url)
        self.assertIn(stored[0] + ' (6 bytes), kept from your last visit;', page.line('kept from your last visit'))
        # "Back to the default list" forgets it. Opened again: Shift+Tab at
        # the start goes to the last control.
        page.at('default-list').click()
        page.click(56)
        self.assertEqual((page.at(58).text, page.words()), ('Words: 1', 'NEWER   '))
        page.next_visit(server.url)
        self.assertEqual((page.keys(Keys.SHIFT + Keys.TAB), page.at('word-file').text), (2, 'words.txt: the default list'))

    def test_phone(self):
        # Two phones, each started with the browser's storage broken: the
        # program starts on the default list all the same, without moving
        # what it drew, the line says what became of a chosen file, and the
        # touch layout meets its floors.
        every = word_list(pathlib.Path(__file__).parent.joinpath('../../data/words.txt').read_text().upper())
        for size, (script, kept, unavailable) in zip([(320, 640), (390, 844)], BROKEN_STORAGE):
            page = self.page(serve().url, phone=size, before_start=SHIFTS + script)
            page.next_frame()
            self.assertEqual(page.js('return shifts'), [])
            page.tap(56)
            self.assertEqual((page.at('word-file').text, page.at(58).text, page.words()),
                             ('words.txt: the default list', 'Words: 6748', every))
            page.line(page.use_file('yellow.txt', b'crane\n') + ' (6 bytes), %s;' % kept)
            page.choose(4, 2)
            self.assertEqual([page.at('advice-status').text == NOT_AVAILABLE, *page.js(FLOORS)], [unavailable, *FLOORS_MET])
            # The switch hides the panel, also when the storage throws.
            page.tap('advice-hide')
            self.assertFalse(page.at('advice-best').is_displayed())
            page.tap('advice-hide')
        # The games played by taps, each on a word file of its own.
        for words, choices, count, shown in GAMES:
            page.use_file('game.txt', words)
            page.tap(56)
            self.enter(page, choices, page.tap)
            self.assertEqual((page.at(58).text, page.words()), (count, word_list(shown)), choices)
            page.tap(57)
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
        page = self.page(serve().url, before_start=HEARD)
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

    def test_installed_app(self):
        # The manifest as the browser reads it; then, once the service worker
        # is in, files handed to the app, each one a visit of its own.
        server = serve()
        page = self.page(server.url)
        self.assertEqual(page.execute_cdp_cmd('Page.getAppManifest', {})['errors'], [])
        page.wait('return navigator.serviceWorker.controller')
        for way, name, game, kept in HANDED:
            page.hand_file(server, way, name, game and game[0])
            page.wait("const line = document.getElementById('word-file').textContent;"
                      "return line.includes(%r) && !line.includes('being kept')" % name, 60)
            page.click(56)
            words, _, count, shown = last = game or last  # what is not a file leaves the one before
            self.assertEqual((page.at('word-file').text, page.js(WORDS_TXT), page.at(58).text, page.words()), (
                'words.txt: %s (%s bytes), %s; press Load to read it' % (name, f'{len(words):,}', kept) if game
                else '%s could not be read (%s); words.txt is as it was' % (name, kept),
                list(hashlib.sha256(words).digest()), count, word_list(shown)), (way, name))
        # Rows in all three colours, in both schemes; the letter labels the same in both.
        for k, item in [(0, 1), (4, 2), (17, 5)]:
            page.choose(k, item)
        seen = []
        for scheme in ['light', 'dark']:
            page.execute_cdp_cmd('Emulation.setEmulatedMedia', {'features': [{'name': 'prefers-color-scheme', 'value': scheme}]})
            seen.append(page.js(CONTRAST))
        self.assertEqual(seen, [[[], 49, True, seen[0][3]], [[], 49, False, seen[0][3]]])

    def test_start(self):
        # The default list never comes, and a file is dropped or chosen
        # before the program has started: once it has (after 5 seconds,
        # without the list), the file is words.txt as if chosen right after;
        # back to the default list, the line says why there is none. The
        # advice worker, its script or its WebAssembly missing, cannot start:
        # the panel says so, and the program loads as before.
        for dropped, missing in (True, 'advice.js'), (False, 'advice.wasm'):
            server = serve()
            os.remove(os.path.join(server.site, missing))
            page = self.page(server.url, before_start=STALLED, started=False)
            name = page.use_file('early.txt', b'crane\nslate\n', dropped)
            early = page.at('word-file').text
            page.started()
            page.line(name + ' (12 bytes), kept for the next visit;')
            page.click(56)
            page.wait("return document.getElementById('advice-status').textContent === %r" % NOT_AVAILABLE)
            count = [page.at(58).text, page.at('advice').get_attribute('aria-busy')]
            page.at('default-list').click()
            page.click(56)
            self.assertEqual([early, count, page.at('word-file').text, page.at(58).text],
                             ['words.txt: %s, to be read once the program has started' % name, ['Words: 2', 'false'],
                              'words.txt: the default list could not be fetched (no answer within 5 seconds);'
                              ' use a word file of your own', 'words.txt not found'])


if __name__ == '__main__':
    unittest.main()
