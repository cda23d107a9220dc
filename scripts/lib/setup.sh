# Installs the Debian packages that are missing, and only those, and finds out whether this
# machine runs 32-bit code. Source this file, then call ensure_packages with the package names,
# and ensure_x86_wine where the x86 build is to run.

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
  $(sudo_if_needed) apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $(sudo_if_needed) apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" </dev/null
}

sudo_if_needed() {
  if [[ $(id -u) -ne 0 ]]; then
    echo sudo
  fi
}

# What building and running needs. The loaders are called directly (/usr/lib/wine/wine64 for
# x64, /usr/lib/wine/wine for x86), so /usr/bin/wine's choice never matters. fonts-wine has the
# Marlett font that caption buttons are drawn with; x11-utils tells whether a display answers.
build_packages=(cmake make g++ googletest g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
                binutils-mingw-w64-x86-64 binutils-mingw-w64-i686)
run_packages=(wine64 xvfb x11-utils fonts-wine)
# What the Windows Installer packages are made with: wixl, and msitools' msibuild and msiinfo;
# wixl runs under faketime, which sets the time it writes into each package.
msi_packages=(wixl msitools faketime)
# What only the tests need besides: makensis and the above, for the packages the install tests
# run; for the release check, the signing tools and 7-Zip, which unpacks what a setup program
# writes.
test_packages=(nsis "${msi_packages[@]}" osslsigncode openssl p7zip-full)

# The locales the end-to-end tests run Duskfall in: Wine takes the user's number format and
# display language from the Unix locale, and glibc knows only the locales that were generated.
# de_DE also gives the Duskfall group its decimal comma; the others are the languages Duskfall
# speaks, for the check that every text fits.
test_locales=(de_DE en_US fr_FR es_ES it_IT pl_PL)
ensure_locales() {
  local missing=()
  for name in "${test_locales[@]}"; do
    locale -a 2>/dev/null | grep -qx "$name.utf8" || missing+=("$name")
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  ensure_packages locales
  for name in "${missing[@]}"; do
    if ! grep -q "^$name.UTF-8 UTF-8" /etc/locale.gen 2>/dev/null; then
      echo "$name.UTF-8 UTF-8" | $(sudo_if_needed) tee -a /etc/locale.gen >/dev/null
    fi
  done
  $(sudo_if_needed) locale-gen >/dev/null
}

# Whether the kernel runs 32-bit x86 programs: it may be built without IA32 emulation, or have it
# switched off, whatever it says of itself. A 32-bit ELF program of 96 bytes, which only exits
# with status 42, is run to find out. It is written into the build folder: /tmp may forbid
# running programs.
runs_32bit_code() {
  local probe=build/runs-32bit-code status=0
  mkdir -p build
  # ELF header (32-bit, little-endian, i386, entry 0x8048054), one loadable segment holding the
  # whole file at 0x8048000, then: mov eax, 1 (exit); mov ebx, 42; int 0x80.
  local elf='\x7fELF\x01\x01\x01\0\0\0\0\0\0\0\0\0\x02\0\x03\0\x01\0\0\0\x54\x80\x04\x08'
  elf+='\x34\0\0\0\0\0\0\0\0\0\0\0\x34\0\x20\0\x01\0\0\0\0\0\0\0'
  elf+='\x01\0\0\0\0\0\0\0\0\x80\x04\x08\0\x80\x04\x08\x60\0\0\0\x60\0\0\0\x05\0\0\0\0\x10\0\0'
  elf+='\xb8\x01\0\0\0\xbb\x2a\0\0\0\xcd\x80'
  printf '%b' "$elf" >"$probe"
  chmod +x "$probe"
  "$probe" 2>/dev/null || status=$?
  rm -f "$probe"
  ((status == 42))
}

# Installs Wine's 32-bit loader when this machine runs 32-bit code, and checks that it starts.
# Otherwise, or when it does not start, sets x86_wine_missing to the reason and returns 1.
x86_wine_missing=""
ensure_x86_wine() {
  if ! runs_32bit_code; then
    x86_wine_missing="this machine's kernel does not run 32-bit programs (no IA32 emulation)"
    return 1
  fi
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $(sudo_if_needed) dpkg --add-architecture i386
    # The new architecture's package lists are not there until the next update.
    $(sudo_if_needed) apt-get update -qq
  fi
  ensure_packages wine32:i386
  if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    x86_wine_missing="Wine's 32-bit loader /usr/lib/wine/wine does not start"
    return 1
  fi
}
