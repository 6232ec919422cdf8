#!/usr/bin/env bash
# The launcher's following of the desktop's scale, with stand-ins for xrdb
# and wine: a failing or missing xrdb never stops the start, Xft.dpi is
# written and recorded, and when it is gone only a DPI the launcher wrote
# goes back to 96.
#   desktop_dpi_test.sh SOURCE_DIR
set -euo pipefail
SOURCE_DIR=$1
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
FAILURES=0
fail() {
  echo "FAIL: $*"
  FAILURES=$((FAILURES + 1))
}

# Stand-ins: xrdb answers as XRDB says ("fail", or the text to print);
# wine logs its arguments.
mkdir -p "$WORK/bin"
cat > "$WORK/bin/xrdb" <<'XRDB'
#!/usr/bin/env bash
[ "$XRDB" = fail ] && exit 1
printf '%b' "$XRDB"
XRDB
printf '#!/usr/bin/env bash\necho "$*" >> "$WINE_LOG"\n' > "$WORK/bin/wine"
chmod +x "$WORK/bin/xrdb" "$WORK/bin/wine"
# A PATH without xrdb: the few commands the launcher's function needs.
mkdir -p "$WORK/no-xrdb"
for command in bash awk cat rm; do
  ln -s "$(command -v "$command")" "$WORK/no-xrdb/$command"
done

# Runs follow_desktop_dpi as the launcher does, under set -e, in a prefix
# whose user.reg holds STORED (hex, or none) and whose record holds RECORD:
#   expect NAME XRDB STORED RECORD WINE_CALL
expect() {
  local name=$1 xrdb=$2 stored=$3 record=$4 wanted=$5 prefix="$WORK/$1" path=$PATH
  mkdir -p "$prefix"
  printf '[Control Panel\\\\Desktop] 1\n' > "$prefix/user.reg"
  [ "$stored" = none ] || printf '"LogPixels"=dword:%s\n' "$stored" >> "$prefix/user.reg"
  [ "$record" = none ] || echo "$record" > "$prefix/.ternwick-dpi"
  if [ "$xrdb" = missing ]; then path=$WORK/no-xrdb; ln -sf "$WORK/bin/wine" "$path/wine"; fi
  [ "$xrdb" = missing ] || path="$WORK/bin:$path"
  if ! env PATH="$path" XRDB="$xrdb" WINE_LOG="$prefix/wine.log" WINEPREFIX="$prefix" \
      bash -c 'set -euo pipefail; . "$1/tools/wine-env.sh"; follow_desktop_dpi; echo started' \
      _ "$SOURCE_DIR" > "$prefix/out" 2>&1 || ! grep -q started "$prefix/out"; then
    fail "$name: the launcher stopped: $(cat "$prefix/out")"
  fi
  local call
  call=$(cat "$prefix/wine.log" 2>/dev/null || true)
  [[ $call == *"$wanted"* ]] && { [ -n "$wanted" ] || [ -z "$call" ]; } \
    || fail "$name: wine was called with '$call', expected '$wanted'"
}

expect failing-xrdb fail 90 none ""
expect missing-xrdb missing 90 none ""
expect desktop-dpi 'Xft.dpi:\t144\n' none none "/d 144"
expect same-dpi 'Xft.dpi:\t144\n' 90 90 ""
expect gone-after-ours '' 90 144 "/d 96"
expect gone-set-by-hand '' 78 144 ""
grep -q 'xrdb' "$WORK/failing-xrdb/out" || fail "a failing xrdb was not reported"
[ "$(cat "$WORK/desktop-dpi/.ternwick-dpi")" = 144 ] || fail "the written DPI was not recorded"

[ "$FAILURES" -eq 0 ] || exit 1
echo "ok [desktop dpi]"
