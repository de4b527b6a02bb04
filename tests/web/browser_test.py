# The web page in headless Chromium, driven with clicks and keys as a user
# would, in one visit: the controls at their boxes, the Tab order, a drop,
# word files through the chooser, the panel from the keyboard, and a visit
# again offline that keeps the chosen file.
import os
import unittest

from selenium.webdriver.common.keys import Keys

from page_driver import Page, serve

TITLE = 'Larkspin V1.EXE by the Larkspin developers (https://larkspin.example)'
GREY, YELLOW = ['rgb(241, 239, 237)', 'rgb(0, 0, 0)'], ['rgb(201, 180, 88)', 'rgb(255, 255, 255)']
CLICK, CHANGE, FOCUS, FOCUS_LOST = 0, 768, 14000, 14001
BUTTONS = {'Load': 56, 'Parse': 55, 'Reset': 57}
# The window's size and whether it shrank, then every control in creation
# order: its number, element, look and whether hidden, box (shown for the
# measure), text, and what a screen reader reads of it (its label's id, its
# own name, a label's politeness).
MEASURE = """
const window_ = document.querySelector('.window');
const shrunk = window_.getBoundingClientRect().width < 400;
return [[window_.offsetWidth, window_.offsetHeight, shrunk], ...[...window_.children].map(node => {
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
# file's bytes (with \xHH escapes), the choices, the count, the list. First
# 100 MB of lines too long to be words, which must leave the page working.
with open(os.path.join(os.path.dirname(__file__), 'games.txt'), encoding='utf-8') as table:
    GAMES = [[words.encode('latin-1').decode('unicode_escape').encode('latin-1'), *rest]
             for words, *rest in (line.rstrip('\n').split(' | ') for line in table
                                  if line.strip() and line[0] != '#')]


class BrowserTest(unittest.TestCase):
    def test_one_visit(self):
        server = serve()
        page = Page(server.url)
        self.addCleanup(page.quit)
        self.assertEqual((page.title, page.at('title').text), (TITLE, TITLE))
        # On a narrow screen the whole box shrinks; the program's own pixels
        # stay as they are.
        page.set_window_size(400, 900)
        page.next_frame()
        self.assertEqual(page.js(MEASURE), [[625, 770, True]] + CONTROLS)
        # Tab walks the controls in creation order, from nothing focused; in
        # the text area it types a tab, and Shift+Tab leaves it.
        self.assertEqual([page.keys(Keys.TAB) for _ in range(31)]
                         + [page.words(), page.keys(Keys.SHIFT + Keys.TAB)],
                         [56, 55, 57, *range(3, 29), 2, 2, '\t', 28])
        # A file dropped on the page is taken as one chosen; the page marks
        # where it may go while it is dragged over.
        self.assertEqual(page.js(
            "const drop = new DataTransfer(), body = document.body;"
            "drop.items.add(new File(['apple\\n'], 'dropped.txt'));"
            "return ['dragover', 'drop'].map(type => body.dispatchEvent(new DragEvent(type,"
            "  {dataTransfer: drop, bubbles: true})) && body.classList.contains('dropping'));"),
            [True, False])
        page.wait("return document.getElementById('word-file').textContent.includes('dropped')")
        large = [(b'x' * 99 + b'\n') * (1 << 20), '-', 'Words: 0', '-']
        for number, (words, choices, count, shown) in enumerate([large] + GAMES):
            page.use_file('game-%d.txt' % number, words)
            page.click(56)
            # "E2": E's list to item 2; "E@2": E's tick box at position 2
            # clicked; "Load", "Parse", "Reset": that button pressed.
            for choice in choices.replace('-', '').split():
                k, item = ord(choice[0]) - ord('A'), choice[-1]
                if choice in BUTTONS:
                    page.click(BUTTONS[choice])
                elif '@' in choice:
                    page.click(58 + 5 * k + int(item))
                else:
                    page.choose(k, int(item))
            shown = ''.join(word + '   ' for word in shown.replace('-', '').split())
            self.assertEqual((page.at(58).text, page.words()), (count, shown), choices)
            page.click(57)
        # The last game again from the keyboard, with what the page reports to
        # the toolkit: one event per user action, none for the program's own.
        page.click(56)
        page.js("window.reported = []; const pass = Module._web_reportGadget;"
                "Module._web_reportGadget = (e, type) => { reported.push(type); pass(e, type); };")
        # E "Used (Yellow)" shows its tick boxes: the last of them comes
        # before the first control going backwards.
        page.keys('u', 7)
        self.assertEqual([page.keys(Keys.SHIFT + Keys.TAB * n) for n in (8, 3)], [83, 80])
        page.keys(' ')
        self.assertEqual(page.js(E_ROW), [2, *YELLOW, '13111'])
        # Typing in the list is reported; the next pass replaces it with the
        # game's list, which the keyboard's tick has narrowed.
        page.keys('typed', 2)
        page.click(55)
        self.assertEqual((page.words(), page.js('return reported')),
                         (shown, [CHANGE, CLICK, FOCUS, *[CHANGE] * 5, FOCUS_LOST, CLICK]))
        # Reset: "?", no tick shown nor kept, no word back.
        page.click(57)
        self.assertEqual((page.js(E_ROW), page.at(58).text), ([0, *GREY, '00000'], count))
        # Once the service worker keeps every file of the page, the page opens
        # offline, also from a link or an icon whose address carries a query,
        # with the file chosen last.
        page.wait("return navigator.serviceWorker.controller && caches.open('larkspin')"
                  ".then(cache => cache.keys()).then(keys => keys.length >= 11)")
        server.shutdown()
        server.server_close()
        page.open(server.url + '?from=icon')
        page.click(56)
        self.assertEqual((page.at('word-file').text, page.at(58).text),
                         ('words.txt: game-%d.txt (%d bytes); press Load to read it'
                          % (number, len(words)), 'Words: 5'))
        page.at('default-list').click()
        page.click(56)
        with open(os.path.join(os.path.dirname(__file__), '../../data/words.txt')) as default:
            self.assertEqual((page.at(58).text, page.words()),
                             ('Words: 6748', ''.join(w.upper() + '   ' for w in default.read().split())))
        # Opened again, before its first load: A "Not Present (Grey)" and
        # Parse keep the store's one empty entry.
        page.open(server.url)
        page.choose(0, 1)
        page.click(55)
        self.assertEqual((page.at(58).text, page.words()), ('Words: 1', '   '))


if __name__ == '__main__':
    unittest.main()
