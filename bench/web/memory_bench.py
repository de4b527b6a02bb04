#!/usr/bin/python3
"""The web page's memory and time of one load, in headless Chromium: for
words.txt of empty lines, of "abcde" lines and of one long line, at each
size, a new browser chooses the file, presses the load button once, and
prints the time from the click to the count label's answer (and the page's
main thread's processor time meanwhile, which other work on the machine
changes less) and the size of
the program's WebAssembly memory before and after the load (it only grows,
so after is the peak). The chosen file itself lies in the page's file system,
outside the WebAssembly memory. Run after scripts/build-web:
  bench/web/memory_bench.py [MB...]   (default 1 8 32)"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'tests', 'web'))
from page_driver import Page, serve  # noqa: E402

# Presses the load button and answers, once the count label has changed to
# an answer, the milliseconds since the click and the label.
LOAD = """
const done = arguments[0], label = document.getElementById('gadget-58');
const start = performance.now();
new MutationObserver((_, observer) => {
  observer.disconnect();
  done([performance.now() - start, label.textContent]);
}).observe(label, {subtree: true, childList: true, characterData: true});
document.getElementById('gadget-56').click();"""
MEMORY = 'return wasmMemory.buffer.byteLength / 1048576'


def thread_time(page):
    metrics = page.execute_cdp_cmd('Performance.getMetrics', {})['metrics']
    return next(metric['value'] for metric in metrics if metric['name'] == 'ThreadTime') * 1000


def main():
    sizes = [int(size) for size in sys.argv[1:]] or [1, 8, 32]
    kinds = [('empty lines', b'\n'), ('"abcde" lines', b'abcde\n'), ('one line', None)]
    server = serve()
    print('%-28s%12s %12s %14s %12s   %s' % ('words.txt', 'load', 'its CPU', 'memory before', 'after',
                                           'count label'))
    for size in sizes:
        for name, line in kinds:
            data = b'x' * (size << 20) if line is None else line * ((size << 20) // len(line))
            page = Page(server.url)
            try:
                page.set_script_timeout(600)
                page.use_file('%d-%s.txt' % (size, name.split()[0].strip('"')), data)
                page.execute_cdp_cmd('Performance.enable', {'timeDomain': 'threadTicks'})
                before, cpu = page.js(MEMORY), thread_time(page)
                ms, label = page.execute_async_script(LOAD)
                cpu = thread_time(page) - cpu
                print('%-28s%9.1f ms %9.1f ms %11.1f MB %9.1f MB   %s'
                      % ('%d MB, %s' % (size, name), ms, cpu, before, page.js(MEMORY), label))
            finally:
                page.quit()
    server.shutdown()


if __name__ == '__main__':
    main()
