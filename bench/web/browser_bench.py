#!/usr/bin/python3
"""Times the web page in headless Chromium, from the user's input (the
event's time stamp) to the next animation frame after it, when the page has
handled the event and is about to paint:
  - a panel change on 15,000 random words (one that leaves the list as it
    is, and one that narrows it) and on the default list; for the narrowing
    one also the frame after the rest of the long list went in;
  - a load of the default list;
  - from the input to the frame after the advice panel shows the advice:
    the opening of the default list (a load after a narrowed list) and a
    change to 850 candidates (S first), with those changes' first frames;
on a wide page and on an emulated phone (390 x 844, touch), where the page
is laid out for touch; the time from navigation to a working load button,
with a cold cache (a new browser) and a warm one (the service worker's);
and prints what a first visit downloads for the program and the advice
worker (scripts plus WebAssembly). Run after scripts/build-web:
  bench/web/browser_bench.py [ROUNDS]"""
import gzip
import os
import random
import statistics
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'tests', 'web'))
from page_driver import SITE, Page, serve  # noqa: E402

Q = 16  # the letter row toggled: Q is absent from the random words
S = 18  # S "1st (Green)" leaves 850 words of the default list

# Records, for every choice in a list and every click on a button, the time
# from the event to the next frame.
MEASURE = """
window.frameTimes = [], wholeTimes = [];
document.addEventListener('change', measure, true);
document.addEventListener('click', event => event.target.localName === 'button' && measure(event), true);
function measure(event) {
  const input = event.timeStamp;
  requestAnimationFrame(() => frameTimes.push(performance.now() - input));
  // A long list's rest goes in after the first frame: till the frame that
  // shows it is painted.
  const area = document.getElementById('gadget-2');
  const whole = () => requestAnimationFrame(() => area.larkspinFilling ? whole()
      : requestAnimationFrame(() => wholeTimes.push(performance.now() - input)));
  if (event.type === 'change') whole();
  if (armed) adviceFor = input;
  armed = false;
}
// From an armed input to the frame after the panel shows its advice (the
// top guess, which is empty while the advice is out of date).
window.adviceTimes = [], armed = false, adviceFor = null;
const top = document.getElementById('advice-top');
new MutationObserver(() => {
  if (adviceFor === null || !top.textContent) return;
  const input = adviceFor;
  adviceFor = null;
  requestAnimationFrame(() => adviceTimes.push(performance.now() - input));
}).observe(top, {childList: true, characterData: true, subtree: true});"""


def summary(times):
    return 'median %.1f ms, max %.1f ms over %d' % (statistics.median(times), max(times), len(times))


def panel_changes(page, rounds):
    # Q between "Not Present (Grey)" and "?": after the first, the list
    # stays as it is, and every change filters and shows all of it again.
    page.js('frameTimes.length = 0')
    for i in range(rounds):
        page.choose(Q, 1 if i % 2 == 0 else 0)  # "Not Present (Grey)", then "?"
    return list(page.js('return frameTimes'))


# When the program has made its last control: its load button works.
READY = """
new MutationObserver((_, observer) => {
  if (!document.querySelector('#gadget-188 input')?.ariaLabel) return;
  window.readyAt = performance.now();
  observer.disconnect();
}).observe(document, {subtree: true, childList: true, attributes: true});"""


def start_up(rounds):
    server, cold, warm = serve(), [], []
    for _ in range(rounds):
        page = Page(server.url, before_start=READY)
        cold.append(page.js('return readyAt'))
        page.wait('return navigator.serviceWorker.controller')
        for _ in range(3):
            page.open(server.url)
            warm.append(page.js('return readyAt'))
        page.quit()
    print('navigation to a working load button: cold cache %s; warm cache %s'
          % (summary(cold), summary(warm)))


def main():
    rounds = int(sys.argv[1]) if len(sys.argv) > 1 else 20
    start_up(max(3, rounds // 4))
    for phone in None, (390, 844):
        print('== ' + ('an emulated phone, %d x %d, laid out for touch' % phone if phone else 'a wide page'))
        timings(Page(serve().url, phone=phone), rounds)
    sizes()


def timings(page, rounds):
    try:
        page.js(MEASURE)
        page.click(56)
        loads = []
        for _ in range(rounds):
            page.js('frameTimes.length = 0')
            page.click(56)
            loads += page.js('return frameTimes')
        print('load of the default list (%s): %s' % (page.at(58).text, summary(loads)))
        changes = panel_changes(page, rounds)
        print('panel change on the default list (%s): %s' % (page.at(58).text, summary(changes)))

        generator = random.Random(15000)
        letters = 'abcdefghijklmnoprstuvwxyz'
        words = (''.join(generator.choice(letters) for _ in range(5)) + '\n' for _ in range(15000))
        page.use_file('random.txt', ''.join(words).encode())
        page.click(56)
        print('panel change on 15,000 words, list unchanged (%s): %s'
              % (page.at(58).text, summary(panel_changes(page, rounds))))
        narrowing, whole = [], []
        for _ in range(rounds):
            page.choose(4, 0)
            page.click(56)
            page.js('frameTimes.length = wholeTimes.length = 0')
            page.choose(4, 1)  # E "Not Present (Grey)"
            narrowing += page.js('return frameTimes')
            page.words()
            page.next_frame()
            whole.append(page.js('return wholeTimes.at(-1)'))
        print('panel change narrowing 15,000 words to %s: %s; the whole list in place: %s'
              % (page.at(58).text, summary(narrowing), summary(whole)))
        advice_timings(page, rounds)
    finally:
        page.quit()


def advice_timings(page, rounds):
    # On the default list, with every row at "?": S "1st (Green)", then a
    # load (the opening, which the worker works out again with the guesses
    # it has), S back to "?". The first load also hands the worker the list.
    page.click(57)
    page.at('default-list').click()
    page.js('adviceTimes.length = 0; armed = true')
    page.click(56)
    page.wait('return adviceTimes.length === 1', 600)
    handed = page.js('return adviceTimes[0]')
    # The times to the advice shown, and to the first frame.
    opening, narrowing, opening_frame, narrowing_frame, left = [], [], [], [], None
    for _ in range(rounds):
        for act, times, frames in ((lambda: page.choose(S, 3), narrowing, narrowing_frame),
                                   (lambda: page.click(56), opening, opening_frame)):
            page.js('adviceTimes.length = frameTimes.length = 0; armed = true')
            act()
            page.wait('return adviceTimes.length === 1', 600)
            times.append(page.js('return adviceTimes[0]'))
            frames += page.js('return frameTimes')
            left = left or page.at(58).text
        page.choose(S, 0)
    print('advice shown: the opening of the default list %s (the first, which hands the worker the list,'
          ' %.1f ms), its first frame %s; a change to %s: %s, its first frame %s'
          % (summary(opening), handed, summary(opening_frame), left, summary(narrowing),
             summary(narrowing_frame)))


def sizes():
    for names in ('larkspin.js', 'larkspin.wasm', 'advice.js', 'advice.wasm'), ('page.js', 'panel.js'):
        total = gzipped = 0
        for name in names:
            with open(os.path.join(SITE, name), 'rb') as part:
                data = part.read()
            total += len(data)
            gzipped += len(gzip.compress(data, 9))
            print('%s: %d bytes' % (name, len(data)))
        print('together: %d bytes (%.0f KB), %d bytes gzipped' % (total, total / 1024, gzipped))


if __name__ == '__main__':
    main()
