#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and test, and
# only those that are missing, so a second run costs a fraction of a second.
set -euo pipefail

paquets=(g++ make cmake libgtest-dev libbenchmark-dev qt6-base-dev qt6-svg-dev)
# The fonts the game registers from their files and draws with.
paquets+=(fonts-dejavu-core fonts-dejavu-extra)
# To look at the game without a screen, and for the contact sheet and the
# start-up measurements.
if [[ "${1:-}" == "--outils" ]]; then
    paquets+=(xvfb xauth xdotool imagemagick)
fi

manquants=()
for p in "${paquets[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
        manquants+=("$p")
    fi
done
[[ ${#manquants[@]} -eq 0 ]] && exit 0

echo "Installing: ${manquants[*]}"
sudo=""
if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
$sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${manquants[@]}"
