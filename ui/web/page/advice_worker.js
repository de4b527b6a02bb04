// The advice worker's messages, around the engine (advice_worker.cpp): it
// is appended to the engine's own script, advice.js. A request is
// {id, candidates, guesses}: Uint16Arrays of words of five code units each,
// guesses only when the loaded list changed, kept for the requests after.
// The answers are {id, progress} now and then during long work, {id, advice}
// at the end, and {failed} when the engine cannot start; anything else that
// goes wrong (its memory running out) is an error of the worker's. The advice
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
Module.onAbort = () => postMessage({ failed: true });

// Copies the words into the engine's arrays; the room first, as making it
// may grow the memory, which gives HEAPU16 a new buffer.
function copyIn(words, room) {
  const at = room(words.length / 5);
  Module.HEAPU16.set(words, at >> 1);
}

function begin() {
  if (!ready || !newest) return;
  const request = newest;
  newest = null;
  if (guesses) copyIn(guesses, Module._advice_guesses);
  guesses = null;
  copyIn(request.candidates, Module._advice_candidates);
  Module._advice_start();
  current = { id: request.id, reported: performance.now() };
  work();
}

function work() {
  if (newest) return begin();
  const end = performance.now() + SLICE;
  let done;
  do done = Module._advice_advance(PAIRS); while (!done && performance.now() < end);
  if (done) {
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
