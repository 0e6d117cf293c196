# debian-sources.sh: sourced by the Windows and browser builds; downloads Debian's source
# packages of the libraries they build themselves, through a deb-src entry present only while
# they download. The sourcing script's exit trap calls remove_source_list, so that an
# interruption takes the entry away too.

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)

# The version apt would install, with ':' made safe for a folder name.
candidate() {
  apt-cache policy "$1" | awk '/Candidate:/ { print $2 }' | tr ':' '_'
}

source_list=
remove_source_list() {
  [[ -n $source_list && -e $source_list ]] || return 0
  "${sudo[@]}" rm -f "$source_list"
  "${sudo[@]}" apt-get update -qq || true
}

# The newest version of a source package that the mirror serves: a fresh security update's
# sources may not have reached it yet. The versions fetched are kept in `fetched`.
fetched=()
fetch_source() {
  local into=$1 package=$2 version
  for version in $(apt-cache showsrc "$package" | awk '/^Version:/ { print $2 }' | sort -rV); do
    if (cd "$into" && apt-get source -qq "$package=$version" >/dev/null 2>&1); then
      fetched+=("$package $version")
      return 0
    fi
  done
  echo "cannot fetch the sources of $package" >&2
  return 1
}

# fetch_sources FOLDER PACKAGE...: the unpacked sources of each package in a fresh FOLDER.
fetch_sources() {
  local into=$1 package
  shift
  local entries
  if [[ -e /etc/apt/sources.list.d/debian.sources ]]; then
    source_list=/etc/apt/sources.list.d/pellix-deb-src.sources
    entries=$(sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources)
  else
    source_list=/etc/apt/sources.list.d/pellix-deb-src.list
    entries=$(awk '$1 == "deb" { $1 = "deb-src"; print }' /etc/apt/sources.list)
  fi
  echo "$entries" | "${sudo[@]}" tee "$source_list" >/dev/null
  "${sudo[@]}" apt-get update -qq
  rm -rf "$into" && mkdir -p "$into"
  for package in "$@"; do
    fetch_source "$into" "$package"
  done
  remove_source_list
}
