// The page around the program: words.txt in the program's current folder
// (the default list, or the user's own file, kept in IndexedDB for the next
// visit), the line that says which it is, and the service worker.
(function () {
'use strict';

const wordFileLine = document.getElementById('word-file');
const chooser = document.getElementById('choose-file');
const backToDefault = document.getElementById('default-list');
// Larger files are used for the visit but not kept: a browser may refuse
// them, and reading one back at every start would cost seconds.
const KEEP_LIMIT = 64 * 1024 * 1024;
const MB = 1024 * 1024;
// How long the start waits for the storage before it goes on with the
// default list (a kept file that comes later is used then), and for the
// default list before it starts without it.
const STORAGE_WAIT = 1000;
const FETCH_GIVE_UP = 5000;
// After this long the line says that the storage has not answered yet; its
// answer, whenever it comes, has the last word.
const STORAGE_SLOW = 3000;

let started = false; // the program has started, or starts as soon as its WebAssembly is in
let given = null; // the file given last before the start, which waits for it
let defaultList = null;
// Counts what became words.txt or is on its way there; a read or an answer
// that belongs to an older one is dropped.
let choice = 0;

const after = milliseconds => new Promise(done => setTimeout(done, milliseconds));
function within(milliseconds, promise, why) {
  return Promise.race([promise, after(milliseconds).then(() => { throw new Error(why); })]);
}

// The user's file, kept as a file under one key: the storage reads its bytes
// only when asked, away from the page's thread. Every way the storage can
// fail (it throws, is denied or blocked, or a transaction aborts) rejects; a
// storage that never answers leaves the promise waiting.
function storeRequest(mode, act) {
  return new Promise((resolve, reject) => {
    const opening = indexedDB.open('larkspin', 1);
    opening.onupgradeneeded = () => opening.result.createObjectStore('files');
    opening.onblocked = () => reject(new Error('the storage is blocked'));
    opening.onerror = () => reject(opening.error);
    opening.onsuccess = () => {
      const db = opening.result;
      try {
        const transaction = db.transaction('files', mode);
        const request = act(transaction.objectStore('files'));
        transaction.oncomplete = () => { db.close(); resolve(request.result); };
        transaction.onerror = transaction.onabort = () => { db.close(); reject(transaction.error); };
      } catch (error) { // a store made by something else, one being deleted, or a full one
        db.close();
        reject(error);
      }
    };
  });
}

const keepFile = file => storeRequest('readwrite', files => files.put(file, 'words.txt'));
const forgetFile = () => storeRequest('readwrite', files => files.delete('words.txt')).catch(() => {});
// The kept file's name and bytes, or null.
function keptFile() {
  return storeRequest('readonly', files => files.get('words.txt')).then(kept => {
    if (kept instanceof File)
      return kept.arrayBuffer().then(buffer => ({ name: kept.name, bytes: new Uint8Array(buffer) }));
    // An earlier version kept the bytes themselves, which the storage hands
    // over in one piece on the page's thread: kept again as a file.
    if (kept && typeof kept.name === 'string' && kept.bytes instanceof ArrayBuffer) {
      keepFile(new File([kept.bytes], kept.name)).catch(() => {});
      return { name: kept.name, bytes: new Uint8Array(kept.bytes) };
    }
    if (kept !== undefined) forgetFile(); // not a file this page kept
    return null;
  }).catch(() => null);
}

function reason(error) {
  const name = error && error.name;
  if (name === 'QuotaExceededError') return 'the browser\'s storage is full';
  if (name === 'SecurityError' || name === 'NotAllowedError') return 'the browser denies storage';
  return (error && error.message) || 'the storage gave up';
}

function describe(name, size, kept) {
  return 'words.txt: ' + name + ' (' + size.toLocaleString('en') + ' bytes)' +
    (kept ? ', ' + kept : '') + '; press Load to read it';
}

// What the load button reads next: the bytes, unchanged, which the file
// system takes as they are (nothing else writes to them). With no bytes
// there is no words.txt, and the load says that it cannot open it. The
// caller counts the change in choice.
function useWords(bytes, name, line) {
  if (bytes) Module.FS.writeFile('words.txt', bytes, { canOwn: true });
  else if (Module.FS.analyzePath('words.txt').exists) Module.FS.unlink('words.txt');
  wordFileLine.textContent = line;
  backToDefault.hidden = name === null;
}

let defaultLine = 'words.txt: the default list';
function useDefault() {
  ++choice;
  useWords(defaultList, null, defaultLine);
}

function useKept(file) {
  ++choice;
  useWords(file.bytes, file.name, describe(file.name, file.bytes.byteLength, 'kept from your last visit'));
}

// The line says "kept" or "not kept" only once the storage has answered:
// until then, that the file is being kept, and after a while also that the
// storage has not answered yet.
function keep(file, mine) {
  let answered = false;
  const say = kept => { if (choice === mine) wordFileLine.textContent = describe(file.name, file.size, kept); };
  keepFile(file).then(() => {
    answered = true;
    say('kept for the next visit');
    if (navigator.storage && navigator.storage.persist) navigator.storage.persist().catch(() => {});
  }, error => {
    answered = true;
    say('not kept for the next visit (' + reason(error) + ')');
  });
  after(STORAGE_SLOW).then(() => answered ||
    say('being kept for the next visit, but the browser\'s storage has not answered yet'));
}

// Every way a file comes in (the chooser, a drop on the page, and any other
// source) makes it words.txt through here. A file given before the program
// has started waits for the start and is used then, as if given right after.
function takeFile(file) {
  if (!file) return; // the chooser was cancelled, or what was dropped is no file
  if (!started) {
    given = file;
    wordFileLine.textContent = 'words.txt: ' + file.name + ', to be read once the program has started';
    return;
  }
  const mine = ++choice;
  file.arrayBuffer().then(buffer => {
    if (choice !== mine) return;
    const bytes = new Uint8Array(buffer);
    if (buffer.byteLength > KEEP_LIMIT) {
      useWords(bytes, file.name, describe(file.name, buffer.byteLength,
        'not kept for the next visit (larger than ' + KEEP_LIMIT / MB + ' MB)'));
      forgetFile();
      return;
    }
    useWords(bytes, file.name, describe(file.name, buffer.byteLength, 'being kept for the next visit'));
    keep(file, mine);
  }, error => {
    if (choice === mine)
      wordFileLine.textContent = file.name + ' could not be read (' + reason(error) + '); words.txt is as it was';
  });
}

chooser.addEventListener('change', () => {
  takeFile(chooser.files[0]);
  chooser.value = '';
});
backToDefault.addEventListener('click', () => {
  useDefault();
  forgetFile();
});
document.addEventListener('dragover', event => {
  event.preventDefault();
  document.body.classList.add('dropping');
});
document.addEventListener('dragleave', () => document.body.classList.remove('dropping'));
document.addEventListener('drop', event => {
  event.preventDefault();
  document.body.classList.remove('dropping');
  takeFile(event.dataTransfer.files[0]);
});

// The installed app opened with a file: by "Open with" on a desktop (the
// manifest's file_handlers, through launchQueue), or by a phone's share
// sheet (its share_target: the service worker takes the POST in and hands
// the file over when the page asks for it). The file takes the chooser's
// path (before the start too); what is not a file, or cannot be read, gets
// the chooser's answer to a file that cannot be read.
const unreadable = (name, why) => ({ name, arrayBuffer: () => Promise.reject(new Error(why)) });
if ('launchQueue' in window) launchQueue.setConsumer(params => {
  const handle = params.files && params.files[0];
  if (!handle) return; // opened from its icon
  if (handle.kind !== 'file') takeFile(unreadable(handle.name, 'it is not a file'));
  else handle.getFile().then(takeFile, error => takeFile(unreadable(handle.name, reason(error))));
});
const shared = new URLSearchParams(location.search).get('shared');
if (shared !== null) {
  history.replaceState(null, '', location.pathname); // a reload asks no more
  const channel = new MessageChannel(), worker = navigator.serviceWorker && navigator.serviceWorker.controller;
  channel.port1.onmessage = ({ data }) => takeFile(data instanceof File ? data :
    unreadable('The shared item', data === undefined ? 'it did not arrive' : 'it is not a file'));
  if (worker) worker.postMessage({ shared }, [channel.port2]);
  else channel.port1.onmessage({});
}


// The page paints first (the line and the program's space), and then asks
// at once for the program, the default list and the kept file, which would
// otherwise share a slow connection with what the first paint needs. The
// program starts once the list is in (or has failed, or had its
// FETCH_GIVE_UP) and the storage has answered or had its STORAGE_WAIT. A kept
// file that comes later is used then, unless another was given meanwhile; a
// file given before the start is used right after it. The service worker,
// which fetches every file of the page again, is registered once the program
// runs.
let kept = null, startChoice = -1;
function load() {
  const fetching = new AbortController();
  const fetched = within(FETCH_GIVE_UP, fetch('words.txt', { signal: fetching.signal }).then(response => {
    if (!response.ok) throw new Error('the server answered ' + response.status);
    return response.arrayBuffer();
  }), 'no answer within ' + FETCH_GIVE_UP / 1000 + ' seconds').then(buffer => {
    defaultList = new Uint8Array(buffer);
  }, error => {
    fetching.abort();
    return error;
  });
  const keptRead = keptFile().then(file => {
    kept = file;
    if (file && started && choice === startChoice) useKept(file);
  });
  const wordsReady = Promise.all([fetched, Promise.race([keptRead, after(STORAGE_WAIT)])]);

  window.Module = {
    preRun: [() => {
      Module.addRunDependency('words.txt');
      wordsReady.then(([failure]) => {
        if (!defaultList) defaultLine = 'words.txt: the default list could not be fetched (' +
          reason(failure) + '); use a word file of your own';
        useDefault();
        Module.removeRunDependency('words.txt');
        // Last, so that nothing in a kept or given file can keep the program from starting.
        started = true;
        startChoice = choice;
        if (kept) useKept(kept);
        takeFile(given);
      });
    }],
  };
  // The service worker fetches and keeps the whole site: once the program
  // waits, so that its downloads and writes do not compete with the start.
  document.addEventListener('larkspin-idle', () => {
    if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});
  }, { once: true });
  const program = document.createElement('script');
  program.src = 'larkspin.js';
  document.head.appendChild(program);
}

// A page out of sight paints no frames.
if (document.hidden) load();
else requestAnimationFrame(() => setTimeout(load));
})();
