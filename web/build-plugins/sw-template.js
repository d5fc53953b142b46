// The service worker: precaches the whole app at install, so that after the first visit the
// tutor opens and calculates offline. Generated with its file list by the build.
const VERSION = __VERSION__;
const PRECACHE = __PRECACHE__;
const CACHE = 'unitcircle-' + VERSION;

self.addEventListener('install', (event) => {
  event.waitUntil(
    caches.open(CACHE).then((cache) => cache.addAll(PRECACHE)).then(() => self.skipWaiting()),
  );
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((keys) => Promise.all(keys.filter((key) => key.startsWith('unitcircle-') && key !== CACHE).map((key) => caches.delete(key))))
      .then(() => self.clients.claim()),
  );
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  // The remote configuration is always asked of the server: a cached copy would hide every
  // later catalogue. Offline its fetch fails and the page keeps what it has.
  if (new URL(request.url).pathname.endsWith('/config.json')) return;
  if (request.mode === 'navigate') {
    // The app is one page: every address in its scope opens it, from the cache when offline.
    event.respondWith(fetch(request).catch(() => cachedPage()));
    return;
  }
  event.respondWith(
    // Servers may vary on Origin, which module scripts send and the precache did not.
    caches.match(request, { ignoreSearch: true, ignoreVary: true }).then(
      (cached) =>
        cached ||
        fetch(request).then((response) => {
          // Files outside the precache (KaTeX's rarer fonts) are kept once fetched.
          if (response.ok) {
            const copy = response.clone();
            caches.open(CACHE).then((cache) => cache.put(request, copy));
          }
          return response;
        }),
    ),
  );
});

// The cached page for any address in the scope. Its files are named relative to the scope, so
// a deeper address (/some/where) gets a base that points them there.
function cachedPage() {
  return caches.match('./', { ignoreVary: true }).then((cached) => {
    if (!cached) return Response.error();
    return cached.text().then(
      (html) =>
        new Response(html.replace('<head>', '<head><base href="' + self.registration.scope + '">'), {
          headers: { 'content-type': cached.headers.get('content-type') || 'text/html; charset=utf-8' },
        }),
    );
  });
}
