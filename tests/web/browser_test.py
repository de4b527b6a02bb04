# The web page in headless Chromium, driven with clicks and keys as a user
# would: the controls at their boxes, word files, the panel from the
# keyboard, a reload, a drop, and the page offline.
import os
import unittest

from selenium.webdriver.common.keys import Keys

from page_driver import Handler, Page, serve, tick_box

TITLE = 'Larkspin V1.EXE by the Larkspin developers (https://larkspin.example)'
GREY, YELLOW = ['rgb(241, 239, 237)', 'rgb(0, 0, 0)'], ['rgb(201, 180, 88)', 'rgb(255, 255, 255)']
CLICK, CHANGE, FOCUS, FOCUS_LOST = 0, 768, 14000, 14001
# The window's size, then every control in creation order: its number,
# element, box (shown for the measure), text, and what a screen reader
# reads of it (its own name, its label's id, a label's politeness).
MEASURE = """
const window_ = document.querySelector('.window');
return [[window_.offsetWidth, window_.offsetHeight]].concat([...window_.children].map(node => {
  const hidden = node.hidden, named = node.querySelector('input') || node;
  node.hidden = false;
  const box = [node.offsetLeft, node.offsetTop, node.offsetWidth, node.offsetHeight];
  node.hidden = hidden;
  return [Number(node.id.slice(7)), node.localName, ...box, node.localName === 'select' ? node.value : node.textContent,
          named.getAttribute('aria-labelledby') ?? named.ariaLabel ?? node.ariaLive, hidden];
}));"""
# Each letter's list item, label colours, and which tick boxes show and are ticked.
PANEL = """
const at = n => document.getElementById('gadget-' + n);
return [...Array(26).keys()].map(k => {
  const look = getComputedStyle(at(29 + k)), ticks = [1, 2, 3, 4, 5].map(p => at(58 + 5 * k + p));
  return [at(3 + k).selectedIndex, look.backgroundColor, look.color,
          ticks.map(t => Number(t.checkVisibility())).join(''),
          ticks.map(t => Number(t.firstChild.checked)).join('')];
});"""
# A file dragged over the page and dropped: whether the page marks it, over and after.
DROP = """
const drop = new DataTransfer(), marked = () => document.body.classList.contains('dropping');
const fire = type => document.body.dispatchEvent(new DragEvent(type, {dataTransfer: drop, bubbles: true}));
drop.items.add(new File(['apple\\n'], 'dropped.txt'));
return [(fire('dragover'), marked()), (fire('drop'), marked())];"""


def controls():
    rows = [(56, 'button', 40, 25, 150, 21, "Load 'words.txt' List", None),
            (58, 'div', 325, 25, 150, 21, '', 'polite'),
            (55, 'button', 40, 50, 150, 21, 'Parse List', None),
            (57, 'button', 40, 75, 150, 21, 'Reset A-Z (below)', None)]
    rows += [(3 + k, 'select', 40, 100 + 25 * k, 150, 21, '?', 'gadget-%d' % (29 + k)) for k in range(26)]
    rows += [(29 + k, 'div', 10, 100 + 25 * k, 25, 21, chr(65 + k), 'polite') for k in range(26)]
    rows += [(2, 'textarea', 325, 50, 280, 700, '', 'Remaining words')]
    rows += [(tick_box(k, p), 'label', 175 + 25 * p, 100 + 25 * k, 25, 21, '',
              '%c yellow at position %d' % (65 + k, p)) for k in range(26) for p in range(1, 6)]
    return [list(row) + [row[1] == 'label'] for row in rows]


def games():
    # The games of games.txt, which the desktop program plays too: the word
    # file's bytes (None for the default list), the choices, the count, the list.
    with open(os.path.join(os.path.dirname(__file__), 'games.txt'), encoding='utf-8') as table:
        for line in table:
            if line.strip() and not line.startswith('#'):
                words, choices, count, shown = line.rstrip('\n').split(' | ')
                data = words.encode('latin-1').decode('unicode_escape').encode('latin-1')
                yield (None if words == 'default' else data, choices.replace('-', '').split(),
                       count, ''.join(word + '   ' for word in shown.replace('-', '').split()))


class BrowserTest(unittest.TestCase):
    url = serve()

    def setUp(self):
        self.page = Page(self.url)
        self.addCleanup(self.page.quit)

    def tab(self, times=1, back=False):
        # The gadget focused after Tab (or Shift+Tab) pressed that many times.
        self.page.keys(Keys.TAB * times, Keys.SHIFT if back else None)
        return self.page.js("const at = document.activeElement.closest('[id^=gadget-]');"
                            "return at ? Number(at.id.slice(7)) : 0;")

    def test_window_and_its_187_controls(self):
        page = self.page
        self.assertEqual((page.title, page.at('title').text), (TITLE, TITLE))
        self.assertEqual(page.js(MEASURE), [[625, 770]] + controls())
        # The letters bold and centred, the count plain from the left.
        look = 'const s = getComputedStyle(arguments[0]); return s.fontWeight + " " + s.textAlign'
        self.assertEqual([page.js(look, page.at(n)) for n in (29, 54, 58)],
                         ['700 center', '700 center', '400 start'])
        # Only the page's own files, and nothing asked of the user.
        self.assertEqual(page.js("return performance.getEntriesByType('resource')"
                                 ".map(e => e.name).filter(n => !n.startsWith(location.origin))"), [])
        # On a narrow screen the whole box shrinks; the program's pixels stay.
        page.set_window_size(400, 900)
        page.next_frame()
        self.assertEqual(page.js("return [document.querySelector('.window').getBoundingClientRect()"
                                 ".width < 400, document.getElementById('gadget-2').style.left]"),
                         [True, '325px'])

    def test_word_files(self):
        page = self.page
        # 100 MB of lines too long to be words: none is taken, and the page
        # goes on working.
        page.use_file('large.txt', (b'x' * 99 + b'\n') * (1 << 20))
        page.click(56)
        page.wait("return document.getElementById('gadget-58').textContent === 'Words: 0'", 120)
        for number, (data, choices, count, shown) in enumerate(games()):
            if data is None:
                page.at('default-list').click()
            else:
                page.use_file('game-%d.txt' % number, data)
            page.click(56)
            for choice in choices:  # "E2": E's list to item 2; "E@2": E's tick box 2 clicked
                k = ord(choice[0]) - ord('A')
                if choice[1] == '@':
                    page.click(tick_box(k, int(choice[2])))
                else:
                    page.choose(k, int(choice[1]))
            self.assertEqual((page.count(), page.words()), (count, shown), choices)
            page.click(57)

    def test_keyboard_tick_boxes_reset_parse_and_typing(self):
        page = self.page
        # Tab walks the controls in creation order, from nothing focused; in
        # the text area it types a tab, and Shift+Tab leaves it.
        self.assertEqual([self.tab() for _ in range(30)], [56, 55, 57] + list(range(3, 29)) + [2])
        self.assertEqual((self.tab(), page.words(), self.tab(back=True)), (2, '\t', 28))
        page.click(56)
        # What the page reports to the toolkit: one event per user action.
        page.js("window.reported = []; const report = Module._web_reportGadget;"
                "Module._web_reportGadget = (element, type) => {"
                "  reported.push(type); report(element, type); };")
        # E chosen "Used (Yellow)" with the keyboard shows its tick boxes; the
        # last of them comes before the first control going backwards.
        page.at(7).send_keys('u')
        page.next_frame()
        self.assertEqual([self.tab(8, back=True), self.tab(3, back=True)],
                         [tick_box(4, 5), tick_box(4, 2)])
        page.keys(' ')
        self.assertEqual((page.js(PANEL)[4], page.js('return reported.splice(0)')),
                         ([2, *YELLOW, '11111', '01000'], [CHANGE, CLICK]))
        narrowed = page.words().split()
        self.assertTrue(narrowed and all('E' in w and w[1] != 'E' for w in narrowed))
        # "?" hides the boxes and keeps their ticks; yellow shows them again.
        page.choose(4, 0)
        self.assertEqual(page.js(PANEL)[4], [0, *GREY, '00000', '01000'])
        page.choose(4, 2)
        # Typing in the list changes nothing else; the next pass replaces it.
        page.click(2)
        page.keys(Keys.END + 'typed')
        self.assertEqual(('typed' in page.words(), page.count()), (True, 'Words: %d' % len(narrowed)))
        page.click(55)
        self.assertEqual((page.js('return reported.splice(0)'), page.words().split()),
                         ([CHANGE] * 2 + [FOCUS] + [CHANGE] * 5 + [FOCUS_LOST, CLICK], narrowed))
        # Reset: every row "?", no ticks, nothing shown, no word back.
        page.click(57)
        self.assertEqual((page.js(PANEL), page.count()),
                         ([[0, *GREY, '00000', '00000']] * 26, 'Words: %d' % len(narrowed)))

    def test_reload_keeps_the_file_and_works_offline(self):
        page = self.page
        self.assertEqual(page.js(DROP), [True, False])
        page.wait("return document.getElementById('word-file').textContent.includes('dropped')")
        page.use_file('mine.txt', b'crane\nslate\nabc\n')
        # Once the service worker keeps every file of the page, the page opens
        # offline, also from a link or an icon whose address carries a query,
        # with the file chosen last.
        page.wait("return navigator.serviceWorker.controller && caches.open('larkspin')"
                  ".then(cache => cache.keys()).then(keys => keys.length >= 11)")
        Handler.offline = True
        try:
            page.open(self.url + '?from=icon')
            page.click(56)
            self.assertEqual((page.at('word-file').text, page.count()),
                             ('words.txt: mine.txt (16 bytes); press Load to read it', 'Words: 2'))
            page.at('default-list').click()
            page.click(56)
            self.assertEqual(page.count(), 'Words: 6748')
        finally:
            Handler.offline = False


if __name__ == '__main__':
    unittest.main()
