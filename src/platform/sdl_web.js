// sdl_web.js: the browser's side of the platform layer, run before the program starts: the
// player's records on IndexedDB, keys that must not move the page, and the program's end.

// The run loops wait through ASYNCIFY, so main first returns at the first wait, long before the
// game ends, and the runtime never learns of its real return. Started as an asynchronous call,
// its end is known: it ends the runtime, whose exit handlers run and which tells the page
// (Module.onExit).
Module['noInitialRun'] = true;
Module['postRun'] = (Module['postRun'] || []).concat(function () {
  ccall('main', 'number', [], [], {async: true}).then(function (status) {
    try {
      exit(status);
    } catch (thrown) {
      // The runtime ends by throwing this, for callers deeper in a stack than this one.
      if (!(thrown instanceof ExitStatus)) {
        throw thrown;
      }
    }
  });
});

// The per-user store keeps its files under $HOME/.config. In the browser that folder lives in
// IndexedDB: loaded before main starts, and written back after every value is replaced or
// removed (each save ends in a rename, each removal in an unlink), so a closed tab loses nothing.
Module['preRun'] = (Module['preRun'] || []).concat(function () {
  var folder = '/home/web_user/.config';
  FS.mkdirTree(folder);
  FS.mount(IDBFS, {}, folder);
  addRunDependency('pellix-records');
  FS.syncfs(true, function (error) {
    if (error) {
      console.warn('Pellix: the saved records could not be read: ' + error);
    }
    removeRunDependency('pellix-records');
  });

  // One write-back at a time; a save during one is written by a second afterwards. The page
  // can see whether one is under way (Module.recordsSaving).
  var again = false;
  Module['recordsSaving'] = false;
  function writeBack() {
    if (Module['recordsSaving']) {
      again = true;
      return;
    }
    Module['recordsSaving'] = true;
    FS.syncfs(false, function (error) {
      if (error) {
        console.warn('Pellix: the records could not be saved: ' + error);
      }
      Module['recordsSaving'] = false;
      if (again) {
        again = false;
        writeBack();
      }
    });
  }
  ['rename', 'unlink'].forEach(function (name) {
    var change = FS[name];
    FS[name] = function () {
      var result = change.apply(FS, arguments);
      writeBack();
      return result;
    };
  });
});

// Space, Backspace and the arrows play the game: they must not scroll the page or go back.
// SDL takes keys on the window; Space's character still arrives, as it comes with the keypress.
(function () {
  var keys = ['Backspace', 'ArrowUp', 'ArrowDown', 'ArrowLeft', 'ArrowRight'];
  window.addEventListener('keydown', function (event) {
    if (keys.indexOf(event.key) >= 0) {
      event.preventDefault();
    }
  }, true);
  window.addEventListener('keypress', function (event) {
    if (event.key === ' ') {
      event.preventDefault();
    }
  });
})();
