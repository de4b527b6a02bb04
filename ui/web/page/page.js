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
// default list; a kept file that comes later is used then.
const STORAGE_WAIT = 1000;
const STORAGE_GIVE_UP = 5000;

let defaultList = null;
let choice = 0; // counts the changes of words.txt; a late answer for an older one is dropped

function within(milliseconds, promise, why) {
  return Promise.race([promise, new Promise((_, reject) =>
    setTimeout(() => reject(new Error(why)), milliseconds))]);
}

// The user's file, kept as bytes under one key. Every way the storage can
// fail (it throws, is denied or blocked, or never answers) rejects.
function storeRequest(mode, act) {
  return within(STORAGE_GIVE_UP, new Promise((resolve, reject) => {
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
      } catch (error) { // a store made by something else, or one being deleted
        db.close();
        reject(error);
      }
    };
  }), 'the storage does not answer');
}

const keepFile = file => storeRequest('readwrite', files => files.put(file, 'words.txt'));
const forgetFile = () => storeRequest('readwrite', files => files.delete('words.txt')).catch(() => {});
function keptFile() {
  return storeRequest('readonly', files => files.get('words.txt')).then(kept => {
    if (kept && typeof kept.name === 'string' && kept.bytes instanceof ArrayBuffer) return kept;
    if (kept !== undefined) forgetFile(); // not a file this page kept
    return null;
  }, () => null);
}

function reason(error) {
  const name = error && error.name;
  if (name === 'QuotaExceededError') return 'the browser\'s storage is full';
  if (name === 'SecurityError' || name === 'NotAllowedError') return 'the browser denies storage';
  return (error && error.message) || String(error);
}

function describe(name, bytes, kept) {
  return 'words.txt: ' + name + ' (' + bytes.byteLength.toLocaleString('en') + ' bytes)' +
    (kept ? ', ' + kept : '') + '; press Load to read it';
}

// What the load button reads next: the bytes, unchanged. With no bytes there
// is no words.txt, and the load says that it cannot open it.
function useWords(bytes, name, line) {
  ++choice;
  if (bytes) Module.FS.writeFile('words.txt', bytes);
  else if (Module.FS.analyzePath('words.txt').exists) Module.FS.unlink('words.txt');
  wordFileLine.textContent = line;
  backToDefault.hidden = name === null;
}

let defaultLine = 'words.txt: the default list';
function useDefault() {
  useWords(defaultList, null, defaultLine);
}

function useOwnFile(file) {
  if (!file) return; // the chooser was cancelled
  file.arrayBuffer().then(buffer => {
    const bytes = new Uint8Array(buffer);
    if (buffer.byteLength > KEEP_LIMIT) {
      useWords(bytes, file.name, describe(file.name, bytes,
        'not kept for the next visit (larger than ' + KEEP_LIMIT / MB + ' MB)'));
      forgetFile();
      return;
    }
    useWords(bytes, file.name, describe(file.name, bytes, 'being kept for the next visit'));
    const mine = choice;
    const answer = line => { if (choice === mine) wordFileLine.textContent = line; };
    keepFile({ name: file.name, bytes: buffer }).then(() => {
      answer(describe(file.name, bytes, 'kept for the next visit'));
      if (navigator.storage && navigator.storage.persist) navigator.storage.persist().catch(() => {});
    }, error => answer(describe(file.name, bytes, 'not kept for the next visit (' + reason(error) + ')')));
  }, error => {
    wordFileLine.textContent = file.name + ' could not be read (' + reason(error) +
      '); words.txt is as it was';
  });
}

chooser.addEventListener('change', () => {
  useOwnFile(chooser.files[0]);
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
  useOwnFile(event.dataTransfer.files[0]);
});

// The installed app opened with a file: by "Open with" on a desktop (the
// manifest's file_handlers, through launchQueue), or by a phone's share
// sheet (its share_target: the service worker takes the POST in and hands
// the file over when the page asks for it). The file takes the chooser's
// path once the program has started; what is not a file, or cannot be read,
// gets the chooser's answer to a file that cannot be read.
let startedNow;
const started = new Promise(resolve => { startedNow = resolve; });
const useHandedFile = file => started.then(() => useOwnFile(file));
const unreadable = (name, why) => ({ name, arrayBuffer: () => Promise.reject(new Error(why)) });
if ('launchQueue' in window) launchQueue.setConsumer(params => {
  const handle = params.files && params.files[0];
  if (!handle) return; // opened from its icon
  if (handle.kind !== 'file') useHandedFile(unreadable(handle.name, 'it is not a file'));
  else handle.getFile().then(useHandedFile, error => useHandedFile(unreadable(handle.name, reason(error))));
});
const shared = new URLSearchParams(location.search).get('shared');
if (shared !== null) {
  history.replaceState(null, '', location.pathname); // a reload asks no more
  const channel = new MessageChannel(), worker = navigator.serviceWorker && navigator.serviceWorker.controller;
  channel.port1.onmessage = ({ data }) => useHandedFile(data instanceof File ? data :
    unreadable('The shared item', data === undefined ? 'it did not arrive' : 'it is not a file'));
  if (worker) worker.postMessage({ shared }, [channel.port2]);
  else channel.port1.onmessage({});
}

function useKept(file) {
  useWords(new Uint8Array(file.bytes), file.name, describe(file.name, file.bytes, 'kept from your last visit'));
}

// The program starts once the default list is in and the storage has
// answered or had its second, whatever it does. A kept file that comes
// later is used then, unless the user has chosen one meanwhile.
window.Module = {
  preRun: [() => {
    Module.addRunDependency('words.txt');
    const fetched = fetch('words.txt').then(response => {
      if (!response.ok) throw new Error('the server answered ' + response.status);
      return response.arrayBuffer();
    }).then(buffer => { defaultList = new Uint8Array(buffer); }, error => error);
    let keptNow = null, startChoice = -1;
    const kept = keptFile().then(file => {
      keptNow = file;
      if (file && choice === startChoice) useKept(file);
    });
    Promise.all([fetched, Promise.race([kept, new Promise(done => setTimeout(done, STORAGE_WAIT))])])
      .then(([failure]) => {
        if (!defaultList) defaultLine = 'words.txt: the default list could not be fetched (' +
          reason(failure) + '); use a word file of your own';
        useDefault();
        chooser.disabled = false;
        Module.removeRunDependency('words.txt');
        // Last, so that nothing in a kept file can keep the program from starting.
        startChoice = choice;
        if (keptNow) useKept(keptNow);
        startedNow();
      });
  }],
};

const program = document.createElement('script');
program.src = 'larkspin.js';
document.head.appendChild(program);

if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});
})();
