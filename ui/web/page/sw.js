// Keeps every file of one build, so that the page starts without a network
// and never mixes one build's script with another's WebAssembly. The cache
// is named after the build (scripts/build-web stamps its hash below): a new
// build gives a new worker, which fills a cache of its own whole before it
// takes over at the next visit and deletes the older ones.
const CACHE = 'larkspin-@BUILD@';
const FILES = ['./', 'index.html', 'style.css', 'page.js', 'larkspin.js', 'larkspin.wasm',
  'panel.css', 'panel.js', 'advice.js', 'advice.wasm',
  'words.txt', 'manifest.webmanifest', 'icon-64.png', 'icon-256.png', 'icon.svg'];
const SHIPPED = new Set(FILES.map(file => new URL(file, self.registration.scope).pathname));

self.addEventListener('install', event => {
  // Past the browser's HTTP cache, so that every file is this build's.
  event.waitUntil(caches.open(CACHE).then(cache =>
    cache.addAll(FILES.map(file => new Request(file, { cache: 'reload' })))));
});

self.addEventListener('activate', event => {
  event.waitUntil(caches.keys()
    .then(names => Promise.all(names.filter(name => name.startsWith('larkspin') && name !== CACHE)
      .map(name => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The page's own files come from this build's cache, whatever the network
// does and whatever query the address carries; anything else goes to the
// network as usual.
self.addEventListener('fetch', event => {
  const url = new URL(event.request.url);
  if (event.request.method !== 'GET' || url.origin !== self.location.origin ||
      !SHIPPED.has(url.pathname))
    return;
  // Opening the cache would make it anew after a newer build deleted it.
  event.respondWith(caches.match(event.request, { cacheName: CACHE, ignoreSearch: true })
    .then(cached => cached || fetch(event.request)));
});
