#!/usr/bin/env bash
# Installs everything the build and the tests need on a Debian 12 machine.
# Idempotent: packages already present and a verified engine library are skipped.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

packages=(
  build-essential cmake pkg-config git
  liblua5.4-dev libexpat1-dev libhpdf-dev zlib1g-dev libpng-dev libjpeg62-turbo-dev
  libgtest-dev libgmock-dev
  ttf-bitstream-vera fonts-dejavu-core libfreetype-dev libfontconfig-dev
  libcairo2-dev libpango1.0-dev liblitehtml-dev
  openssl ca-certificates
  qpdf poppler-utils fonts-dejavu-extra
)

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# npm fetches the engine library; a node installed outside Debian's packages serves as well.
command -v npm >/dev/null 2>&1 || missing+=(npm)
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# The PDF engine library: libpdfium.so from a pinned npm package, checked against its integrity hash.
pkg='@craftlions/pdfium-rs-linux-x64-gnu'
version='0.0.15'
integrity='sha512-Uqi8LY7CCkgngrrfFVL1Uijjw3hwry5Kd0S7/9kzmz0rQXIMI+X+gZEm76RWnu8W3LmiLvIbfZFJd+jXgVc75w=='
deps="$root/.deps/pdfium"
tarball="$deps/pdfium-rs-linux-x64-gnu-$version.tgz"
mkdir -p "$deps"

check_integrity() {
  [ -f "$tarball" ] || return 1
  local sum
  sum="sha512-$(openssl dgst -sha512 -binary "$tarball" | base64 -w0)"
  [ "$sum" = "$integrity" ]
}

if ! check_integrity; then
  echo "setup: fetching $pkg@$version"
  rm -f "$tarball"
  tmp=$(mktemp -d)
  (cd "$tmp" && npm pack --silent "$pkg@$version" >/dev/null)
  mv "$tmp"/*.tgz "$tarball"
  rm -rf "$tmp"
  check_integrity || { echo "setup: integrity check failed for $pkg@$version" >&2; rm -f "$tarball"; exit 1; }
  rm -f "$deps/libpdfium.so"
fi
if [ ! -f "$deps/libpdfium.so" ]; then
  tar -xzf "$tarball" -C "$deps" --strip-components=1 package/libpdfium.so
fi
echo "setup: ready"
