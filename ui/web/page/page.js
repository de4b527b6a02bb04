// The page around the program: words.txt in the program's current folder
// (the default list, or the user's own file, kept in IndexedDB for the next
// visit), the scaling of the box on narrow screens, and the service worker.
(function () {
'use strict';

const wordFileLine = document.getElementById('word-file');
const chooser = document.getElementById('choose-file');
const backToDefault = document.getElementById('default-list');
let defaultList = null;

// The user's file, kept as bytes under one key.
function openStore() {
  return new Promise((resolve, reject) => {
    const request = indexedDB.open('larkspin', 1);
    request.onupgradeneeded = () => request.result.createObjectStore('files');
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
}

function storeRequest(mode, act) {
  return openStore().then(db => new Promise((resolve, reject) => {
    const transaction = db.transaction('files', mode);
    const request = act(transaction.objectStore('files'));
    transaction.oncomplete = () => { db.close(); resolve(request.result); };
    transaction.onerror = transaction.onabort = () => { db.close(); reject(transaction.error); };
  }));
}

const keptFile = () => storeRequest('readonly', files => files.get('words.txt')).catch(() => undefined);
const keepFile = file => storeRequest('readwrite', files => files.put(file, 'words.txt'));
const forgetFile = () => storeRequest('readwrite', files => files.delete('words.txt'));

// What the load button reads next: the bytes, unchanged.
function useWords(bytes, name) {
  Module.FS.writeFile('words.txt', bytes);
  wordFileLine.textContent = name === null
    ? 'words.txt: the default list'
    : 'words.txt: ' + name + ' (' + bytes.length.toLocaleString('en') + ' bytes); press Load to read it';
  backToDefault.hidden = name === null;
}

function useOwnFile(file) {
  if (!file) return; // the chooser was cancelled
  file.arrayBuffer().then(buffer => {
    useWords(new Uint8Array(buffer), file.name);
    return keepFile({ name: file.name, bytes: buffer });
  }).catch(() => {
    wordFileLine.textContent = 'words.txt: ' + file.name + ' could not be kept for the next visit';
  });
}

chooser.addEventListener('change', () => {
  useOwnFile(chooser.files[0]);
  chooser.value = '';
});
backToDefault.addEventListener('click', () => {
  useWords(defaultList, null);
  forgetFile().catch(() => {});
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

// On a screen narrower than the box the whole box shrinks to fit; the
// program's own coordinates stay as they are.
const stage = document.getElementById('stage');
const box = document.getElementById('program');
function fitToWidth() {
  const scale = Math.min(1, stage.clientWidth / 625);
  box.style.transform = scale < 1 ? 'scale(' + scale + ')' : '';
  stage.style.height = Math.ceil(770 * scale) + 'px';
}
window.addEventListener('resize', fitToWidth);
fitToWidth();

window.Module = {
  preRun: [() => {
    Module.addRunDependency('words.txt');
    Promise.all([fetch('words.txt').then(r => r.arrayBuffer()), keptFile()]).then(([list, kept]) => {
      defaultList = new Uint8Array(list);
      if (kept) useWords(new Uint8Array(kept.bytes), kept.name);
      else useWords(defaultList, null);
    }).finally(() => Module.removeRunDependency('words.txt'));
  }],
};

const program = document.createElement('script');
program.src = 'larkspin.js';
document.head.appendChild(program);

if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});
})();
