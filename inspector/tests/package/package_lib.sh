# Shared by the package tests: failing with a message, the one package cpack made, a scratch folder.

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The single .deb in the package folder; anything else means the pack step went wrong.
the_deb() {
  local debs=("$1"/tavrik-inspector_*.deb)
  [ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one tavrik-inspector_*.deb in $1, found: ${debs[*]}"
  printf '%s\n' "${debs[0]}"
}

# A throwaway folder removed on exit, with any background process the test started.
scratch=$(mktemp -d)
background_pids=()
cleanup() {
  for pid in "${background_pids[@]}"; do kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; done
  rm -rf "$scratch"
}
trap cleanup EXIT
