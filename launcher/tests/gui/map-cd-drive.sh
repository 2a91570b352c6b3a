#!/usr/bin/env bash
# Maps a Wine drive letter to an empty folder, as if a CD were in that drive,
# or removes the mapping: map-cd-drive.sh setup|cleanup PREFIX LETTER FOLDER
set -euo pipefail
action=$1 prefix=$2 letter=$3 folder=$4
link="$prefix/dosdevices/${letter,,}:"
case $action in
  setup)
    rm -rf "$folder"
    mkdir -p "$folder"
    rm -f "$link"
    ln -s "$folder" "$link"
    ;;
  cleanup)
    rm -f "$link"
    rm -rf "$folder"
    ;;
esac
