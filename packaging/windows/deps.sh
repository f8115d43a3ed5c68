#!/usr/bin/env bash
# Builds the Windows libraries Kestrova links (SDL2, SDL2_mixer, cairo, pango and what they need,
# giflib, GoogleTest) from Debian's own source packages, cross-compiled with MinGW-w64 into one
# prefix. Usage: deps.sh PREFIX WORKDIR. Each library leaves a mark in PREFIX/.built/, so a run
# that was cut short goes on where it stopped; PREFIX/.built/all marks a complete prefix.
set -euo pipefail
prefix="$1"
work="$2"
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
host=x86_64-w64-mingw32
jobs="${KESTROVA_JOBS:-2}"
mkdir -p "$prefix/.built" "$work/src" "$work/build"

export PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig"
unset PKG_CONFIG_PATH
export CC=$host-gcc-posix CXX=$host-g++-posix AR=$host-ar RANLIB=$host-ranlib STRIP=$host-strip
export WINDRES=$host-windres RC=$host-windres
export CPPFLAGS="-I$prefix/include" LDFLAGS="-L$prefix/lib" CFLAGS="-O2" CXXFLAGS="-O2"
# Wine prints its own start-up chatter when a build step runs a Windows program; keep it quiet.
export WINEDEBUG=-all

# --- sources: apt-get source through a private apt configuration --------------------------------
apt_dir="$work/apt"
apt_opts=(-o Dir::Etc::SourceList="$apt_dir/sources.list" -o Dir::Etc::SourceParts=-
          -o Dir::State::Lists="$apt_dir/lists" -o Dir::Cache::Archives="$apt_dir/archives"
          -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache= -o APT::Sandbox::User=root)
if [ ! -s "$apt_dir/sources.list" ] || [ ! -d "$apt_dir/lists" ] ||
   ! ls "$apt_dir"/lists/*Sources* >/dev/null 2>&1; then
    bash "$here/apt-sources.sh" "$apt_dir"
    apt-get "${apt_opts[@]}" -q update
fi

# fetch SOURCE-PACKAGE: unpacks Debian's source (with Debian's patches) under $work/src and
# prints the folder. The newest version comes first; when the archive mirror lacks a file of
# it, older versions of the suite are tried. When only the Debian part is missing, the
# upstream tarball that apt-get fetched is used once its checksum matches the signed-off .dsc.
fetch() {
    local pkg="$1" dir="$work/src/$1"
    if [ -f "$dir/.unpacked" ]; then cat "$dir/.unpacked"; return; fi
    rm -rf "$dir" && mkdir -p "$dir"
    local versions v
    versions=$(apt-cache "${apt_opts[@]}" showsrc "$pkg" | sed -n 's/^Version: //p' | sort -rV -u)
    for v in $versions; do
        if (cd "$dir" && apt-get "${apt_opts[@]}" -q source --only-source "$pkg=$v" >"$dir/fetch.log" 2>&1); then
            local top
            top=$(find "$dir" -mindepth 1 -maxdepth 1 -type d | head -n 1)
            echo "$top" >"$dir/.unpacked"
            echo "$top"
            return
        fi
    done
    local dsc orig
    dsc=$(ls "$dir"/*.dsc 2>/dev/null | head -n 1)
    orig=$(ls "$dir"/*.orig.tar.* 2>/dev/null | grep -v '\.asc$' | head -n 1)
    if [ -n "$dsc" ] && [ -n "$orig" ] &&
       grep -q "$(sha256sum "$orig" | cut -d' ' -f1) [0-9]* $(basename "$orig")" "$dsc"; then
        echo "$pkg: Debian's own changes are missing on the mirror; building the checked upstream source" >&2
        tar -xf "$orig" -C "$dir"
        local top
        top=$(find "$dir" -mindepth 1 -maxdepth 1 -type d | head -n 1)
        echo "$top" >"$dir/.unpacked"
        echo "$top"
        return
    fi
    echo "Could not fetch the source of $pkg; see $dir/fetch.log" >&2
    exit 1
}

done_mark() { [ -f "$prefix/.built/$1" ]; }
mark() { touch "$prefix/.built/$1"; echo "== built $1"; }
step() { echo "== $1 ($(date +%H:%M:%S))"; }

meson_build() {  # meson_build SRC NAME [options...]
    local src="$1" name="$2"; shift 2
    rm -rf "$work/build/$name"
    meson setup "$work/build/$name" "$src" --cross-file "$here/meson-cross.ini" --prefix "$prefix" \
        --libdir lib --buildtype release -Ddefault_library=shared --wrap-mode nodownload \
        -Dc_args="-I$prefix/include" -Dc_link_args="-L$prefix/lib" \
        -Dcpp_args="-I$prefix/include" -Dcpp_link_args="-L$prefix/lib" "$@" >"$work/build/$name.log" 2>&1 ||
        { tail -n 40 "$work/build/$name.log"; exit 1; }
    ninja -C "$work/build/$name" -j"$jobs" install >>"$work/build/$name.log" 2>&1 ||
        { tail -n 40 "$work/build/$name.log"; exit 1; }
}

cmake_build() {  # cmake_build SRC NAME [options...]
    local src="$1" name="$2"; shift 2
    rm -rf "$work/build/$name"
    cmake -S "$src" -B "$work/build/$name" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DKESTROVA_WINDOWS_PREFIX="$prefix" \
        -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_INSTALL_LIBDIR=lib -DCMAKE_PREFIX_PATH="$prefix" \
        "$@" >"$work/build/$name.log" 2>&1 || { tail -n 40 "$work/build/$name.log"; exit 1; }
    ninja -C "$work/build/$name" -j"$jobs" install >>"$work/build/$name.log" 2>&1 ||
        { tail -n 40 "$work/build/$name.log"; exit 1; }
}

configure_build() {  # configure_build SRC NAME [configure options...]
    local src="$1" name="$2"; shift 2
    rm -rf "$work/build/$name" && mkdir -p "$work/build/$name"
    (cd "$work/build/$name" && "$src/configure" --host=$host --prefix="$prefix" "$@") \
        >"$work/build/$name.log" 2>&1 || { tail -n 40 "$work/build/$name.log"; exit 1; }
}

if ! done_mark zlib; then
    step zlib
    src=$(fetch zlib)
    # Debian's zlib source leaves out the Windows folder its own build files expect; zlib is a
    # dozen C files, built here into zlib1.dll. A shared zlib lets libtool build cairo as a DLL
    # with its PDF surface (it will not put a static zlib into a DLL).
    mkdir -p "$work/build/zlib" "$prefix/lib/pkgconfig" "$prefix/include" "$prefix/bin"
    objs=()
    for f in adler32 compress crc32 deflate gzclose gzlib gzread gzwrite infback inffast inflate inftrees \
             trees uncompr zutil; do
        $CC -O2 -c "$src/$f.c" -o "$work/build/zlib/$f.o"
        objs+=("$work/build/zlib/$f.o")
    done
    rm -f "$prefix/lib/libz.a"
    $CC -shared -o "$prefix/bin/zlib1.dll" "${objs[@]}" -Wl,--out-implib,"$prefix/lib/libz.dll.a"
    cp "$src/zlib.h" "$src/zconf.h" "$prefix/include/"
    cat >"$prefix/lib/pkgconfig/zlib.pc" <<EOF
prefix=$prefix
libdir=\${prefix}/lib
includedir=\${prefix}/include
Name: zlib
Description: zlib compression library
Version: 1.2.13
Libs: -L\${libdir} -lz
Cflags: -I\${includedir}
EOF
    mark zlib
fi

if ! done_mark intl; then
    # GLib asks for the message-catalogue functions; ours answer with the message itself.
    step intl
    mkdir -p "$work/build/intl"
    $CC -O2 -c "$here/intl/intl.c" -o "$work/build/intl/intl.o"
    $AR rcs "$prefix/lib/libintl.a" "$work/build/intl/intl.o"
    cp "$here/intl/libintl.h" "$prefix/include/libintl.h"
    mark intl
fi

if ! done_mark libpng; then
    step libpng
    src=$(fetch libpng1.6)
    cmake_build "$src" libpng -DPNG_STATIC=OFF -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF -DSKIP_INSTALL_EXECUTABLES=ON
    mark libpng
fi

if ! done_mark pixman; then
    step pixman
    src=$(fetch pixman)
    meson_build "$src" pixman -Dtests=disabled -Dgtk=disabled -Dlibpng=disabled -Dopenmp=disabled
    mark pixman
fi

if ! done_mark libffi; then
    step libffi
    src=$(fetch libffi)
    configure_build "$src" libffi --disable-static --enable-shared --disable-docs --disable-multi-os-directory
    make -C "$work/build/libffi" -j"$jobs" install >>"$work/build/libffi.log" 2>&1 ||
        { tail -n 40 "$work/build/libffi.log"; exit 1; }
    mark libffi
fi

if ! done_mark pcre2; then
    step pcre2
    src=$(fetch pcre2)
    cmake_build "$src" pcre2 -DBUILD_SHARED_LIBS=ON -DBUILD_STATIC_LIBS=OFF -DPCRE2_BUILD_PCRE2GREP=OFF \
        -DPCRE2_BUILD_TESTS=OFF -DPCRE2_SUPPORT_LIBBZ2=OFF -DPCRE2_SUPPORT_LIBZ=OFF
    mark pcre2
fi

if ! done_mark glib; then
    step glib
    src=$(fetch glib2.0)
    meson_build "$src" glib -Dtests=false -Dinstalled_tests=false -Dman=false -Dgtk_doc=false \
        -Dnls=disabled -Dlibmount=disabled -Dselinux=disabled -Dxattr=false -Dsysprof=disabled \
        -Dlibelf=disabled -Dglib_debug=disabled
    mark glib
fi

if ! done_mark fribidi; then
    step fribidi
    src=$(fetch fribidi)
    sed -i "/^subdir('\(bin\|test\)')/d" "$src/meson.build"
    meson_build "$src" fribidi -Ddocs=false
    mark fribidi
fi

if ! done_mark harfbuzz; then
    step harfbuzz
    src=$(fetch harfbuzz)
    meson_build "$src" harfbuzz -Dglib=disabled -Dgobject=disabled -Dcairo=disabled -Dchafa=disabled \
        -Dicu=disabled -Dgraphite2=disabled -Dfreetype=disabled -Dgdi=disabled -Ddirectwrite=disabled \
        -Dtests=disabled -Ddocs=disabled -Dbenchmark=disabled -Dintrospection=disabled
    mark harfbuzz
fi

if ! done_mark cairo; then
    # Cairo's Windows surface and Windows font backend: text is drawn with the system's own
    # font machinery, so neither FreeType nor fontconfig is needed. Its PDF surface makes the
    # progress report.
    step cairo
    src=$(fetch cairo)
    # Debian's changes touch cairo's build files (for Debian's own packaging); the configure
    # script shipped with the source is used as it stands, so it is made the newest file.
    find "$src" -name aclocal.m4 -exec touch {} +
    # Its warning flags switch on the C library's fortified calls, which MinGW-w64 has only in
    # one more DLL (libssp); they are left off.
    sed -i 's/MAYBE_WARN="$MAYBE_WARN -Wp,-D_FORTIFY_SOURCE=2"/:/' "$src/configure"
    touch "$src/configure"
    find "$src" \( -name Makefile.in -o -name config.h.in \) -exec touch {} +
    configure_build "$src" cairo --disable-static --enable-shared --enable-win32 --enable-win32-font \
        --disable-xlib --disable-xcb --disable-ft --disable-fc --disable-gobject --disable-trace \
        --disable-interpreter --disable-script --disable-ps --disable-svg --enable-pdf --enable-png \
        --disable-full-testing --disable-gtk-doc
    make -C "$work/build/cairo/src" -j"$jobs" install >>"$work/build/cairo.log" 2>&1 ||
        { tail -n 40 "$work/build/cairo.log"; exit 1; }
    mark cairo
fi

if ! done_mark pango; then
    step pango
    src=$(fetch pango1.0)
    sed -i "/^subdir('\(utils\|examples\|tests\|tools\)')/d" "$src/meson.build"
    meson_build "$src" pango -Dintrospection=disabled -Dfontconfig=disabled -Dfreetype=disabled \
        -Dlibthai=disabled -Dxft=disabled -Dcairo=enabled -Dgtk_doc=false -Dinstall-tests=false \
        -Dsysprof=disabled
    mark pango
fi

if ! done_mark giflib; then
    # giflib ships a plain makefile for Unix; its library is a handful of C files.
    step giflib
    src=$(fetch giflib)
    mkdir -p "$work/build/giflib"
    objs=()
    for f in dgif_lib egif_lib gifalloc gif_err gif_font gif_hash openbsd-reallocarray quantize; do
        $CC -O2 -c "$src/$f.c" -I"$src" -o "$work/build/giflib/$f.o"
        objs+=("$work/build/giflib/$f.o")
    done
    rm -f "$prefix/lib/libgif.a"
    $AR rcs "$prefix/lib/libgif.a" "${objs[@]}"
    cp "$src/gif_lib.h" "$prefix/include/"
    mark giflib
fi

if ! done_mark sdl2; then
    step SDL2
    src=$(fetch libsdl2)
    cmake_build "$src" sdl2 -DSDL_SHARED=ON -DSDL_STATIC=OFF -DSDL_TEST=OFF -DSDL2_DISABLE_SDL2MAIN=OFF
    mark sdl2
fi

if ! done_mark sdl2_mixer; then
    # WAV and MP3 only: the asset pack holds nothing else.
    step SDL2_mixer
    src=$(fetch libsdl2-mixer)
    cmake_build "$src" sdl2_mixer -DSDL2MIXER_SAMPLES=OFF -DSDL2MIXER_VENDORED=OFF -DSDL2MIXER_DEPS_SHARED=OFF \
        -DSDL2MIXER_WAVE=ON -DSDL2MIXER_MP3=ON -DSDL2MIXER_MP3_DRMP3=ON -DSDL2MIXER_MP3_MPG123=OFF \
        -DSDL2MIXER_FLAC=OFF -DSDL2MIXER_MOD=OFF -DSDL2MIXER_MIDI=OFF -DSDL2MIXER_OPUS=OFF \
        -DSDL2MIXER_VORBIS=OFF -DSDL2MIXER_CMD=OFF
    mark sdl2_mixer
fi

if ! done_mark googletest; then
    # For the test program only; linked statically into it.
    step googletest
    src=$(fetch googletest)
    cmake_build "$src" googletest -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON -DBUILD_SHARED_LIBS=OFF
    mark googletest
fi

mark all
