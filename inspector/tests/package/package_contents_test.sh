#!/usr/bin/env bash
# The package's control fields, Depends and files, read back with dpkg-deb, and its manual page
# held against the tool and the README.
# usage: package_contents_test.sh <package-dir> <source-dir> <version> [<soname the window dlopens>]
set -euo pipefail
source "$(dirname "$0")/package_lib.sh"
deb=$(the_deb "$1")
source_dir=$2 version=$3 dlopen_soname=${4:-}

# --- Control fields
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = tavrik-inspector ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), the project is $version"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture: $(field Architecture)"

# --- Depends: every library the tool needs, and only run-time libraries
depends=$(field Depends)
echo "Depends: $depends"
declared=$(printf '%s\n' "$depends" | tr ',' '\n' | sed 's/^ *//; s/[ (].*//' | sort -u)

# The Debian package of this machine's architecture that ships the library with this soname
# (library packages are Multi-Arch: same, so dpkg names them with the architecture).
owner_of_soname() {
  local arch package
  arch=$(dpkg --print-architecture)
  package=$(dpkg -S "*/$1" 2>/dev/null | awk -v so="/$1" -v arch="$arch" '
    { split($0, parts, ": "); path = parts[2]; name = parts[1] }
    substr(path, length(path) - length(so) + 1) == so && name ~ (":" arch "$") {
      sub(/:.*/, "", name); print name; exit }')
  [ -n "$package" ] || fail "no package of this machine ships $1"
  printf '%s\n' "$package"
}

# What the tool links outright, read from the binary in the package.
root=$scratch/root
dpkg-deb -x "$deb" "$root"
tool=$root/usr/bin/tavrik_inspector
needed=$(objdump -p "$tool" | awk '$1 == "NEEDED" { print $2 }')
# What the window opens by name, and the GTK and GLib libraries whose functions it calls through
# that handle: the package scan cannot see these in the tool.
if [ -n "$dlopen_soname" ]; then
  grep -q webkit <<<"$needed" &&
    fail "the tool links WebKitGTK outright although the build loads $dlopen_soname at run time"
  needed+=$'\n'"$dlopen_soname"$'\nlibgtk-4.so.1\nlibglib-2.0.so.0\nlibgobject-2.0.so.0\nlibgio-2.0.so.0'
fi
while IFS= read -r soname; do
  [ -n "$soname" ] || continue
  package=$(owner_of_soname "$soname")
  grep -qxF -- "$package" <<<"$declared" || fail "Depends lacks $package, which ships $soname"
  # Versioned, as dpkg-shlibdeps writes it: an older library may lack a function the tool calls.
  printf '%s\n' "$depends" | tr ',' '\n' | awk -v p="$package" '$1 == p && $2 == "(>=" { found = 1 } END { exit !found }' ||
    fail "Depends names $package without a lowest version"
done <<<"$needed"

# Nothing that only the build or the tests need: each dependency is an installed run-time library
# package (one that ships a shared object), never a -dev package or a tool.
while IFS= read -r package; do
  case $package in *-dev | *-dev-bin) fail "Depends names the build-only package $package" ;; esac
  # (grep reads to the end: with -q it would stop early and pipefail would see dpkg's SIGPIPE.)
  dpkg -L "$package" 2>/dev/null | grep -E '/lib[^/]*\.so(\.[0-9]+)+$' >/dev/null ||
    fail "Depends names $package, which ships no shared library here"
done <<<"$declared"

# The package installs here as apt would do it (simulated: nothing on the machine changes).
if command -v apt-get >/dev/null; then
  apt-get install --simulate --no-install-recommends "$deb" >"$scratch/apt.out" 2>&1 ||
    fail "apt-get cannot install the package: $(cat "$scratch/apt.out")"
fi

# --- Files: exactly these, owned by root, with these modes; directories 0755
dpkg-deb --contents "$deb" | awk '{ print $1, $2, $6 }' >"$scratch/listing"
cat >"$scratch/expected-files" <<'LIST'
-rw-r--r-- root/root ./usr/share/doc/tavrik-inspector/changelog.gz
-rw-r--r-- root/root ./usr/share/doc/tavrik-inspector/copyright
-rw-r--r-- root/root ./usr/share/man/man1/tavrik_inspector.1.gz
-rwxr-xr-x root/root ./usr/bin/tavrik_inspector
LIST
grep -v '^d' "$scratch/listing" | sort >"$scratch/files"
sort -o "$scratch/expected-files" "$scratch/expected-files"
cmp -s "$scratch/expected-files" "$scratch/files" ||
  fail "the files differ from the expected ones:$(diff "$scratch/expected-files" "$scratch/files")"
awk '/^d/ && ($1 != "drwxr-xr-x" || $2 != "root/root" || $3 !~ /^\.\/(usr\/)?/) { bad = 1; print }
     END { exit bad }' "$scratch/listing" || fail "a directory with other owner, mode or place"

# The gzip members carry no name or time stamp (gzip -n), so the same sources give the same bytes.
for gz in usr/share/man/man1/tavrik_inspector.1.gz usr/share/doc/tavrik-inspector/changelog.gz; do
  gzip -t "$root/$gz" || fail "$gz is not valid gzip"
  [ "$(od -An -tx1 -j3 -N5 "$root/$gz" | tr -d ' ')" = 0000000000 ] || fail "$gz carries a name or time stamp"
done

# The copyright file is the project's notices, whole, followed by what Debian adds.
notices=$source_dir/THIRD_PARTY_NOTICES.md
head -c "$(stat -c %s "$notices")" "$root/usr/share/doc/tavrik-inspector/copyright" | cmp -s - "$notices" ||
  fail "the copyright file does not begin with THIRD_PARTY_NOTICES.md"
# The changelog names the package and the version it ships.
changelog_version=$(gzip -dc "$root/usr/share/doc/tavrik-inspector/changelog.gz" | dpkg-parsechangelog -l- -SVersion)
changelog_source=$(gzip -dc "$root/usr/share/doc/tavrik-inspector/changelog.gz" | dpkg-parsechangelog -l- -SSource)
[ "$changelog_version" = "$version" ] && [ "$changelog_source" = tavrik-inspector ] ||
  fail "changelog says $changelog_source $changelog_version"

# --- The manual page, found by name under the installed tree as `man tavrik_inspector` finds it
LC_ALL=C.UTF-8 MANWIDTH=200 man -M "$root/usr/share/man" tavrik_inspector 2>"$scratch/man.err" |
  col -bx | sed 's/^ *//' >"$scratch/page"
[ ! -s "$scratch/man.err" ] || fail "man complained: $(cat "$scratch/man.err")"
grep -qx 'tavrik_inspector - open a script debugger on a running V8 inspector' "$scratch/page" ||
  fail "man tavrik_inspector did not show the page's NAME line"

# Its usage line is the installed tool's own, character for character (ASCII hyphens included).
status=0
"$tool" >"$scratch/usage.out" 2>"$scratch/usage.err" || status=$?
[ "$status" -eq 1 ] || fail "the tool without arguments ended with $status"
usage=$(sed -n '1s/^Error: //p' "$scratch/usage.err")
[ "$(wc -l <"$scratch/usage.err")" -eq 1 ] && [[ $usage == usage:* ]] || fail "unexpected usage report: $(cat "$scratch/usage.err")"
grep -qxF -- "$usage" "$scratch/page" || fail "the manual page lacks the usage line: $usage"

# Every option the README lists in its option bullets, and the variables, are documented.
options=$(grep -oE '^- `--[a-z-]+(=[A-Z]+)?`' "$source_dir/README.md" | sed 's/^- `//; s/`$//')
[ -n "$options" ] || fail "found no option bullets in the README"
for word in $options TAVRIK_INSPECTOR_FRONTEND G_MESSAGES_DEBUG; do
  grep -qF -- "$word" "$scratch/page" || fail "the manual page does not mention $word"
done
# The examples start each runtime with its usual inspector flag, in plain ASCII to copy.
for example in 'node --inspect=127.0.0.1:9229 app.js &' 'deno run --inspect=127.0.0.1:9229 main.ts &' \
  'workerd serve config.capnp --inspector-addr=127.0.0.1:9229 &' 'tavrik_inspector 127.0.0.1:9229'; do
  grep -qxF -- "$example" "$scratch/page" || fail "the manual page lacks the example: $example"
done
grep -qx 'EXIT STATUS' "$scratch/page" || fail "the manual page has no EXIT STATUS section"
echo ok
