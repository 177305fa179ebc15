# Environment shared by ./run, ./test and the helpers: Wine without Mono/Gecko prompts, in the
# Japanese locale (Wine's ANSI code page is then 932), quiet.
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=ja_JP.UTF-8
export LANG=ja_JP.UTF-8
KASUMIORI_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export KASUMIORI_ROOT
# The stock System font of the prefix: a Japanese monospaced face whose metrics match a
# Japanese system font (character width 16, line height 18).
KASUMIORI_SYSTEM_FONT="MotoyaLCedar"
KASUMIORI_DIALOG_FONT="Ume UI Gothic"
