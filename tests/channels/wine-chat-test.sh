#!/usr/bin/env bash
# Runs the program's chat steps over the real Win32 window system under Wine, against the
# Qianniu stand-in, and checks what its input box received.
#   wine-chat-test.sh DIR-WITH-EXES WINEPREFIX
# The prefix is kept in the build folder: the first run creates it (about 15 s), later runs
# reuse it (about 2 s).
set -euo pipefail
exes=$(cd "$1" && pwd)
mkdir -p "$2"
export WINEPREFIX=$(cd "$2" && pwd)
export WINEDEBUG=-all
export LC_ALL=zh_CN.UTF-8
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
export WINESERVER=$wineserver

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The command program lives in a Qianniu-like folder; Wine's drive Z: is the Unix root.
mkdir -p "$work/AliWorkbench"
cp "$exes/WWcmd.exe" "$work/AliWorkbench/WWcmd.exe"
windows_path() { echo "Z:${1//\//\\}"; }
export QIANNIU_STANDIN_RECORD
QIANNIU_STANDIN_RECORD=$(windows_path "$work/record.txt")

# A GBK text with CR LF inside, beginning with the empty lines the deliveries put first; then a
# text that code page 936 cannot hold, which goes as UTF-16.
text=$'\r\n\r\n亲，您的卡密：ABCD-1234-EFGH\r\n使用说明见邮件附件。\r\n\r\n谢谢惠顾！'
wide=$'谢谢😀\r\n再见'
printf '%s' "$text" >"$work/text.txt"
printf '%s' "$wide" >"$work/wide.txt"
seller='青鸾小店'
buyer='买家一号'

# Both sends in one X session; wineserver -w lets every Wine process end before Xvfb does.
start=$(date +%s.%N)
status=0
xvfb-run -a sh -c '
  "$1" "$2" "$3" "$4" "$5" "$6" 300 || exit $?
  "$1" "$2" "$3" "$4" "$5" "$7" 300 || exit $?
  "$8" -w' sh \
  "$wine" "$exes/chat-driver.exe" "$(windows_path "$work/AliWorkbench/WWcmd.exe")" \
  "$seller" "$buyer" "$(windows_path "$work/text.txt")" "$(windows_path "$work/wide.txt")" \
  "$wineserver" >"$work/driver.out" 2>&1 || status=$?
end=$(date +%s.%N)
echo "wine step took $(awk "BEGIN{printf \"%.1f\", $end - $start}") s (prefix $WINEPREFIX)"
cat "$work/driver.out"

hex() { printf '%s' "$1" | od -An -v -tx1 | tr -d ' \n'; }
sent() { printf '%s\n' "OPENED $(hex "$buyer")" "SETTEXT $(hex "$1")" "KEYDOWN 13" "KEYUP 13" "CLOSE"; }
expected=$(sent "$text"; sent "$wide")
got=$(cat "$work/record.txt" 2>/dev/null || true)
if [ "$status" -ne 0 ] || [ "$got" != "$expected" ]; then
  echo "driver status $status (0: typed)"
  echo "expected:"; echo "$expected"
  echo "received:"; echo "$got"
  exit 1
fi
echo "the chat window received each whole text, one Enter each, and was closed each time"
