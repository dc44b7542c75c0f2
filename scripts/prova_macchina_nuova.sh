#!/usr/bin/env bash
# The fresh-machine check: makes a minimal Debian 12 with debootstrap in a
# temporary folder, puts a clean clone of the project (its committed HEAD)
# inside, and runs the README's two commands there under chroot, as a new
# user would on a freshly installed machine. Packages come from the Debian
# registry that this machine's apt sources name. Everything is unmounted and
# removed on every way out, interrupted ones included.
#   sudo scripts/prova_macchina_nuova.sh
# P1_SECONDI_FUZZ is passed on to the test command.
set -euo pipefail
radice=$(cd "$(dirname "$0")/.." && pwd)

if [ "$(id -u)" -ne 0 ]; then
  echo "prova_macchina_nuova: serve root (debootstrap, mount, chroot)" >&2
  exit 2
fi

# The Debian mirror of this machine's apt sources: deb822 files first, then
# one-line sources.
specchio_debian() {
  local f
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -e "$f" ] || continue
    awk '/^URIs:/ { for (i = 2; i <= NF; i++) print $i }' "$f"
  done
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -e "$f" ] || continue
    awk '$1 == "deb" { for (i = 2; i <= NF; i++) if ($i ~ /^[a-z]+:\/\//) { print $i; break } }' "$f"
  done
}
specchi=$(specchio_debian)
specchio=$(grep -E '/debian/?$' <<<"$specchi" | head -1 || true)
sicurezza=$(grep -E '/debian-security/?$' <<<"$specchi" | head -1 || true)
if [ -z "$specchio" ]; then
  echo "prova_macchina_nuova: nessun archivio Debian nelle sorgenti di apt" >&2
  exit 2
fi

if ! command -v debootstrap >/dev/null 2>&1; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends debootstrap
fi

sistema=$(mktemp -d /var/tmp/p1-macchina-nuova.XXXXXX)
montati=()

# Kills what is still running inside the new system (wineserver, Xvfb), then
# unmounts in reverse order; the folder is removed only once nothing is
# mounted below it.
pulisci() {
  local stato=$?
  trap - EXIT INT TERM HUP
  set +e
  local p
  for p in /proc/[0-9]*; do
    if [ "$(readlink "$p/root" 2>/dev/null)" = "$sistema" ]; then
      kill -9 "${p#/proc/}" 2>/dev/null
    fi
  done
  local i
  for ((i = ${#montati[@]} - 1; i >= 0; i--)); do
    umount "${montati[i]}" 2>/dev/null || umount -l "${montati[i]}"
  done
  if grep -q " $sistema/" /proc/self/mounts; then
    echo "prova_macchina_nuova: restano montaggi sotto $sistema, cartella non rimossa" >&2
    [ "$stato" -ne 0 ] || stato=1
  else
    rm -rf "$sistema"
  fi
  exit "$stato"
}
trap pulisci EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

monta() {
  local destinazione=$sistema$1
  shift
  mount "$@" "$destinazione"
  montati+=("$destinazione")
}

inizio=$SECONDS
echo "== debootstrap bookworm da $specchio in $sistema"
debootstrap --variant=minbase bookworm "$sistema" "$specchio" >"$sistema.debootstrap.log" 2>&1 || {
  tail -30 "$sistema.debootstrap.log"
  rm -f "$sistema.debootstrap.log"
  exit 1
}
rm -f "$sistema.debootstrap.log"

# The apt sources of a freshly installed Debian 12: the release, its updates
# and, where this machine has it, the security archive.
rm -f "$sistema/etc/apt/sources.list"
{
  printf 'Types: deb\nURIs: %s\nSuites: bookworm bookworm-updates\nComponents: main\n' "$specchio"
  printf 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg\n'
  if [ -n "$sicurezza" ]; then
    printf '\nTypes: deb\nURIs: %s\nSuites: bookworm-security\nComponents: main\n' "$sicurezza"
    printf 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg\n'
  fi
} >"$sistema/etc/apt/sources.list.d/debian.sources"
cp /etc/resolv.conf "$sistema/etc/resolv.conf"
# The network this machine reaches the registries through, as it is: its name
# servers above, and the certificate authorities it trusts (a network that
# inspects TLS has one of its own), for npm over HTTPS.
if [ -d /usr/local/share/ca-certificates ]; then
  mkdir -p "$sistema/usr/local/share/ca-certificates"
  cp -r /usr/local/share/ca-certificates/. "$sistema/usr/local/share/ca-certificates/"
fi
if [ -f /etc/ssl/certs/ca-certificates.crt ]; then
  mkdir -p "$sistema/etc/ssl/certs"
  cp /etc/ssl/certs/ca-certificates.crt "$sistema/etc/ssl/certs/"
fi

monta /proc -t proc proc
monta /sys -t sysfs sysfs
monta /dev --bind /dev
monta /dev/pts --bind /dev/pts
monta /dev/shm -t tmpfs shm

git clone -q "$radice" "$sistema/root/Progetto1"
echo "== sistema pronto in $((SECONDS - inizio)) s"

in_chroot() {
  chroot "$sistema" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    DEBIAN_FRONTEND=noninteractive CI="${CI:-}" P1_SECONDI_FUZZ="${P1_SECONDI_FUZZ:-60}" \
    ${NODE_EXTRA_CA_CERTS:+NODE_EXTRA_CA_CERTS="$NODE_EXTRA_CA_CERTS"} \
    /bin/bash -c "cd /root/Progetto1 && $1" &
  # Waiting in the background lets an interruption reach the clean-up at once.
  wait $!
}

echo "== ./esegui.sh"
passo=$SECONDS
in_chroot ./esegui.sh
cartella=$sistema/root/Progetto1/build/pacchetto
for f in Corsanta_linea.dat Corsanta_7402.sim Corsanta_7402.dat Corsanta_7402_scheda_treno.txt \
  Corsanta_7402_rallentamenti.txt Corsanta_7402_note.txt; do
  if [ ! -s "$cartella/$f" ]; then
    echo "prova_macchina_nuova: manca $f dopo ./esegui.sh" >&2
    exit 1
  fi
done
echo "== ./esegui.sh: i sei file ci sono ($((SECONDS - passo)) s)"

echo "== ./test.sh"
passo=$SECONDS
in_chroot ./test.sh
echo "== ./test.sh riuscito ($((SECONDS - passo)) s); in tutto $((SECONDS - inizio)) s"
