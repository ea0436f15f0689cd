# Sourced by the other scripts: ensure_packages PACKAGE... installs, with
# apt-get, those of the named Debian packages that are not installed yet;
# ensure_i386_architecture lets it install packages such as wine32:i386.

run_as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif command -v sudo >/dev/null; then
    sudo "$@"
  else
    echo "Please run as root: $*" >&2
    return 1
  fi
}

ensure_i386_architecture() {
  dpkg --print-foreign-architectures | grep -qx i386 && return 0
  echo "Adding the i386 architecture to dpkg ..."
  run_as_root dpkg --add-architecture i386
}

ensure_packages() {
  local missing=() package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0

  echo "Installing ${missing[*]} ..."
  run_as_root apt-get update -qq
  run_as_root env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
