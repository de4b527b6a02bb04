"""The web page in headless Chromium, driven with clicks and keys as a user
would: the controls at their boxes, word files, the panel from the
keyboard, and a reload with and without the server."""
import os
import tempfile
import unittest

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from page_driver import TICK_BOX, Page, Server

TITLE = 'Larkspin V1.EXE by the Larkspin developers (https://larkspin.example)'
LETTERS = [chr(65 + k) for k in range(26)]
LIGHT_GREY, YELLOW = 'rgb(241, 239, 237)', 'rgb(201, 180, 88)'
BLACK, WHITE = 'rgb(0, 0, 0)', 'rgb(255, 255, 255)'
CLICK, CHANGE, FOCUS, FOCUS_LOST = 0, 768, 14000, 14001


def layout():
    # Every control in creation order: number, element, box, text.
    rows = [(56, 'button', 40, 25, 150, 21, "Load 'words.txt' List"),
            (58, 'div', 325, 25, 150, 21, ''),
            (55, 'button', 40, 50, 150, 21, 'Parse List'),
            (57, 'button', 40, 75, 150, 21, 'Reset A-Z (below)')]
    rows += [(3 + k, 'select', 40, 100 + 25 * k, 150, 21, '?') for k in range(26)]
    rows += [(29 + k, 'div', 10, 100 + 25 * k, 25, 21, LETTERS[k]) for k in range(26)]
    rows += [(2, 'textarea', 325, 50, 280, 700, '')]
    rows += [(TICK_BOX(k, p), 'label', 200 + 25 * (p - 1), 100 + 25 * k, 25, 21, '')
             for k in range(26) for p in range(1, 6)]
    return rows


def games():
    # The games of games.txt, which the desktop program plays too.
    with open(os.path.join(os.path.dirname(__file__), 'games.txt'), encoding='utf-8') as table:
        for line in table:
            if line.strip() and not line.startswith('#'):
                words, choices, count, shown = line.rstrip('\n').split(' | ')
                data = None if words == 'default' else \
                    words.encode('latin-1').decode('unicode_escape').encode('latin-1')
                yield data, '' if choices == '-' else choices, count, \
                    ''.join(word + '   ' for word in shown.split() if shown != '-')


class BrowserTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = Server()
        cls.files = tempfile.TemporaryDirectory()

    @classmethod
    def tearDownClass(cls):
        cls.server.stop()
        cls.files.cleanup()

    def setUp(self):
        self.page = Page(self.server.url)
        self.addCleanup(self.page.quit)

    def file(self, name, data):
        path = os.path.join(self.files.name, name)
        with open(path, 'wb') as out:
            out.write(data)
        return path

    def label_look(self, k):
        return tuple(self.page.js('const s = getComputedStyle(arguments[0]);'
                                  'return [s.backgroundColor, s.color];', self.page.gadget(29 + k)))

    def tab(self, times=1, back=False):
        # The gadget focused after Tab (or Shift+Tab) pressed that many times.
        self.page.keys(*[(Keys.SHIFT, Keys.TAB) if back else Keys.TAB] * times)
        return self.page.focused()

    def test_window_and_its_187_controls(self):
        page = self.page
        self.assertEqual((page.browser.title, page.element('title').text), (TITLE, TITLE))
        measured = page.js("""
            const window_ = document.querySelector('.window'), origin = window_.getBoundingClientRect();
            return [[origin.width, origin.height]].concat([...window_.children].map(node => {
              const hidden = node.hidden; node.hidden = false;
              const r = node.getBoundingClientRect(); node.hidden = hidden;
              const input = node.querySelector('input');
              return [Number(node.id.slice(7)), node.localName, r.left - origin.left, r.top - origin.top,
                      r.width, r.height, node.localName === 'select' ? node.selectedOptions[0].text
                      : node.localName === 'textarea' ? node.value : node.textContent,
                      input ? input.type : '', hidden];
            }));""")
        self.assertEqual(measured[0], [625, 770])
        self.assertEqual([row[:7] for row in measured[1:]], [list(row) for row in layout()])
        self.assertEqual([row[7:] for row in measured[1:]],
                         [['checkbox', True] if row[0] >= 59 else ['', False] for row in layout()])
        self.assertEqual([o.text for o in page.gadget(3).find_elements(By.TAG_NAME, 'option')],
                         ['?', 'Not Present (Grey)', 'Used (Yellow)', '1st (Green)', '2nd (Green)',
                          '3rd (Green)', '4th (Green)', '5th (Green)'])
        # The letters bold and centred, the count plain from the left.
        look = 'const s = getComputedStyle(arguments[0]); return [s.fontWeight, s.textAlign]'
        self.assertEqual([page.js(look, page.gadget(n)) for n in (29, 54, 58)],
                         [['700', 'center'], ['700', 'center'], ['400', 'start']])

        # What a screen reader is told.
        names = {56: "Load 'words.txt' List", 55: 'Parse List', 57: 'Reset A-Z (below)',
                 2: 'Remaining words'}
        for k, letter in enumerate(LETTERS):
            names[3 + k] = letter
            self.assertEqual(page.gadget(3 + k).get_attribute('aria-labelledby'), 'gadget-%d' % (29 + k))
            for p in range(1, 6):
                names[TICK_BOX(k, p)] = '%s yellow at position %d' % (letter, p)
        for number, name in names.items():
            # A hidden tick box is out of the accessibility tree: its own name.
            told = page.tick_input(number).get_attribute('aria-label') if number >= 59 \
                else page.gadget(number).accessible_name
            self.assertEqual(told, name, number)
        self.assertEqual(page.gadget(58).get_attribute('aria-live'), 'polite')

        # Only the page's own files, and nothing asked of the user.
        self.assertEqual(page.js("return performance.getEntriesByType('resource')"
                                 ".map(e => e.name).filter(n => !n.startsWith(location.origin))"), [])
        # On a narrow screen the whole box shrinks; the program's pixels stay.
        page.browser.set_window_size(400, 900)
        page.next_frame()
        self.assertEqual(page.js("return [document.querySelector('.window').getBoundingClientRect().width"
                                 " < 400, document.getElementById('gadget-2').style.left]"), [True, '325px'])

    def test_word_files(self):
        page = self.page
        for number, (data, choices, count, shown) in enumerate(games()):
            if data is None and page.element('default-list').is_displayed():
                page.element('default-list').click()
            elif data is not None:
                page.use_file(self.file('game-%d.txt' % number, data))
            page.click(56)
            page.play(choices)
            self.assertEqual((page.count(), page.words()), (count, shown), choices)
            page.click(57)

        # A cancelled chooser changes nothing.
        line = page.file_line()
        page.js("const chooser = document.getElementById('choose-file');"
                "chooser.value = ''; chooser.dispatchEvent(new Event('change'));")
        self.assertEqual(page.file_line(), line)

        # 100 MB of lines too long to be words: none is taken, and the page
        # goes on working.
        page.use_file(self.file('large.txt', (b'x' * 99 + b'\n') * (1 << 20)))
        page.click(56)
        WebDriverWait(page.browser, 120).until(lambda _: page.count() == 'Words: 0')
        page.element('default-list').click()
        page.click(56)
        self.assertEqual(page.count(), 'Words: 6748')

    def test_keyboard_tick_boxes_reset_parse_and_typing(self):
        page = self.page
        # Tab walks the controls in creation order, from nothing focused; in
        # the text area it types a tab, and Shift+Tab leaves it.
        order = [self.tab() for _ in range(30)]
        self.assertEqual(order, [56, 55, 57] + list(range(3, 29)) + [2])
        self.assertEqual((self.tab(), page.words()), (2, '\t'))
        self.assertEqual(self.tab(back=True), 28)

        page.click(56)
        all_words = page.count()
        # What the page reports to the toolkit: one event per user action.
        page.js("window.reported = []; const report = Module._web_reportGadget;"
                "Module._web_reportGadget = (element, type) => { reported.push(type); report(element, type); };")
        reported = lambda: page.js('return reported.splice(0)')  # noqa: E731
        # E chosen "Used (Yellow)" with the keyboard shows its tick boxes; the
        # last of them comes before the first control going backwards.
        page.gadget(7).send_keys('u')
        page.next_frame()
        self.assertEqual(self.label_look(4), (YELLOW, WHITE))
        self.assertEqual(reported(), [CHANGE])
        self.assertEqual([self.tab(7, back=True), self.tab(back=True)],
                         [56, TICK_BOX(4, 5)])
        self.tab(3, back=True)
        page.keys(' ')
        self.assertEqual((page.tick_input(TICK_BOX(4, 2)).is_selected(), reported()), (True, [CLICK]))
        narrowed = page.words().split()
        self.assertTrue(narrowed and all('E' in w and w[1] != 'E' for w in narrowed))

        # "?" hides the boxes with their ticks; yellow shows them again.
        page.choose(4, 0)
        self.assertEqual((reported(), self.label_look(4), page.gadget(TICK_BOX(4, 2)).is_displayed()),
                         ([CHANGE], (LIGHT_GREY, BLACK), False))
        page.choose(4, 2)
        self.assertTrue(page.tick_input(TICK_BOX(4, 2)).is_selected())

        # Typing in the list changes nothing else; the next pass replaces it.
        reported()
        page.click(2)
        page.keys(Keys.END + 'typed')
        self.assertEqual(('typed' in page.words(), page.count()), (True, 'Words: %d' % len(narrowed)))
        page.click(55)
        self.assertEqual((reported(), page.words().split()),
                         ([FOCUS] + [CHANGE] * 5 + [FOCUS_LOST, CLICK], narrowed))

        # Reset: every row "?", no ticks, nothing shown, no word back.
        page.click(57)
        self.assertEqual(page.count(), 'Words: %d' % len(narrowed))
        self.assertEqual(page.js("return [...document.querySelectorAll('.window select')]"
                                 ".filter(s => s.selectedIndex !== 0).length"
                                 " + [...document.querySelectorAll('.tick')]"
                                 ".filter(t => !t.hidden || t.firstChild.checked).length"), 0)
        self.assertEqual({self.label_look(k) for k in range(26)}, {(LIGHT_GREY, BLACK)})
        self.assertNotEqual(page.count(), all_words)

    def test_reload_keeps_the_file_and_works_offline(self):
        page = self.page
        page.use_file(self.file('mine.txt', b'crane\nslate\nabc\n'))
        page.reload()
        self.assertIn('mine.txt', page.file_line())
        page.click(56)
        self.assertEqual(page.count(), 'Words: 2')

        # A file dropped on the page replaces it; the page shows where it may go meanwhile.
        self.assertEqual(page.js(
            "const drop = new DataTransfer(), marked = () => document.body.classList.contains('dropping');"
            "drop.items.add(new File(['apple\\ngrape\\n'], 'dropped.txt'));"
            "document.body.dispatchEvent(new DragEvent('dragover', {dataTransfer: drop, bubbles: true}));"
            "const over = marked();"
            "document.body.dispatchEvent(new DragEvent('drop', {dataTransfer: drop, bubbles: true}));"
            "return [over, marked()]"), [True, False])
        WebDriverWait(page.browser, 10).until(lambda _: 'dropped.txt' in page.file_line())
        page.click(56)
        self.assertEqual(page.words(), 'APPLE   GRAPE   ')

        page.wait(30, "return navigator.serviceWorker.controller !== null")
        page.browser.set_script_timeout(30)
        page.browser.execute_async_script(
            "const done = arguments[0]; (function wait() { caches.open('larkspin').then(c => c.keys())"
            ".then(keys => keys.length >= 11 ? done() : setTimeout(wait, 100)); })();")
        self.server.stop()
        try:
            # Opened again from a link or an icon, whose address may carry a query.
            page.browser.get(self.server.url + '?from=icon')
            page.wait_until_running()
            page.click(56)
            self.assertEqual(page.words(), 'APPLE   GRAPE   ')
            page.element('default-list').click()
            page.click(56)
            self.assertEqual(page.count(), 'Words: 6748')
        finally:
            self.server.start()


if __name__ == '__main__':
    unittest.main()
