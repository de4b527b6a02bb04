"""The built web page in headless Chromium through WebDriver, served from
build-web/site by a static server of its own. Shared by the browser tests
and the browser benchmark."""
import os
import socket
import subprocess
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import Select, WebDriverWait

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SITE = os.environ.get('LARKSPIN_SITE', os.path.join(ROOT, 'build-web', 'site'))
# Without the background-networking flags headless Chromium's own
# connections are refused many at a time on a machine without a network.
CHROMIUM_FLAGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                  '--disable-background-networking', '--disable-component-update',
                  '--disable-sync', '--disable-dev-shm-usage']
def TICK_BOX(k, p):  # letter k's tick box at position p
    return 59 + 5 * k + (p - 1)


class Server:
    # A static server in a process of its own, so that it can be stopped
    # and started again on the same port.

    def __init__(self, folder=SITE):
        with socket.socket() as probe:
            probe.bind(('127.0.0.1', 0))
            self.port = probe.getsockname()[1]
        self.url = 'http://127.0.0.1:%d/' % self.port
        self.command = [sys.executable, '-m', 'http.server', str(self.port), '--bind', '127.0.0.1',
                        '--directory', folder]
        self.start()

    def start(self):
        self.process = subprocess.Popen(self.command, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        for _ in range(100):
            with socket.socket() as client:
                if client.connect_ex(('127.0.0.1', self.port)) == 0:
                    return
            time.sleep(0.05)
        raise RuntimeError('the static server did not start')

    def stop(self):
        self.process.terminate()
        self.process.wait()


class Page:
    # One browser with a fresh profile, on the page.

    def __init__(self, url, width=900, height=1000):
        options = webdriver.ChromeOptions()
        self.profile = tempfile.TemporaryDirectory()
        for flag in CHROMIUM_FLAGS + ['--user-data-dir=' + self.profile.name,
                                      '--window-size=%d,%d' % (width, height)]:
            options.add_argument(flag)
        options.binary_location = '/usr/bin/chromium'
        self.browser = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
        self.browser.get(url)
        self.wait_until_running()

    def quit(self):
        self.browser.quit()
        self.profile.cleanup()

    def reload(self):
        self.browser.refresh()
        self.wait_until_running()

    def wait_until_running(self):
        # The last thing the program does before its loop is to name the
        # last tick box for screen readers.
        self.wait(30, "const box = document.querySelector('#gadget-188 input');"
                      "return box && box.getAttribute('aria-label');")

    def wait(self, seconds, script):
        WebDriverWait(self.browser, seconds).until(lambda _: self.js(script))

    def js(self, script, *arguments):
        return self.browser.execute_script(script, *arguments)

    def next_frame(self):
        # Waits until the page has painted a frame after what went before.
        self.browser.execute_async_script(
            'requestAnimationFrame(() => setTimeout(arguments[arguments.length - 1]))')

    def element(self, name):
        return self.browser.find_element(By.ID, name)

    def gadget(self, number):
        return self.element('gadget-%d' % number)

    def tick_input(self, number):
        return self.gadget(number).find_element(By.TAG_NAME, 'input')

    def click(self, number):
        self.gadget(number).click()
        self.next_frame()

    def choose(self, k, state):
        # Chooses an item of letter k's list with the mouse.
        Select(self.gadget(3 + k)).select_by_index(state)
        self.next_frame()

    def keys(self, *keys):
        chain = webdriver.ActionChains(self.browser)
        for key in keys:  # a key held down is a tuple of it and the key pressed with it
            chain = chain.key_down(key[0]).send_keys(key[1]).key_up(key[0]) \
                if isinstance(key, tuple) else chain.send_keys(key)
        chain.perform()
        self.next_frame()

    def focused(self):
        return self.js("const at = document.activeElement.closest('[id^=gadget-]');"
                       "return at ? Number(at.id.slice(7)) : 0;")

    def count(self):
        return self.gadget(58).text

    def words(self):
        return self.gadget(2).get_attribute('value')

    def file_line(self):
        return self.element('word-file').text

    def use_file(self, path):
        # Chooses a word file through the page's file chooser.
        self.element('choose-file').send_keys(path)
        WebDriverWait(self.browser, 60).until(lambda _: os.path.basename(path) in self.file_line())

    def play(self, choices):
        # Plays choices written as in games.txt: "E2" sets E's list to item
        # 2, "E@2" clicks E's tick box at position 2.
        for choice in choices.split():
            k = ord(choice[0]) - ord('A')
            if choice[1] == '@':
                self.click(TICK_BOX(k, int(choice[2])))
            else:
                self.choose(k, int(choice[1]))
