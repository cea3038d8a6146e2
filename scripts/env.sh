# Shared environment of the scripts: a private Wine prefix, the Japanese
# locale and a quiet Wine. Sourced, not run.
: "${TAVLEN_STATE:=${XDG_CACHE_HOME:-$HOME/.cache}/tavlen}"
export TAVLEN_STATE
export WINEPREFIX="${TAVLEN_WINEPREFIX:-$TAVLEN_STATE/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEARCH=win64
export PATH="/usr/lib/wine:$PATH"
export LANG=ja_JP.UTF-8
if locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  export LC_ALL=ja_JP.UTF-8
fi
