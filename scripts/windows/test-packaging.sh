#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Tries deploy.sh, package.sh and test-install.sh on a stand-in for the program
# and for Qt, built here in seconds, so that the Windows packaging can be
# checked without the Windows build of Qt.
# Usage: scripts/windows/test-packaging.sh
set -euo pipefail

source "$(dirname "$0")/../lib/common.sh"
scripts="$(cd "$(dirname "$0")" && pwd)"
cxx=x86_64-w64-mingw32-g++-posix
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"

# Only following imports recursively finds everything: Qt6Gui.dll is needed
# by the screen plugin alone, libwinpthread-1.dll by the C++ runtime alone.
mkdir -p qt/bin qt/plugins/platforms
echo '__declspec(dllexport) const char* version() { return "1.0.0"; }' >core.cpp
echo '__declspec(dllexport) int gui() { return 0; }' >gui.cpp
echo 'int gui(); int plugin() { return gui(); }' >plugin.cpp
# The stand-in answers what test-install.sh asks of the program, crudely.
cat >main.cpp <<'EOF'
#include <windows.h>
#include <fstream>
#include <iostream>
#include <string>
const char* version();
int main(int argc, char** argv)
{
    const std::string option = argc > 1 ? argv[1] : "";
    if (option == "--version")
        std::cout << "strobix " << version() << std::endl;
    else if (option == "--help") {
        char path[MAX_PATH];
        std::string folder(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
        folder.erase(folder.find_last_of('\\') + 1);
        const bool german = bool(std::ifstream(folder + "translations\\qtbase_de.qm"));
        std::cout << (german ? "Aufruf: " : "Usage: ") << "strobix\n";
    }
    else if (option == "--language" && argc == 4 && std::string(argv[3]) == "--help") {
        char path[MAX_PATH];
        std::string folder(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
        folder.erase(folder.find_last_of('\\') + 1);
        const std::string language = argv[2];
        const bool french = language == "fr"
                            && bool(std::ifstream(folder + "translations\\qtbase_fr.qm"));
        std::cout << (french ? "Utilisation : strobix [options]\nprogrammateur du s\n" : "Usage: strobix\n");
    }
    else if (option == "--export-animation" && argc == 4)
        std::ofstream(argv[3]) << "GIF89a";
    else
        return MessageBeep(0) ? 2 : 1;
    return 0;
}
EOF
$cxx -g -shared -o qt/bin/Qt6Core.dll core.cpp
$cxx -g -shared -o qt/bin/Qt6Gui.dll gui.cpp
$cxx -g -shared -o qt/plugins/platforms/qwindows.dll plugin.cpp qt/bin/Qt6Gui.dll
cp qt/plugins/platforms/qwindows.dll qt/plugins/platforms/qoffscreen.dll
# As the real ones: a console program and the same without a console.
$cxx -g -o strobix.exe main.cpp qt/bin/Qt6Core.dll
$cxx -g -mwindows -o strobixw.exe main.cpp qt/bin/Qt6Core.dll

"$scripts/deploy.sh" strobix.exe qt stage >/dev/null
for file in strobix.exe strobixw.exe Qt6Core.dll Qt6Gui.dll libstdc++-6.dll libgcc_s_seh-1.dll \
        libwinpthread-1.dll platforms/qwindows.dll platforms/qoffscreen.dll \
        translations/qtbase_de.qm translations/qtbase_fr.qm translations/qtbase_cs.qm \
        manual/index.html manual/de/index.html LICENSE.txt licenses/Qt.txt; do
    [[ -f "stage/$file" ]] || die "FAIL: deploy.sh left out $file"
done
compgen -G "stage/examples/*.dat" >/dev/null || die "FAIL: deploy.sh left out the examples"
if find stage -iname 'kernel32.dll' -o -iname 'user32.dll' -o -iname 'msvcrt.dll' | grep .; then
    die "FAIL: deploy.sh copied a DLL of Windows"
fi
if x86_64-w64-mingw32-objdump -h stage/strobix.exe stage/strobixw.exe stage/Qt6Core.dll \
        | grep -F .debug_; then
    die "FAIL: deploy.sh did not strip the binaries"
fi

rm qt/bin/Qt6Gui.dll
if "$scripts/deploy.sh" strobix.exe qt missing 2>error.txt; then
    die "FAIL: deploy.sh succeeded without Qt6Gui.dll"
fi
grep -q 'cannot find Qt6Gui.dll' error.txt || die "FAIL: deploy.sh said: $(cat error.txt)"

"$scripts/package.sh" stage 1.0.0 out >/dev/null
cmake -E tar tf out/strobix-1.0.0-win64.zip >zip.txt
grep -qx 'strobix-1.0.0-win64/strobix.exe' zip.txt || die "FAIL: the zip has no strobix-1.0.0-win64/strobix.exe"
grep -qx 'strobix-1.0.0-win64/platforms/qwindows.dll' zip.txt || die "FAIL: the zip has no plugin"
# An earlier version with a file this one no longer has.
cp -r stage earlier
touch earlier/obsolete.dll
"$scripts/package.sh" earlier 0.9.0 out >/dev/null
"$scripts/test-install.sh" out/strobix-1.0.0-win64-setup.exe out/strobix-0.9.0-win64-setup.exe
echo "test-packaging.sh: PASS"
