# Installs the Debian packages that are missing, and only those. Source this file, then call
# ensure_packages with the package names.

ensure_packages() {
  local missing=()
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$package")
    fi
  done
  if ((${#missing[@]} == 0)); then
    return 0
  fi
  echo "Installing: ${missing[*]}"
  local sudo=""
  if [[ $(id -u) -ne 0 ]]; then
    sudo="sudo"
  fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" </dev/null
}

# What building and running needs. wine64 only: with wine32 installed, /usr/bin/wine picks a
# 32-bit loader that this kind of machine cannot run. fonts-wine has the Marlett font that
# caption buttons are drawn with.
build_packages=(cmake make g++ googletest g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
                binutils-mingw-w64-x86-64 binutils-mingw-w64-i686)
run_packages=(wine64 xvfb fonts-wine)
# What only the tests need besides: makensis, for the installer the install test runs.
test_packages=(nsis)
