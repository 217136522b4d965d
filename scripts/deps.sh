#!/usr/bin/env bash
# Installs the Debian packages named on the command line that are not installed yet. A package
# whose triggers are still to run is installed; apt waits for another apt or dpkg to finish.
set -euo pipefail
missing=()
for package in "$@"; do
  case "$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null)" in
    installed | triggers-pending | triggers-awaited) ;;
    *) missing+=("$package") ;;
  esac
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
apt_get=($sudo apt-get -o DPkg::Lock::Timeout=600)
"${apt_get[@]}" update -qq
DEBIAN_FRONTEND=noninteractive "${apt_get[@]}" install -y -qq --no-install-recommends "${missing[@]}"
