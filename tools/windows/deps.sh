#!/usr/bin/env bash
# Cross-builds the program's Windows dependencies once, from Debian source
# packages, into a cache outside the checkout, and prints the cache's path
# as its last line. A later run with the same versions finds them built and
# does nothing; a library whose build failed is built again on the next run.
# The cache is ${XDG_CACHE_HOME:-~/.cache}/navigation-system/windows-deps-<key>,
# the key naming the versions below and the compiler's, and holds
#   include/ lib/ bin/   the libraries (static, but OpenAL32.dll)
#   licences/<source>    each library's Debian copyright file (or, where only
#                        the upstream tarball was served, its licence files)
# Source packages are fetched with apt-get source through a private apt
# configuration in the cache (/etc/apt is left alone). Expects the packages
# tools/windows.sh installs.
set -euo pipefail
shopt -s inherit_errexit
here=$(cd "$(dirname "$0")" && pwd)

# Source package, version and suite. OpenAL Soft is trixie's: the mirror no
# longer serves bookworm's files.
sources=(
  "freetype 2.12.1+dfsg-5+deb12u4 bookworm"
  "libogg 1.3.5-3 bookworm"
  "libvorbis 1.3.7-1 bookworm"
  "flac 1.4.2+ds-2 bookworm"
  "openal-soft 1:1.24.2-1 trixie"
  "libsfml 2.5.1+dfsg-2 bookworm"
)
recipe=1  # raise when the build options below change
compiler=$(x86_64-w64-mingw32-g++-posix -dumpfullversion)
key=$(printf '%s\n' "${sources[@]}" "gcc $compiler" "recipe $recipe" | sha256sum | cut -c1-12)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/navigation-system/windows-deps-$key
mkdir -p "$cache"/{stamps,licences,src}
prefix=$cache
jobs=$(nproc)

# A private apt configuration: the machine's Debian sources as deb-src, and
# trixie's.
apt_dir=$cache/apt
# Run as root, apt would hand the download to its own user, who may not
# write into this cache.
apt_opts=(-o APT::Sandbox::User=root -o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$apt_dir/sources"
  -o Dir::State::Lists="$apt_dir/lists" -o Dir::Cache="$apt_dir/cache")
fetch() {  # fetch <source> <version>: unpacks into src/ and prints the folder
  local name=$1 version=$2
  if [ ! -f "$apt_dir/updated" ]; then
    mkdir -p "$apt_dir"/{sources,lists/partial,cache/archives/partial}
    stanza() { printf '%s\n' "Types: deb-src" "URIs: http://deb.debian.org/debian" "Suites: $1" \
      "Components: main" "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg"; }
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
      sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources >"$apt_dir/sources/debian.sources"
    else
      stanza bookworm >"$apt_dir/sources/debian.sources"
    fi
    stanza trixie >"$apt_dir/sources/trixie.sources"
    apt-get "${apt_opts[@]}" update -qq >&2
    touch "$apt_dir/updated"
  fi
  local dir=$cache/src/$name
  rm -rf -- "$dir" && mkdir -p -- "$dir"
  # The mirror may serve only some files of a source package (trixie's
  # OpenAL Soft: the orig tarball alone), so a failed download is judged by
  # what arrived.
  (cd "$dir" && apt-get "${apt_opts[@]}" source --download-only -qq "$name=$version" >&2) || true
  local dsc orig
  dsc=$(find "$dir" -maxdepth 1 -name '*.dsc' | head -n1)
  orig=$(find "$dir" -maxdepth 1 -name '*.orig.tar.*' | head -n1)
  if [ -n "$dsc" ]; then
    (cd "$dir" && dpkg-source -x "$dsc" unpacked >&2)
  elif [ -n "$orig" ]; then
    echo "windows deps: only the upstream tarball of $name was served; built without Debian's changes" >&2
    mkdir "$dir/unpacked" && tar -xf "$orig" -C "$dir/unpacked" --strip-components=1
  else
    echo "windows deps: the source package $name $version could not be fetched" >&2
    return 1
  fi
  echo "$dir/unpacked"
}

# The library's copyright: Debian's file, or else the upstream licence files
# (those of bundled code too).
licence() {  # licence <name> <folder>
  if [ -f "$2/debian/copyright" ]; then
    cp "$2/debian/copyright" "$cache/licences/$1"
  else
    find "$2" -maxdepth 2 \( -name 'COPYING*' -o -name 'LICENSE*' \) -type f | sort |
      while read -r file; do printf '==> %s <==\n' "${file#"$2"/}"; cat "$file"; echo; done >"$cache/licences/$1"
  fi
}

cmake_build() {  # cmake_build <source folder> <cmake options...>
  local src=$1; shift
  local build=$src/build-windows
  cmake -S "$src" -B "$build" -G "Unix Makefiles" -DCMAKE_TOOLCHAIN_FILE="$here/toolchain.cmake" \
    -DNAV_WINDOWS_DEPS="$prefix" -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH=/ \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF "$@" >&2
  cmake --build "$build" -j"$jobs" >&2
  cmake --install "$build" >&2
}


build() {  # build <source> <folder>
  case $1 in
    freetype) cmake_build "$2" -DBUILD_SHARED_LIBS=OFF -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON \
      -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON ;;
    libogg) cmake_build "$2" -DBUILD_SHARED_LIBS=OFF -DINSTALL_DOCS=OFF ;;
    libvorbis) cmake_build "$2" -DBUILD_SHARED_LIBS=OFF ;;
    # The stack protector and fortified sources would need libssp.
    flac) cmake_build "$2" -DBUILD_SHARED_LIBS=OFF -DBUILD_PROGRAMS=OFF -DBUILD_EXAMPLES=OFF \
      -DBUILD_DOCS=OFF -DBUILD_CXXLIBS=OFF -DINSTALL_MANPAGES=OFF -DWITH_OGG=ON \
      -DWITH_STACK_PROTECTOR=OFF -DWITH_FORTIFY_SOURCE=OFF ;;
    openal-soft) cmake_build "$2" -DLIBTYPE=SHARED -DALSOFT_UTILS=OFF -DALSOFT_EXAMPLES=OFF \
      -DALSOFT_TESTS=OFF -DALSOFT_INSTALL_CONFIG=OFF -DALSOFT_INSTALL_HRTF_DATA=OFF \
      -DALSOFT_INSTALL_AMBDEC_PRESETS=OFF \
      -DCMAKE_SHARED_LINKER_FLAGS=-static ;;  # libstdc++, libgcc, winpthread inside the DLL
    libsfml) cmake_build "$2" -DSFML_USE_SYSTEM_DEPS=ON -DBUILD_SHARED_LIBS=OFF \
      -DSFML_USE_STATIC_STD_LIBS=ON -DSFML_BUILD_EXAMPLES=OFF -DSFML_BUILD_DOC=OFF \
      -DSFML_BUILD_NETWORK=OFF -DSFML_INSTALL_PKGCONFIG_FILES=OFF ;;
  esac
}

for entry in "${sources[@]}"; do
  read -r name version suite <<<"$entry"
  stamp=$cache/stamps/$name
  [ -f "$stamp" ] && continue
  echo "windows deps: building $name $version ($suite)" >&2
  start=$SECONDS
  dir=$(fetch "$name" "$version")
  build "$name" "$dir"
  licence "$name" "$dir"
  rm -rf -- "$cache/src/$name"
  echo "windows deps: $name built in $((SECONDS - start)) s" >&2
  touch "$stamp"
done
echo "$cache"
