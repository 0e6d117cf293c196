// language.js: the page's language: the first of ?lang=xx and the browser's languages that the
// art comes in. The page loads that language's package (pellix-<lang>.js) before the game and
// tells the game through LANGUAGE, as a Linux desktop would; English loads nothing more.
(function () {
  'use strict';
  // The folders scripts/build-web.sh packs, one package each.
  var known = ['de', 'fr', 'es', 'it', 'pt_BR', 'nl', 'pl', 'ru', 'ja', 'zh_CN'];

  // "pt-BR" as "pt_BR"; Chinese in simplified script as zh_CN; a language alone finds its folder.
  function folderOf(tag) {
    var parts = String(tag).replace(/_/g, '-').split('-');
    var language = parts[0].toLowerCase();
    var rest = parts.slice(1).join('-').toUpperCase();
    if (language === 'zh') {
      return rest === '' || rest === 'CN' || rest === 'SG' || rest.indexOf('HANS') === 0 ? 'zh_CN' : null;
    }
    var full = rest ? language + '_' + rest : language;
    if (known.indexOf(full) >= 0) return full;
    if (known.indexOf(language) >= 0) return language;
    return language === 'pt' ? 'pt_BR' : null;
  }

  function choose() {
    var wanted = [];
    var asked = new URLSearchParams(window.location.search).get('lang');
    if (asked) wanted.push(asked);
    wanted = wanted.concat(navigator.languages || [navigator.language || 'en']);
    for (var i = 0; i < wanted.length; i++) {
      if (/^en\b/i.test(wanted[i])) return '';
      var folder = folderOf(wanted[i]);
      if (folder) return folder;
    }
    return '';
  }

  // Adds the language's package before the given scripts, and its name to the game's environment.
  window.pellixLanguageScripts = function (module, scripts) {
    var language = choose();
    if (!language) return scripts;
    // A page-level build keeps the environment in the global ENV until it is exported.
    module.preRun = (module.preRun || []).concat([function () { (module.ENV || window.ENV).LANGUAGE = language; }]);
    document.documentElement.lang = language.replace('_', '-');
    return ['pellix-' + language + '.js'].concat(scripts);
  };
})();
