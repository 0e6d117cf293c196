#!/usr/bin/env bash
# update-catalogues.sh: collects every text the pictures, the desktop entry and the metainfo show
# into po/pellix.pot, and merges it into each language's po/<lang>.po (new texts untranslated,
# changed ones marked fuzzy). Run it after changing a text; commit the .pot and the .po files.
set -euo pipefail
cd "$(dirname "$0")/.."

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The pictures' texts are written text("where it is drawn, its room", "English"): the first
# argument becomes the entry's context.
xgettext --from-code=UTF-8 --language=C++ --keyword= --keyword=text:1c,2 --no-wrap --sort-by-file \
  --package-name=Pellix --msgid-bugs-address=https://github.com/pellix/pellix/issues \
  -o "$scratch/pictures.pot" tools/artwork/*.cpp
xgettext --language=Desktop --no-wrap -o "$scratch/desktop.pot" data/io.github.pellix.Pellix.desktop
cp data/io.github.pellix.Pellix.metainfo.xml.in "$scratch/metainfo.xml"
xgettext --its=/usr/share/gettext/its/metainfo.its --no-wrap -o "$scratch/metainfo.pot" "$scratch/metainfo.xml"
sed -i "s|$scratch/metainfo.xml|data/io.github.pellix.Pellix.metainfo.xml.in|" "$scratch/metainfo.pot"
msgcat --no-wrap --use-first -o po/pellix.pot "$scratch/pictures.pot" "$scratch/desktop.pot" "$scratch/metainfo.pot"
# No creation date: the template changes only when a text does.
sed -i '/^"POT-Creation-Date:/d' po/pellix.pot

while read -r language; do
  [[ -z "$language" || "$language" == \#* ]] && continue
  if [[ -f "po/$language.po" ]]; then
    msgmerge --quiet --update --backup=none --no-wrap --no-fuzzy-matching "po/$language.po" po/pellix.pot
  else
    msginit --no-translator --no-wrap --locale="$language.UTF-8" -i po/pellix.pot -o "po/$language.po"
  fi
done < po/LINGUAS
