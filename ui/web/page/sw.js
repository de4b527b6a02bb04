// Keeps every file of the page, so that it starts without a network. Asks
// the server first, so a new build replaces the copies when there is one.
const CACHE = 'larkspin';
const FILES = ['./', 'index.html', 'style.css', 'page.js', 'larkspin.js', 'larkspin.wasm',
  'words.txt', 'manifest.webmanifest', 'icon-64.png', 'icon-256.png', 'icon.svg'];

self.addEventListener('install', event => {
  event.waitUntil(caches.open(CACHE).then(cache => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', event => {
  event.waitUntil(self.clients.claim());
});

self.addEventListener('fetch', event => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(fetch(request).then(response => {
    if (response.ok) {
      const copy = response.clone();
      caches.open(CACHE).then(cache => cache.put(request, copy));
    }
    return response;
  }).catch(() => caches.match(request, { ignoreSearch: true })
    .then(cached => cached || Response.error())));
});
