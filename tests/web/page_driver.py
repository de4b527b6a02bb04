# The built web page in headless Chromium through WebDriver, served from
# build-web/site by a static server of its own. Shared by the browser tests
# and the browser benchmark.
import functools, itertools, os, pathlib, shutil, tempfile, threading
from http.server import SimpleHTTPRequestHandler, ThreadingHTTPServer

from selenium import webdriver
from selenium.webdriver.common.actions import interaction
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import Select, WebDriverWait

SITE = os.environ.get('LARKSPIN_SITE') or os.path.dirname(__file__) + '/../../build-web/site'
FILES = tempfile.TemporaryDirectory()  # the word files given to the pages
FRESH = itertools.count()  # numbers them, so that no two have one name
# Without the background-networking flags headless Chromium's own
# connections are refused many at a time on a machine without a network.
# ChromeDriver gives every browser a fresh profile of its own.
CHROMIUM_FLAGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                  '--disable-background-networking', '--disable-component-update',
                  '--disable-sync', '--disable-dev-shm-usage', '--window-size=900,1000']

# "Open with" in a browser that cannot be launched by the system: the
# launch's file (or folder) in the origin's private file system, from the
# site's copy, handed to the consumer the page sets.
OPEN_WITH = """LaunchQueue.prototype.setConsumer = consumer => navigator.storage.getDirectory().then(async root => {
  if (%r) return consumer({ files: [await root.getDirectoryHandle(%r, { create: true })] });
  const handle = await root.getFileHandle(%r, { create: true });
  await (await fetch(encodeURIComponent(%r))).body.pipeTo(await handle.createWritable());
  consumer({ files: [handle] });
});"""


class QuietHandler(SimpleHTTPRequestHandler):
    log_message = lambda *_: None


def serve():
    # Serves a copy of the site (server.site, which a test may change) from
    # a thread of its own, at server.url until server.shutdown() and
    # server.server_close() stop it.
    site = shutil.copytree(SITE, os.path.join(tempfile.mkdtemp(dir=FILES.name), 'site'))
    server = ThreadingHTTPServer(('127.0.0.1', 0), functools.partial(QuietHandler, directory=site))
    server.url, server.site = 'http://127.0.0.1:%d/' % server.server_address[1], site
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


class Page(webdriver.Chrome):
    # A browser of its own on the page, driven as a user would. Every action
    # waits until the page has painted a frame after it.
    js = webdriver.Chrome.execute_script

    def __init__(self, url, phone=None, before_start=None, started=True):
        # phone: (width, height) of an emulated phone with a touch screen.
        # before_start: a script that runs in every page of this tab before
        # the page's own. started: whether to wait for the program's start.
        options = webdriver.ChromeOptions()
        for flag in CHROMIUM_FLAGS:
            options.add_argument(flag)
        if phone:
            options.add_experimental_option('mobileEmulation', {'deviceMetrics': {
                'width': phone[0], 'height': phone[1], 'pixelRatio': 2, 'touch': True}})
        super().__init__(options=options)
        self.open(url, before_start, started)

    def open(self, url, before_start=None, started=True):
        if before_start:
            self.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument', {'source': before_start})
        self.get(url)
        if started:
            self.started()

    def started(self):
        # The last thing the program does before its loop is to name the
        # last tick box for screen readers.
        self.wait("return document.querySelector('#gadget-188 input')?.ariaLabel")

    def next_visit(self, url, before_start=None):
        # The page closed, then opened again in a new tab.
        old = self.current_window_handle
        self.switch_to.new_window('tab')
        fresh = self.current_window_handle
        self.switch_to.window(old)
        self.close()
        self.switch_to.window(fresh)
        self.open(url, before_start)

    def wait(self, script, seconds=30):
        WebDriverWait(self, seconds).until(lambda _: self.js(script), script)

    def line(self, part, seconds=30):
        # The line above the box, once it says this.
        self.wait("return document.getElementById('word-file').textContent.includes(%r)" % part, seconds)
        return self.at('word-file').text

    def next_frame(self):
        self.execute_async_script('requestAnimationFrame(() => setTimeout(arguments[0]))')

    def at(self, name):
        # A page element by its id, or a control by its gadget number.
        return self.find_element(By.ID, name if isinstance(name, str) else 'gadget-%d' % name)

    def click(self, number):
        self.at(number).click()
        self.next_frame()

    def tap(self, number):
        # A finger's tap on the control, where it is on the screen.
        touch = ActionBuilder(self, mouse=PointerInput(interaction.POINTER_TOUCH, 'finger'))
        touch.pointer_action.move_to(self.at(number)).pointer_down().pointer_up()
        touch.perform()
        self.next_frame()

    def choose(self, k, state):
        # Chooses an item of letter k's list with the mouse.
        Select(self.at(3 + k)).select_by_index(state)
        self.next_frame()

    def keys(self, text, number=None):
        # Types into that control (the focused element if none); a Shift in
        # the text is held to its end. Returns the gadget focused after.
        (self.at(number) if number else self.switch_to.active_element).send_keys(text)
        self.next_frame()
        return self.js("return +(document.activeElement.closest('[id^=gadget]')?.id.slice(7) ?? 0)")

    def words(self):
        # A long list's rest follows its first screenful by a frame.
        self.wait("return !document.getElementById('gadget-2').larkspinFilling")
        return self.at(2).get_attribute('value')

    def use_file(self, name, data, dropped=False):
        # Chooses a word file of these bytes through the page's file chooser
        # (or drops it on the page), under the name with a number of its own,
        # which it returns once the line names the file.
        name = '%d-%s' % (next(FRESH), name)
        if dropped:
            self.js("const dropped = new DataTransfer(); dropped.items.add(new File([new Uint8Array(arguments[1])], arguments[0]));"
                    "document.body.dispatchEvent(new DragEvent('drop', {dataTransfer: dropped, bubbles: true}));", name, list(data))
        else:
            pathlib.Path(FILES.name, name).write_bytes(data)
            self.at('choose-file').send_keys(str(pathlib.Path(FILES.name, name)))
        self.line(name, seconds=60)
        return name

    def hand_file(self, server, way, name, data):
        # Opens the app with a file as an installed app is opened: "share"
        # POSTs it to the share target from a page of its own, as a share
        # sheet does; "open" gives it to the page's launchQueue consumer at
        # the start, from the origin's private file system, as "Open with"
        # does. With data None the POST has a text field instead, and the
        # consumer gets a folder.
        path = pathlib.Path(server.site if way == 'open' else FILES.name, name)
        path.write_bytes(data or b'')
        if way == 'share':
            self.get('about:blank')
            self.js("document.body.innerHTML = `<form method=post enctype=multipart/form-data action=${arguments[0]}share>"
                    "<input name=words type=${arguments[1]}>`", server.url, 'text' if data is None else 'file')
            self.find_element(By.NAME, 'words').send_keys('text' if data is None else str(path))
            self.js('document.forms[0].submit()')
            return self.started()
        script = self.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument', {
            'source': OPEN_WITH % ('true' if data is None else '', name, name, name)})['identifier']
        self.open(server.url)
        self.execute_cdp_cmd('Page.removeScriptToEvaluateOnNewDocument', {'identifier': script})
