// sdl_web.js: the browser's side of the platform layer, run before the program starts: the
// player's records on IndexedDB, kept when the page may end, the page's calls into the program,
// the keys the game takes from the browser, and the program's end.

// The run loops wait through ASYNCIFY, so main first returns at the first wait, long before the
// game ends, and the runtime never learns of its real return. Started as an asynchronous call,
// its end is known: it ends the runtime, whose exit handlers run and which tells the page
// (Module.onExit).
Module['noInitialRun'] = true;
Module['pellixRunning'] = false;
Module['pellixEndingFiles'] = {};
Module['postRun'] = (Module['postRun'] || []).concat(function () {
  Module['pellixRunning'] = true;
  ccall('main', 'number', [], [], {async: true}).then(function (status) {
    Module['pellixRunning'] = false;
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

// The page's calls into the program (data/web/device.js): a name of an exported function and
// its one argument, a number or a text. The page's events come while the program sleeps in its
// loop, and emcc's ccall takes any call made then for one that went to sleep itself: it hands
// the call the promise of main's end in place of main's own, and keeps the runtime alive for
// it, so the end would never reach the page. These functions never sleep, so they are called
// directly, a text put on the stack for the length of the call.
Module['pellixCall'] = function (name, argument) {
  var stack = stackSave();
  try {
    Module['_' + name](typeof argument === 'string' ? allocateUTF8OnStack(argument) : argument);
  } finally {
    stackRestore(stack);
  }
};

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

  // A page that is hidden, frozen or left cannot call the program, which is suspended in the
  // middle of its loop (a call then would run on the stack its frames still use). So at every
  // frame it hands the page the records as they stand (Module.pellixEndingFiles: path to bytes,
  // or null for a record to delete), and the page writes them itself. A page that is left or
  // closed runs no more callbacks, and a write-back first reads what IndexedDB holds: it would
  // never get to write. So they go into the database at once, in one transaction started in
  // the same turn; the ordinary write-back follows.
  function keepBeforeEnding() {
    if (!Module['pellixRunning']) {
      return;
    }
    var files = Module['pellixEndingFiles'];
    var db = IDBFS.dbs[folder];
    var store = null;
    try {
      store = db ? db.transaction([IDBFS.DB_STORE_NAME], 'readwrite').objectStore(IDBFS.DB_STORE_NAME) : null;
    } catch (error) {
      console.warn('Pellix: the records could not be saved: ' + error);
    }
    function put(path) {
      IDBFS.loadLocalEntry(path, function (failed, entry) {
        if (!failed && store) {
          store.put(entry, path);
        }
      });
    }
    Object.keys(files).forEach(function (path) {
      try {
        if (files[path]) {
          FS.mkdirTree(path.substring(0, path.lastIndexOf('/')));
          FS.writeFile(path, files[path]);
          // Its folders too, which a first run may not have written back yet.
          for (var end = path.indexOf('/', folder.length + 1); end > 0; end = path.indexOf('/', end + 1)) {
            put(path.substring(0, end));
          }
          put(path);
        } else if (FS.analyzePath(path).exists) {
          FS.unlink(path);
          if (store) {
            store.delete(path);
          }
        }
      } catch (error) {
        console.warn('Pellix: ' + path + ' could not be saved: ' + error);
      }
    });
    if (store && store.transaction.commit) {
      store.transaction.commit();
    }
    writeBack();
  }
  document.addEventListener('visibilitychange', function () {
    if (document.visibilityState === 'hidden') {
      keepBeforeEnding();
    }
  });
  window.addEventListener('pagehide', keepBeforeEnding);
  document.addEventListener('freeze', keepBeforeEnding);
});

// Only the keys the game uses are kept from the browser (their default actions cancelled, so
// that Space, Backspace and the arrows neither scroll nor go back); every other key and
// combination keeps its browser meaning (reload, full screen, zoom, find...) and never reaches
// the game. While a text box takes typing (Module.pellixTyping), printable keys and Ctrl+A, C, X
// and V go to it, their default left to SDL, which needs the key's keypress for the character.
(function () {
  var gameCodes = /^(Digit[0-9]|Numpad.+|Space|Escape|Enter|Backspace|Delete|Arrow(Up|Down|Left|Right)|Home|End)$/;
  var gameLetters = 'ztp';
  var typingLetters = 'acxv';
  var modifiers = /^(Shift|Control|Alt|Meta)(Left|Right)?$/;
  var browserHeld = {};

  function withCommand(event) {
    return event.ctrlKey || event.altKey || event.metaKey;
  }
  function letter(event) {
    return event.key.length === 1 ? event.key.toLowerCase() : '';
  }
  // 'game' (its default cancelled here), 'passed' (to the game, SDL deciding on its default:
  // the modifiers and the text box's keys) or 'browser'.
  function owner(event) {
    var typing = Module['pellixTyping'];
    if (modifiers.test(event.code) || modifiers.test(event.key)) {
      return 'passed';
    }
    if (withCommand(event)) {
      return typing && event.ctrlKey && !event.altKey && !event.metaKey &&
             typingLetters.indexOf(letter(event)) >= 0 && letter(event) !== '' ? 'passed' : 'browser';
    }
    // A key with no place on a keyboard comes from the on-screen one, whose hidden field
    // (device.js) hands it to the text box.
    if (typing && (event.key.length === 1 || !event.code)) {
      return 'passed';
    }
    return gameCodes.test(event.code) || (letter(event) !== '' && gameLetters.indexOf(letter(event)) >= 0)
        ? 'game' : 'browser';
  }

  // SDL listens on the window in the bubbling phase: stopped in the capturing one, a browser
  // key never reaches it, and nothing cancels its default.
  window.addEventListener('keydown', function (event) {
    var who = owner(event);
    if (who === 'browser') {
      browserHeld[event.code] = true;
      event.stopPropagation();
    } else if (who === 'game') {
      event.preventDefault();
    }
  }, true);
  window.addEventListener('keyup', function (event) {
    if (browserHeld[event.code]) {
      delete browserHeld[event.code];
      event.stopPropagation();
    }
  }, true);
  window.addEventListener('keypress', function (event) {
    if (event.key === ' ') {
      event.preventDefault();
    }
  });
})();

