// page_life.js: what the page decides before the game starts, and around its canvas: that the
// browser can draw it (WebGL), that no other tab plays it already, and that a right click on
// the canvas is only the game's pencil mark.
//
// Two tabs of the page share the same stored records, as two copies of the desktop game share
// a profile: the later one to save would write its old best times over the other's new ones.
// So the game starts only in the tab that holds the page's lock (the Web Locks API, exclusive,
// never stolen); the browser lets it go when that tab closes or crashes. Another tab shows a
// card saying so, with a button that tries again, and writes nothing.
window.PellixPage = (function () {
  var lockName = 'pellix-game';

  function card(id, title, text, button) {
    var shown = document.createElement('div');
    shown.id = id;
    shown.className = 'card';
    var heading = document.createElement('h1');
    heading.textContent = title;
    var words = document.createElement('p');
    words.textContent = text;
    shown.appendChild(heading);
    shown.appendChild(words);
    if (button) {
      var press = document.createElement('button');
      press.type = 'button';
      press.id = id + '-button';
      press.textContent = button;
      shown.appendChild(press);
    }
    document.body.appendChild(shown);
    return shown;
  }

  function showOnly(shown) {
    document.getElementById('loading').hidden = shown.id !== 'loading';
    shown.hidden = false;
  }

  // The game draws through WebGL; a browser with it switched off (or its graphics blocked)
  // gets the reason in words instead of a game that cannot start.
  function webglWorks() {
    var probe = document.createElement('canvas');
    var context = null;
    try {
      context = probe.getContext('webgl') || probe.getContext('experimental-webgl');
    } catch (error) {
      context = null;
    }
    if (context && context.getExtension('WEBGL_lose_context')) {
      context.getExtension('WEBGL_lose_context').loseContext();
    }
    return !!context;
  }

  // Runs start once this tab holds the lock, for as long as the tab lives.
  function whenAlone(start) {
    if (!navigator.locks) {
      // Only secure pages (https, or this machine) have the lock; elsewhere the game starts
      // as the desktop game did before it had one.
      start();
      return;
    }
    var running = null;
    // A reloaded page, or a tab just closed, may still be letting its lock go: each try asks a
    // few times over a second and a half before it says another tab plays.
    function tryLock(attempts) {
      navigator.locks.request(lockName, {ifAvailable: true}, function (lock) {
        if (!lock && attempts > 1) {
          setTimeout(function () { tryLock(attempts - 1); }, 250);
          return null;
        }
        if (!lock) {
          if (!running) {
            running = card('running', 'Pellix', 'Pellix is already running. Close it in its ' +
                           'other tab or window, then try again.', 'Try again');
            document.getElementById('running-button').addEventListener('click', function () {
              tryLock(6);
            });
          }
          document.title = 'Pellix is already running';
          showOnly(running);
          return null;
        }
        if (running) {
          running.hidden = true;
          document.title = 'Pellix';
          showOnly(document.getElementById('loading'));
        }
        start();
        // Held until the tab goes, or the game ends there (its ended page plays nothing).
        return new Promise(function (release) {
          ['onExit', 'onAbort'].forEach(function (name) {
            var then = Module[name];
            Module[name] = function () {
              release();
              return then && then.apply(this, arguments);
            };
          });
        });
      });
    }
    tryLock(6);
  }

  function keepRightClicksForTheGame(canvas) {
    canvas.addEventListener('contextmenu', function (event) {
      event.preventDefault();
    });
  }

  return {
    start: function (canvas, startGame) {
      keepRightClicksForTheGame(canvas);
      if (!webglWorks()) {
        showOnly(card('no-webgl', 'Pellix needs WebGL',
                      'WebGL, which the game draws with, is switched off or missing in this ' +
                      'browser. Switch it on in the browser\'s settings, or open the page in a ' +
                      'browser that has it, then reload.'));
        document.title = 'Pellix needs WebGL';
        return;
      }
      whenAlone(startGame);
    },
  };
})();
