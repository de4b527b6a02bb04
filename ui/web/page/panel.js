// The "Next guesses" panel. Each time the program waits for the next event,
// the web backend tells the page (a larkspin-idle event); the panel then
// reads what the program holds (advice_lists.cpp), marks its advice out of date at once when
// the list changed, and has the advice worker (advice.js, the engine built on
// its own) work out the next. The program knows nothing of the panel and
// works the same without it.
(function () {
'use strict';

const $ = id => document.getElementById(id);
const panel = $('advice'), statusLine = $('advice-status'), bar = $('advice-progress');
const staleLine = $('advice-stale'), note = $('advice-note');
const topLine = $('advice-top');
const said = $('advice-said'), hide = $('advice-hide');
const tables = [$('advice-best'), $('advice-candidates')];
const HIDDEN = 'larkspin-advice-hidden';
const NOT_AVAILABLE = 'Advice is not available in this browser; the program works as before.';
const NARROWED = 'Over 15,000 words: the advice tries part of the guesses, or a sample of the ' +
  'words left, and may miss a better guess.';

let worker = null, unavailable = false;
let requested = 0; // the newest request's number
let announced = null; // the request whose top guess was told to screen readers
let sent = { loaded: 0, list: 0 }; // the generations of the lists last sent
let lists = { loaded: 0, count: 0, kept: -1, first: '', second: '' };
// The advice for the newest request, null while the worker works it out;
// before any request, that of the empty list.
const NO_ADVICE = { best: [], candidates: [], narrowed: false };
let advice = NO_ADVICE, progress = null;

// Hidden stays hidden at the next visit; without storage, for this visit.
function showHidden() {
  document.body.classList.toggle('advice-hidden', hide.checked);
}
try {
  hide.checked = localStorage.getItem(HIDDEN) === '1';
} catch (error) {}
showHidden();
hide.addEventListener('change', () => {
  showHidden();
  try {
    localStorage.setItem(HIDDEN, hide.checked ? '1' : '0');
  } catch (error) {}
});

function startWorker() {
  try {
    worker = new Worker('advice.js');
  } catch (error) {
    return fail();
  }
  worker.onmessage = event => heard(event.data);
  worker.onerror = fail;
}

function fail() {
  if (worker) worker.terminate();
  unavailable = true;
  show();
}

function heard(message) {
  if (message.failed) return fail();
  if (message.id !== requested) return; // for a list that is no longer there
  if (message.advice) advice = message.advice;
  else progress = message.progress;
  show();
}

// A fault of the panel's must never reach the program's wait.
document.addEventListener('larkspin-idle', () => {
  try { idle(false); } catch (error) { fail(); }
});

// What the rows would keep is a pass over every loaded word: it is counted
// once the change's own frame is painted, if the program still waits, and
// the stale-list line keeps its text until then.
const NOT_COUNTED = -2;
let counting = false;
function countLater() {
  if (counting) return;
  counting = true;
  requestAnimationFrame(() => setTimeout(() => {
    counting = false;
    try {
      if (Module.larkspinWake) idle(true);
    } catch (error) { fail(); }
  }));
}

function idle(countKept) {
  const at = Module._web_programLists(countKept) >> 2;
  const [loadedAt, loaded, loadedGeneration, listAt, count, listGeneration, kept] =
    Module.HEAP32.subarray(at);
  const changed = listGeneration !== sent.list || loadedGeneration !== sent.loaded;
  if (kept === NOT_COUNTED) countLater();
  if (!changed && kept === lists.kept) return;
  // The words from that unit on, as units.
  const words = (from, n) => Module.HEAPU16.slice(from, from + 5 * n);
  const word = k => String.fromCharCode(...words((listAt >> 1) + 5 * k, 1));
  lists = { loaded, count, kept, first: word(0), second: word(1) };
  if (changed) {
    advice = null;
    progress = null;
    ++requested;
    // The worker starts with the first list, not with the page.
    if (!worker && !unavailable) startWorker();
    if (worker) {
      const request = { id: requested, candidates: words(listAt >> 1, count) };
      if (loadedGeneration !== sent.loaded) request.guesses = words(loadedAt >> 1, loaded);
      worker.postMessage(request, [request.candidates.buffer, ...request.guesses ? [request.guesses.buffer] : []]);
    }
    sent = { loaded: loadedGeneration, list: listGeneration };
  }
  show();
}

function show() {
  const { loaded, count, kept, first, second } = lists;
  const more = kept - count;
  const back = more > 1 ? more + ' more words fit the rows now; press Load to bring them back.'
    : more > 0 ? '1 more word fits the rows now; press Load to bring it back.' : '';
  const none = kept === 0 ? 'No word is left, and a load would bring none back: no word of the list ' +
    'fits the rows.' : 'No word is left.';
  if (kept !== NOT_COUNTED) {
    staleLine.textContent = !loaded ? 'No words are loaded: press Load to read words.txt.'
      : count ? back : back ? none + ' ' + back : none;
  }

  const answer = count === 1 ? 'The answer is ' + first + '.'
    : count === 2 ? 'Either ' + first + ' or ' + second + ' may win.' : '';
  statusLine.textContent = unavailable ? NOT_AVAILABLE : answer || (advice ? '' : 'Working out the next guesses…');
  // How far long work has come.
  bar.hidden = unavailable || advice || progress === null;
  bar.value = progress;
  panel.setAttribute('aria-busy', !unavailable && (!advice || kept === NOT_COUNTED));

  const shown = !unavailable && count > 1 && advice;
  note.textContent = shown && advice.narrowed ? NARROWED : '';
  const entries = shown ? [advice.best, advice.candidates] : [[], []];
  tables.forEach((table, t) => Array.from(table.tBodies[0].rows, (row, k) => {
    const entry = entries[t][k];
    const cells = entry ? [entry[0], entry[1].toFixed(2), entry[2].toFixed(1), entry[3] ? 'yes' : 'no']
      : ['', '', '', ''];
    cells.forEach((text, c) => { row.cells[c].textContent = text; });
  }));

  // The top guess, in the phone's bar and once to screen readers.
  const top = unavailable ? '' : count === 1 ? answer : shown && advice.best.length ? 'Next guess: ' + advice.best[0][0] : '';
  topLine.textContent = top;
  if (top && announced !== requested) {
    announced = requested;
    said.textContent = top;
  }
}
})();
