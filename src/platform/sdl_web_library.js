// sdl_web_library.js: runtime functions the browser build needs linked in: SDL's browser audio
// calls two that emcc adds by itself only for its own SDL port (resuming the audio at the
// first click or key, and calling back).
mergeInto(LibraryManager.library, {
  pellix_web_helpers__deps: ['$autoResumeAudioContext', '$dynCall'],
  pellix_web_helpers: function () {},
});
