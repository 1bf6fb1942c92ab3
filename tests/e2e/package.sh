#!/usr/bin/env bash
# The Debian package holds the launcher, the program, the installation tree and the desktop
# files, and what it installs runs: unpacked into a scratch root, the launcher finds its tree.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"

build=$(dirname "$ZYN_BIN")
[ -f "$build/CPackConfig.cmake" ] || e2e_skip "no CPack configuration in $build"
for tool in cpack dpkg-deb; do
    command -v "$tool" >/dev/null 2>&1 || e2e_skip "$tool is not installed"
done

# cmake --install gives the launcher in bin/ and the tree in share/moravel.
prefix=$E2E_SCRATCH/prefix
cmake --install "$build" --prefix "$prefix" >"$E2E_SCRATCH/install.log" 2>&1 ||
    e2e_fail "cmake --install failed: $(cat "$E2E_SCRATCH/install.log")"
head -n1 "$prefix/bin/zyneditor" | grep -q '^#!/bin/bash' || e2e_fail "bin/zyneditor is not the launcher"
[ -x "$prefix/lib/moravel/zyneditor" ] || e2e_fail "the program is not in lib/moravel"
[ -d "$prefix/share/moravel/lib/locale" ] || e2e_fail "share/moravel has no lib/locale"
[ -f "$prefix/share/moravel/targets/xml/templatec.xdp" ] || e2e_fail "share/moravel has no templates"

out=$E2E_SCRATCH/package
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$E2E_SCRATCH/cpack.log" 2>&1 ||
    e2e_fail "cpack failed: $(cat "$E2E_SCRATCH/cpack.log")"
debs=("$out"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || e2e_fail "cpack made no single .deb: ${debs[*]}"
deb=${debs[0]}

contents=$E2E_SCRATCH/contents
dpkg-deb -c "$deb" | awk '{ print $NF }' | sed 's|^\./|/|' >"$contents"
for path in \
    /usr/bin/zyneditor \
    /usr/lib/moravel/zyneditor \
    /usr/share/moravel/lib/locale/zyneditor_de.qm \
    /usr/share/moravel/lib/scripts/zyngen.pl \
    /usr/share/moravel/lib/scripts/zynprint.pl \
    /usr/share/moravel/lib/scripts/zynver.pl \
    /usr/share/moravel/lib/scripts/encode64.pl \
    /usr/share/moravel/lib/scripts/Zyn/Doc.pm \
    /usr/share/moravel/lib/pixmap/splash.png \
    /usr/share/moravel/lib/pixmap/about_hlv.png \
    /usr/share/moravel/lib/pixmap/icons/kvnicon48x48.png \
    /usr/share/moravel/doc/kvn_web.properties \
    /usr/share/moravel/targets/xml/templatec.xdp \
    /usr/share/moravel/targets/xml/templatea.xdp \
    /usr/share/moravel/targets/xml/templatej2se.xdp \
    /usr/share/moravel/targets/xml/templatej2me.xdp \
    /usr/share/moravel/targets/xml/Reference.html \
    /usr/share/applications/zyneditor.desktop \
    /usr/share/icons/hicolor/48x48/apps/zyneditor.png \
    /usr/share/mime/packages/zyneditor.xml; do
    grep -qxF "$path" "$contents" || e2e_fail "the package lacks $path"
done
# Nothing that a test run leaves in the staged tree may slip into the package.
if grep -E '^/usr/share/moravel/targets/[^/]+/.' "$contents" | grep -v '^/usr/share/moravel/targets/xml/'; then
    e2e_fail "the package carries generated targets"
fi

depends=$(dpkg-deb -f "$deb" Depends)
for dependency in perl libxml-libxml-perl qt6-qpa-plugins libqt6widgets6; do
    [[ ", $depends," == *", $dependency"[\ ,]* ]] || e2e_fail "Depends lacks $dependency: $depends"
done

root=$E2E_SCRATCH/root
dpkg-deb -x "$deb" "$root"
if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$root/usr/share/applications/zyneditor.desktop" ||
        e2e_fail "the desktop file is not valid"
else
    e2e_log "desktop-file-validate is not installed; the desktop file is not checked"
fi

# The launcher passes the arguments on: two are refused with the usage text.
status=0
env -u CORVINDIR "$root/usr/bin/zyneditor" one two 2>"$E2E_SCRATCH/usage.err" || status=$?
[ "$status" -eq 1 ] || e2e_fail "two arguments: exit status $status"
[ "$(cat "$E2E_SCRATCH/usage.err")" = "Usage: $root/usr/bin/zyneditor [file]" ] ||
    e2e_fail "two arguments: standard error was '$(cat "$E2E_SCRATCH/usage.err")'"

# Without CORVINDIR the launcher points the program at the unpacked tree, and it starts.
e2e_start_display
unset CORVINDIR
ZYN_BIN=$root/usr/bin/zyneditor
e2e_start
e2e_wait_title "Tamsk Velmora Corvin Moravel Editor"
# The per-user templates come from the unpacked tree.
e2e_wait "the user templates" test -f "$XDG_DATA_HOME/Velmora Software/zyneditor/targets/xml/templatec.xdp"
