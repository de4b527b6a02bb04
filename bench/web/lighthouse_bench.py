#!/usr/bin/python3
"""Lighthouse's mobile and desktop runs on the built page, served gzip-compressed
from a local server as any real host serves it, in Debian's Chromium with the
browser tests' flags. Prints, for each run and as medians: the four scores,
the start's metrics (first and largest contentful paint, total blocking time,
cumulative layout shift, speed index) and, for the median run, the longest
tasks of the page's main thread, in time and in the thread's CPU time. A
machine busy with other work stretches the time (and Lighthouse multiplies
it by 4 on the throttled phone), not the CPU time: the line "blocking time
from CPU time" is the sum Lighthouse's blocking time takes, over the CPU
time of every task from the navigation on. Installs what is missing: Chromium, Node and npm
(Debian's, through scripts/install-deps) and Lighthouse 12.2.3 (npm, into
build-web/lighthouse). Run as root after scripts/build-web:
  bench/web/lighthouse_bench.py [RUNS]
LARKSPIN_SITE=folder measures another build of the site."""
import functools
import gzip
import json
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import threading
from http.server import SimpleHTTPRequestHandler, ThreadingHTTPServer

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..')
sys.path.insert(0, os.path.join(ROOT, 'tests', 'web'))

VERSION = '12.2.3'  # the README's figures are this version's; 13 needs a newer Node than Debian's
PREFIX = os.path.join(ROOT, 'build-web', 'lighthouse')
LIGHTHOUSE = os.path.join(PREFIX, 'node_modules', '.bin', 'lighthouse')
CATEGORIES = ['performance', 'accessibility', 'best-practices', 'seo']
METRICS = [('first-contentful-paint', 'FCP', 'ms'), ('largest-contentful-paint', 'LCP', 'ms'),
           ('total-blocking-time', 'TBT', 'ms'), ('cumulative-layout-shift', 'CLS', ''),
           ('speed-index', 'SI', 'ms')]
COMPRESSED = ('.html', '.js', '.css', '.wasm', '.txt', '.webmanifest', '.svg')


class GzipHandler(SimpleHTTPRequestHandler):
    # Every text file and the WebAssembly gzipped, when the browser takes it.
    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            path = os.path.join(path, 'index.html')
        if not path.endswith(COMPRESSED) or 'gzip' not in self.headers.get('Accept-Encoding', '') \
                or not os.path.isfile(path):
            return super().send_head()
        with open(path, 'rb') as source:
            body = gzip.compress(source.read(), 6)
        self.send_response(200)
        self.send_header('Content-Type', self.guess_type(path))
        self.send_header('Content-Encoding', 'gzip')
        self.send_header('Content-Length', str(len(body)))
        self.send_header('Cache-Control', 'no-cache')
        self.end_headers()
        self.wfile.write(body)
        return None

    def log_message(self, *_):
        pass


GzipHandler.extensions_map = {**SimpleHTTPRequestHandler.extensions_map, '.wasm': 'application/wasm',
                              '.webmanifest': 'application/manifest+json', '.js': 'text/javascript'}


def install():
    # Node and npm may come from elsewhere than Debian; only missing ones are installed.
    missing = ['chromium', 'python3-selenium'] + (['nodejs', 'npm'] if not shutil.which('npm') else [])
    subprocess.run([os.path.join(ROOT, 'scripts', 'install-deps')] + missing, check=True)
    if os.path.exists(LIGHTHOUSE):
        return
    subprocess.run(['npm', 'install', '--prefix', PREFIX, '--no-save', '--no-audit', '--no-fund',
                    '-E', 'lighthouse@' + VERSION], check=True)


def run(url, desktop, folder, number):
    from page_driver import CHROMIUM_FLAGS
    output = os.path.join(folder, '%s-%d.json' % ('desktop' if desktop else 'mobile', number))
    command = [LIGHTHOUSE, url, '--quiet', '--output=json', '--output-path=' + output, '--save-assets',
               '--only-categories=' + ','.join(CATEGORIES), '--chrome-flags=' + ' '.join(CHROMIUM_FLAGS)]
    if desktop:
        command.append('--preset=desktop')
    subprocess.run(command, check=True, env={**os.environ, 'CHROME_PATH': '/usr/bin/chromium'})
    with open(output, encoding='utf-8') as report, open(output[:-5] + '-0.trace.json', encoding='utf-8') as trace:
        return json.load(report), json.load(trace)['traceEvents']


def tasks(events):
    # The top-level tasks of the page's main thread (the renderer's main
    # thread with the most events), as (start, time, CPU time) in ms after
    # the navigation.
    names = {(event['pid'], event['tid']) for event in events
             if event.get('name') == 'thread_name' and event['args']['name'] == 'CrRendererMain'}
    thread = max(names, key=lambda name: sum((event['pid'], event['tid']) == name for event in events))
    start = min(event['ts'] for event in events if event.get('name') == 'navigationStart')
    return [((event['ts'] - start) / 1000, event['dur'] / 1000, event.get('tdur', 0) / 1000)
            for event in events if event.get('name') == 'RunTask' and event.get('ph') == 'X'
            and (event['pid'], event['tid']) == thread and event['ts'] >= start]


def figures(report):
    scores = [round(100 * report['categories'][name]['score']) for name in CATEGORIES]
    return scores + [report['audits'][audit]['numericValue'] for audit, _, _ in METRICS]


def line(values):
    scores = ' '.join('%s %d' % (name, value) for name, value in zip(CATEGORIES, values))
    metrics = ', '.join('%s %.3f' % (name, value) if not unit else '%s %.0f %s' % (name, value, unit)
                        for (_, name, unit), value in zip(METRICS, values[len(CATEGORIES):]))
    return scores + '; ' + metrics


def main():
    runs = int(sys.argv[1]) if len(sys.argv) > 1 else 3
    install()
    from page_driver import SITE
    server = ThreadingHTTPServer(('127.0.0.1', 0), functools.partial(GzipHandler, directory=SITE))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    url = 'http://127.0.0.1:%d/' % server.server_address[1]
    with tempfile.TemporaryDirectory() as folder:
        for desktop in False, True:
            print('== ' + ('desktop' if desktop else 'mobile (a throttled mid-range phone)'))
            reports = [run(url, desktop, folder, number) for number in range(runs)]
            rows = [figures(report) for report, _ in reports]
            for row in rows:
                print('  run: ' + line(row))
            print('median: ' + line([statistics.median(column) for column in zip(*rows)]))
            # The run whose blocking time is the median one: its longest tasks.
            middle = sorted(range(runs), key=lambda index: rows[index][len(CATEGORIES) + 2])[runs // 2]
            ran = tasks(reports[middle][1])
            slowdown = 1 if desktop else 4
            print('  blocking time from CPU time: %.0f ms' % sum(max(0, slowdown * cpu - 50) for _, _, cpu in ran))
            for order, name in (1, 'time'), (2, 'CPU time'):
                longest = sorted(ran, key=lambda task: -task[order])[:6]
                print('  longest tasks by %s: ' % name + ', '.join(
                    '%.0f (CPU %.0f) ms at %.0f ms' % (time, cpu, start) for start, time, cpu in longest))
    server.shutdown()


if __name__ == '__main__':
    main()
