// device.js: the page on phones and tablets. Touches reach the game as SDL's touch events, which
// the program turns into clicks (a tap a left click, a long press a right click); here the page
// stays still under the fingers (device.css), starts the sound at a tap, shows the on-screen
// keyboard while the game's name box takes typing, asks for an upright phone to be turned (the
// game pausing meanwhile as for a hidden page), and holds full screen in landscape.
(function () {
  var pictureWidth = @SCREEN_WIDTH@, pictureHeight = @SCREEN_HEIGHT@, cellSize = @CELL_SIZE@;
  var margin = 16;
  // Cells smaller than this many CSS pixels are too small for a fingertip.
  var smallestCell = 40;
  var canvas = document.getElementById('canvas');

  function game() {
    return window.Module && Module.calledRun ? Module : null;
  }

  // ---- Sound. Browsers let the audio start only in answer to the player: the release of a
  // tap or click, or a key. SDL opens its audio with the game's first sound, not at a touch, so
  // every such moment checks; a page coming back may find it suspended again.
  function resumeSound() {
    var sdl = window.Module && Module.SDL2;
    var context = sdl && sdl.audioContext;
    if (context && context.state === 'suspended') {
      context.resume().catch(function () {});
    }
  }
  ['pointerup', 'touchend', 'mouseup', 'keydown'].forEach(function (name) {
    window.addEventListener(name, resumeSound, {capture: true, passive: true});
  });
  document.addEventListener('visibilitychange', function () {
    if (!document.hidden) {
      resumeSound();
    }
  });
  window.addEventListener('pageshow', resumeSound);

  // ---- Typing. While the name box takes typing a text field, invisible, keeps the focus so
  // that the device shows its keyboard. It always holds one space, so that the erase key has
  // something to erase; what the keyboard adds or erases goes to the game as typed characters
  // and Backspace, and the box applies its own rules. A physical keyboard's keys reach the game
  // as before, and SDL keeps them out of the field (it cancels the keys that would type).
  var kept = ' ';
  var field = document.createElement('input');
  field.className = 'typing-field';
  field.type = 'text';
  field.setAttribute('aria-label', 'Name');
  ['autocomplete', 'autocorrect', 'autocapitalize'].forEach(function (name) {
    field.setAttribute(name, 'off');
  });
  field.spellcheck = false;
  field.enterKeyHint = 'done';
  document.body.appendChild(field);
  var typing = false;

  function settle() {
    field.value = kept;
    field.setSelectionRange(kept.length, kept.length);
  }

  function focusField() {
    if (document.activeElement !== field) {
      settle();
      field.focus({preventScroll: true});
    }
  }

  function passTyping() {
    var value = field.value;
    var running = game();
    if (running && value.length < kept.length) {
      running.pellixCall('pellixWebPressKey', 'Backspace');
    } else if (running && value.indexOf(kept) === 0 && value.length > kept.length) {
      running.pellixCall('pellixWebType', value.slice(kept.length));
    }
    settle();
  }

  // An on-screen keyboard's keys come without a place on a keyboard (no code), which SDL
  // needs; a physical keyboard's come with one and reach the game through SDL.
  var keys = {Backspace: 'Backspace', Enter: 'Return'};
  field.addEventListener('keydown', function (event) {
    var running = game();
    if (running && !event.code && keys[event.key]) {
      event.preventDefault();
      running.pellixCall('pellixWebPressKey', keys[event.key]);
    }
  });
  // A word being composed arrives whole when the composition ends.
  field.addEventListener('input', function (event) {
    if (!event.isComposing) {
      passTyping();
    }
  });
  field.addEventListener('compositionend', passTyping);
  // A browser lets a field bring up the keyboard most surely from the player's own touch.
  window.addEventListener('touchend', function () {
    if (typing) {
      focusField();
    }
  }, {capture: true, passive: true});

  // ---- An upright phone. The picture is 4:3; held upright a phone gives it a third of its
  // height and cells a fingertip misses, so the page asks for the phone to be turned and hides
  // the game, which pauses a game in play as for a hidden page.
  var turn = document.createElement('div');
  turn.className = 'turn';
  turn.innerHTML =
    '<div class="card">' +
    '<svg width="120" height="96" viewBox="0 0 120 96" aria-hidden="true">' +
    '<rect x="14" y="8" width="40" height="72" rx="7" fill="none" stroke="#9aa0ad" stroke-width="4"/>' +
    '<rect x="36" y="44" width="76" height="42" rx="7" fill="#fdfcf8" stroke="#3f6fe0" stroke-width="4"/>' +
    '<path d="M70 14 a30 30 0 0 1 30 26" fill="none" stroke="#3f6fe0" stroke-width="4" stroke-linecap="round"/>' +
    '<path d="M92 38 l8 4 l3 -9" fill="none" stroke="#3f6fe0" stroke-width="4" stroke-linecap="round" stroke-linejoin="round"/>' +
    '</svg>' +
    '<h1>Turn your phone</h1>' +
    '<p>Pellix plays with the screen on its side. Your game waits for you.</p>' +
    '</div>';
  document.body.appendChild(turn);
  var upright = false;

  function cellShown() {
    return cellSize * Math.min((window.innerWidth - 2 * margin) / pictureWidth,
                               (window.innerHeight - 2 * margin) / pictureHeight);
  }

  function checkUpright() {
    var now = window.innerHeight > window.innerWidth && cellShown() < smallestCell;
    document.documentElement.classList.toggle('upright', now);
    if (now === upright) {
      return;
    }
    upright = now;
    var running = game();
    if (running) {
      running.pellixCall('pellixWebSetUpright', upright ? 1 : 0);
    }
  }
  window.addEventListener('resize', checkUpright);
  window.addEventListener('orientationchange', checkUpright);
  checkUpright();

  // ---- Full screen in landscape, where the browser allows the lock (phones, mostly).
  document.addEventListener('fullscreenchange', function () {
    var orientation = screen.orientation;
    if (!orientation || !orientation.lock) {
      return;
    }
    if (document.fullscreenElement) {
      orientation.lock('landscape').catch(function () {});
    } else {
      orientation.unlock();
    }
  });

  // The program's side (src/platform/sdl_web_page.cpp) calls this.
  window.pellixDevice = {
    typingWanted: function (wanted) {
      typing = wanted;
      if (wanted) {
        focusField();
      } else if (document.activeElement === field) {
        field.blur();
        canvas.focus({preventScroll: true});
      }
    },
  };
})();
