// offline.js: the page kept for playing without the network. A service worker (sw.js) keeps
// every file of one build in one cache; a new build's worker waits until a page opens, which
// hands it the cache before its game starts (the page reloads once), so a game in play never
// changes build. The page also asks the browser not to evict its storage, where the records are.
// window.pellixOffline.ready settles when the game may start.
(function () {
  if (navigator.storage && navigator.storage.persist) {
    navigator.storage.persist().catch(function () {});
  }
  var workers = navigator.serviceWorker;
  if (!workers) {
    // Not a secure page (plain http on another machine): it plays, but only online.
    window.pellixOffline = {ready: Promise.resolve()};
    return;
  }

  // Until a worker controls the page its loads pass it by: each is named to the worker, which
  // keeps it (the sharper art a dense screen loads, any package loaded on first use).
  function keepEveryLoad() {
    if (workers.controller || !window.PerformanceObserver) {
      return;
    }
    var here = location.origin;
    new PerformanceObserver(function (list) {
      var urls = list.getEntries().map(function (entry) { return entry.name; })
                     .filter(function (url) { return url.indexOf(here) === 0; });
      workers.ready.then(function (registration) {
        registration.active.postMessage({keep: urls});
      });
    }).observe({type: 'resource', buffered: true});
  }

  // A newer build waiting: it takes over, and the page loads again from its cache. A worker
  // that does not answer in a few seconds keeps the game waiting no longer.
  function takeOver(registration) {
    if (!registration.waiting || !workers.controller) {
      return undefined;
    }
    return new Promise(function (start) {
      workers.addEventListener('controllerchange', function () { location.reload(); });
      registration.waiting.postMessage('take over');
      setTimeout(start, 5000);
    });
  }

  window.pellixOffline = {
    ready: workers.register('sw.js').then(function (registration) {
      keepEveryLoad();
      // Looks for a newer build at every start, not only when the browser gets round to it;
      // without the network the look fails quietly.
      registration.update().catch(function () {});
      return takeOver(registration);
    }).catch(function (error) {
      console.warn('Pellix: the game cannot be kept for playing offline: ' + error);
    }),
  };
})();
