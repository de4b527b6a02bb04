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

// A file shared to the installed app (the manifest's share_target): the
// share sheet POSTs it to "share". The worker answers with the page, at an
// address that names the share, and hands the form's item over when the page
// asks with that name; it holds it in memory only, as whether the file is
// kept is the page's to decide, by the rules of its chooser.
const SHARE = new URL('share', self.registration.scope).href;
const shares = new Map(); // name → [the form's item, done]

self.addEventListener('fetch', event => {
  if (event.request.method !== 'POST' || event.request.url !== SHARE) return;
  const name = crypto.randomUUID();
  let done;
  // Alive until the page has asked, or for a minute at most.
  event.waitUntil(new Promise(resolve => {
    done = resolve;
    setTimeout(resolve, 60000);
  }).then(() => shares.delete(name)));
  event.respondWith(event.request.formData().then(form => form.get('words'), () => null).then(item => {
    shares.set(name, [item, done]);
    return Response.redirect(new URL('./?shared=' + name, self.registration.scope).href, 303);
  }));
});

self.addEventListener('message', event => {
  const share = event.data && shares.get(event.data.shared);
  if (!event.ports[0]) return;
  event.ports[0].postMessage(share ? share[0] : undefined);
  if (share) share[1]();
});
