#!/bin/sh
# Maps the test drives of the Wine prefix: T: to a small tree holding host symbolic links
# (to a folder and to a file outside it), U: to a tree of many folders for a long census.
set -eu
base="$WINEPREFIX/nettix-essai"
rm -rf "$base"
mkdir -p "$base/arbre" "$base/dehors" "$base/grand"
echo dehors > "$base/dehors/cible.tmp"
ln -sfn "$base/dehors" "$base/arbre/lien"
ln -sfn "$base/dehors/cible.tmp" "$base/arbre/lien.tmp"
i=0
while [ $i -lt 40 ]; do
  mkdir -p "$base/grand/d$i"
  (cd "$base/grand/d$i" && mkdir $(seq -f "s%g" 1 150))
  i=$((i + 1))
done
ln -sfn "$base/arbre" "$WINEPREFIX/dosdevices/t:"
ln -sfn "$base/grand" "$WINEPREFIX/dosdevices/u:"
