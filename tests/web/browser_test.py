# The web page in headless Chromium, driven with clicks and keys as a user
# would: the controls at their boxes, word files, the panel from the
# keyboard, a drop, and a visit again offline that keeps the chosen file.
import os
import unittest

from selenium.webdriver.common.keys import Keys

from page_driver import Page, serve, tick_box

TITLE = 'Larkspin V1.EXE by the Larkspin developers (https://larkspin.example)'
GREY, YELLOW = ['rgb(241, 239, 237)', 'rgb(0, 0, 0)'], ['rgb(201, 180, 88)', 'rgb(255, 255, 255)']
CLICK, CHANGE, FOCUS, FOCUS_LOST = 0, 768, 14000, 14001
# The window's size, then every control in creation order: its number,
# element, look and whether hidden, box (shown for the measure), text, and
# what a screen reader reads of it (its label's id, its own name, a label's
# politeness).
MEASURE = """
const window_ = document.querySelector('.window');
return [[window_.offsetWidth, window_.offsetHeight]].concat([...window_.children].map(node => {
  const hidden = node.hidden, s = getComputedStyle(node);
  node.hidden = false;
  const box = [node.offsetLeft, node.offsetTop, node.offsetWidth, node.offsetHeight];
  node.hidden = hidden;
  const look = [node.localName, s.fontWeight, s.textAlign, hidden ? 'hidden' : ''].join(' ');
  const named = node.querySelector('input') || node;
  return [Number(node.id.slice(7)), look.trim(), ...box,
          node.localName === 'select' ? node.value : node.textContent,
          named.getAttribute('aria-labelledby') ?? named.ariaLabel ?? node.ariaLive];
}));"""
LIST, LETTER, TICK = 'select 400 start', 'div 700 center', 'label 400 start hidden'
CONTROLS = ([[56, 'button 400 center', 40, 25, 150, 21, "Load 'words.txt' List", None],
             [58, 'div 400 start', 325, 25, 150, 21, '', 'polite'],
             [55, 'button 400 center', 40, 50, 150, 21, 'Parse List', None],
             [57, 'button 400 center', 40, 75, 150, 21, 'Reset A-Z (below)', None]]
            + [[3 + k, LIST, 40, 100 + 25 * k, 150, 21, '?', f'gadget-{29 + k}'] for k in range(26)]
            + [[29 + k, LETTER, 10, 100 + 25 * k, 25, 21, chr(65 + k), 'polite'] for k in range(26)]
            + [[2, 'textarea 400 start', 325, 50, 280, 700, '', 'Remaining words']]
            + [[tick_box(k, p), TICK, 175 + 25 * p, 100 + 25 * k, 25, 21, '',
                '%c yellow at position %d' % (65 + k, p)] for k in range(26) for p in range(1, 6)])
# Each letter's list item, label colours, and which tick boxes show and are ticked.
PANEL = """
const at = n => document.getElementById('gadget-' + n);
return [...Array(26).keys()].map(k => {
  const look = getComputedStyle(at(29 + k)), ticks = [1, 2, 3, 4, 5].map(p => at(58 + 5 * k + p));
  return [at(3 + k).selectedIndex, look.backgroundColor, look.color,
          ticks.map(t => Number(t.checkVisibility())).join(''),
          ticks.map(t => Number(t.firstChild.checked)).join('')];
});"""


# The games of games.txt, which the desktop program plays too: the word
# file's bytes (with \xHH escapes), the choices, the count, the list.
with open(os.path.join(os.path.dirname(__file__), 'games.txt'), encoding='utf-8') as table:
    GAMES = [line.rstrip('\n').split(' | ') for line in table if line.strip() and line[0] != '#']


class BrowserTest(unittest.TestCase):
    def setUp(self):
        self.server = serve()
        self.page = Page(self.server.url)
        self.addCleanup(self.page.quit)

    def tab(self, times=1, back=False):
        # The gadget focused after Tab (or Shift+Tab) pressed that many times.
        self.page.keys((Keys.SHIFT if back else '') + Keys.TAB * times)
        return self.page.js("const at = document.activeElement.closest('[id^=gadget-]');"
                            "return at ? Number(at.id.slice(7)) : 0;")

    def test_window_and_its_187_controls(self):
        page = self.page
        self.assertEqual((page.title, page.at('title').text), (TITLE, TITLE))
        # On a narrow screen the whole box shrinks; the program's own pixels
        # stay as they are.
        page.set_window_size(400, 900)
        page.next_frame()
        self.assertLess(page.js("return document.querySelector('.window').getBoundingClientRect()"
                                ".width"), 400)
        self.assertEqual(page.js(MEASURE), [[625, 770]] + CONTROLS)

    def test_word_files(self):
        page = self.page
        # 100 MB of lines too long to be words: none is taken, and the page
        # goes on working.
        page.use_file('large.txt', (b'x' * 99 + b'\n') * (1 << 20))
        page.click(56)
        page.wait("return document.getElementById('gadget-58').textContent === 'Words: 0'", 120)
        for number, (words, choices, count, shown) in enumerate(GAMES):
            page.use_file('game-%d.txt' % number,
                          words.encode('latin-1').decode('unicode_escape').encode('latin-1'))
            page.click(56)
            # "E2": E's list to item 2; "E@2": E's tick box at position 2 clicked.
            for choice in choices.replace('-', '').split():
                k, item = ord(choice[0]) - ord('A'), int(choice[-1])
                if '@' in choice:
                    page.click(tick_box(k, item))
                else:
                    page.choose(k, item)
            shown = ''.join(word + '   ' for word in shown.replace('-', '').split())
            self.assertEqual((page.at(58).text, page.words()), (count, shown), choices)
            page.click(57)

    def test_keyboard_tick_boxes_reset_parse_and_typing(self):
        page = self.page
        # Tab walks the controls in creation order, from nothing focused; in
        # the text area it types a tab, and Shift+Tab leaves it.
        self.assertEqual([self.tab() for _ in range(30)], [56, 55, 57] + list(range(3, 29)) + [2])
        self.assertEqual((self.tab(), page.words(), self.tab(back=True)), (2, '\t', 28))
        page.click(56)
        # What the page reports to the toolkit: one event per user action.
        page.js("window.reported = []; const pass = Module._web_reportGadget;"
                "Module._web_reportGadget = (e, type) => { reported.push(type); pass(e, type); };")
        # E chosen "Used (Yellow)" with the keyboard shows its tick boxes: the
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
        # "?" hides the boxes and keeps their ticks, which count again in yellow.
        page.choose(4, 0)
        self.assertEqual(page.js(PANEL)[4], [0, *GREY, '00000', '01000'])
        page.choose(4, 2)
        # Typing in the list changes nothing else; the next pass replaces it.
        page.click(2)
        page.keys(Keys.END + 'typed')
        self.assertEqual(('typed' in page.words(), page.at(58).text),
                         (True, 'Words: %d' % len(narrowed)))
        page.click(55)
        self.assertEqual((page.js('return reported.splice(0)'), page.words().split()),
                         ([CHANGE] * 2 + [FOCUS] + [CHANGE] * 5 + [FOCUS_LOST, CLICK], narrowed))
        # Reset: every row "?", no ticks, nothing shown, no word back.
        page.click(57)
        self.assertEqual((page.js(PANEL), page.at(58).text),
                         ([[0, *GREY, '00000', '00000']] * 26, 'Words: %d' % len(narrowed)))

    def test_reload_keeps_the_file_and_works_offline(self):
        page = self.page
        # A file dropped on the page is taken as one chosen; the page marks
        # where it may go while it is dragged over.
        self.assertEqual(page.js(
            "const drop = new DataTransfer(), body = document.body;"
            "drop.items.add(new File(['apple\\n'], 'dropped.txt'));"
            "return ['dragover', 'drop'].map(type => body.dispatchEvent(new DragEvent(type,"
            "  {dataTransfer: drop, bubbles: true})) && body.classList.contains('dropping'));"),
            [True, False])
        page.wait("return document.getElementById('word-file').textContent.includes('dropped')")
        page.use_file('mine.txt', b'crane\nslate\nabc\n')
        # Once the service worker keeps every file of the page, the page opens
        # offline, also from a link or an icon whose address carries a query,
        # with the file chosen last.
        page.wait("return navigator.serviceWorker.controller && caches.open('larkspin')"
                  ".then(cache => cache.keys()).then(keys => keys.length >= 11)")
        self.server.shutdown()
        self.server.server_close()
        page.open(self.server.url + '?from=icon')
        page.click(56)
        self.assertEqual((page.at('word-file').text, page.at(58).text),
                         ('words.txt: mine.txt (16 bytes); press Load to read it', 'Words: 2'))
        page.at('default-list').click()
        page.click(56)
        self.assertEqual(page.at(58).text, 'Words: 6748')


if __name__ == '__main__':
    unittest.main()
