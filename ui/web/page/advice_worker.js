// The advice worker's messages, around the engine (advice_worker.cpp): it
// is appended to the engine's own script, advice.js. A request is
// {id, candidates, guesses}: Uint16Arrays of words of five code units each,
// guesses only when the loaded list changed, kept for the requests after.
// The answers are {id, progress} now and then during long work, {id, advice}
// at the end, and {failed} when the worker cannot work at all. The advice
// is worked out a slice at a time; between slices the worker yields to its
// event loop, so that a newer request takes over at once.
(function () {
'use strict';

const SLICE = 8; // milliseconds of work before the worker looks for a newer request
const PAIRS = 20000; // scored pairs a call, well under a millisecond
const PROGRESS_EVERY = 100; // milliseconds

let ready = false, newest = null, guesses = null, current = null;
// A message to itself ends each slice: the page's messages, which come
// before it, are seen before the next slice.
const turn = new MessageChannel();
turn.port1.onmessage = () => work();

self.onmessage = event => {
  newest = event.data;
  if (newest.guesses) guesses = newest.guesses;
  if (!current) begin();
};
Module.onRuntimeInitialized = () => {
  ready = true;
  begin();
};
Module.onAbort = what => postMessage({ failed: String(what) });

// Copies the words into the engine's arrays.
function copyIn(words, room) {
  const at = room(words.length / 5);
  if (!at && words.length) return false;
  Module.HEAPU16.set(words, at >> 1);
  return true;
}

function begin() {
  if (!ready || !newest) return;
  const request = newest;
  newest = null;
  if (guesses && !copyIn(guesses, Module._advice_guesses)) return failed();
  guesses = null;
  if (!copyIn(request.candidates, Module._advice_candidates) || !Module._advice_start()) return failed();
  current = { id: request.id, reported: performance.now() };
  work();
}

function work() {
  if (newest) return begin();
  const end = performance.now() + SLICE;
  let state;
  do state = Module._advice_advance(PAIRS); while (state === 0 && performance.now() < end);
  if (state < 0) return failed();
  if (state > 0) {
    postMessage({ id: current.id, advice: read() });
    current = null;
    return;
  }
  if (performance.now() - current.reported >= PROGRESS_EVERY) {
    current.reported = performance.now();
    postMessage({ id: current.id, progress: Module._advice_progress() });
  }
  turn.port2.postMessage(null);
}

function failed() {
  postMessage({ failed: 'out of memory' });
}

// The advice: every entry as [word, bits, words left, whether a candidate].
function read() {
  const at = Module._advice_result() >> 3, numbers = Module.HEAPF64;
  const entry = k => {
    const e = at + 3 + 4 * k, word = Module._advice_word(numbers[e]) >> 1;
    return [String.fromCharCode(...Module.HEAPU16.subarray(word, word + 5)),
            numbers[e + 1], numbers[e + 2], numbers[e + 3] !== 0];
  };
  const best = numbers[at + 1], candidates = numbers[at + 2];
  return {
    narrowed: numbers[at] !== 0,
    best: Array.from({ length: best }, (_, k) => entry(k)),
    candidates: Array.from({ length: candidates }, (_, k) => entry(best + k)),
  };
}
})();
