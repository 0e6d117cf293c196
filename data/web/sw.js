// sw.js: keeps the game for playing offline: every file of one build in one cache named by the
// build, answered from there first. The page, the program, its own art and the icons are kept
// at install; anything else of this folder (the sharper art of a dense screen, any package
// loaded on first use) the first time a page loads it. A new build's worker waits until a page
// asks it to take over before the game starts (offline.js); it then drops the old cache.
var cacheName = 'pellix-@BUILD@';
var installed = ['./', 'index.html', 'pellix.js', 'pellix.wasm', 'pellix.data', 'device.js', 'device.css',
                 'offline.js', 'manifest.webmanifest', 'icon-192.png', 'icon-512.png',
                 'icon-maskable-512.png', 'apple-touch-icon.png'];

function inScope(url) {
  return url.indexOf(self.registration.scope) === 0;
}

// Only whole, good answers of this folder are kept (no errors, no partial ranges).
function keepable(request, response) {
  return response.ok && response.status === 200 && response.type === 'basic' && !request.headers.has('range');
}

self.addEventListener('install', function (event) {
  // From the server itself, never from the browser's HTTP cache, which may hold the old build.
  event.waitUntil(caches.open(cacheName).then(function (cache) {
    return cache.addAll(installed.map(function (url) { return new Request(url, {cache: 'reload'}); }));
  }));
});

self.addEventListener('activate', function (event) {
  event.waitUntil(caches.keys().then(function (names) {
    return Promise.all(names.filter(function (name) {
      return name.indexOf('pellix-') === 0 && name !== cacheName;
    }).map(function (name) { return caches.delete(name); }));
  }));
});

function keep(urls) {
  return caches.open(cacheName).then(function (cache) {
    return Promise.all(urls.filter(inScope).map(function (url) {
      return cache.match(url).then(function (found) {
        return found || fetch(url).then(function (response) {
          return keepable(new Request(url), response) ? cache.put(url, response) : undefined;
        });
      }).catch(function () {});
    }));
  });
}

self.addEventListener('message', function (event) {
  if (event.data === 'take over') {
    self.skipWaiting();
  } else if (event.data && Array.isArray(event.data.keep)) {
    event.waitUntil(keep(event.data.keep));
  }
});

self.addEventListener('fetch', function (event) {
  var request = event.request;
  if (request.method !== 'GET' || !inScope(request.url)) {
    return;
  }
  event.respondWith(caches.open(cacheName).then(function (cache) {
    // The page under any query is the page.
    return cache.match(request, {ignoreSearch: request.mode === 'navigate'}).then(function (found) {
      return found || fetch(request).then(function (response) {
        if (keepable(request, response)) {
          cache.put(request, response.clone());
        }
        return response;
      });
    });
  }));
});
