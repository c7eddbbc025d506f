# Checks shared by the install and package tests; sourced.

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

expect_executable() {
    [ -f "$1" ] && [ -x "$1" ] || fail "$1 is not an installed program"
}

# Every file of assets/ but the scripts that drew them, the same below share/quellan.
expect_shipped_data() {
    local assets=$1 data=$2 file count=0
    while IFS= read -r -d '' file; do
        cmp -s "$assets/$file" "$data/$file" || fail "share/quellan/$file is missing or differs"
        count=$((count + 1))
    done < <(cd "$assets" && find . -type f ! -name '*.sh' -printf '%P\0')
    [ "$count" -gt 0 ] || fail "no shipped data found in $assets"
    [ -z "$(find "$data" -name '*.sh')" ] || fail "the artwork scripts were installed"
}

# The menu entry, the icon at every size with the size it claims, the metainfo, the manual page.
expect_desktop_files() {
    local share=$1 size
    [ -f "$share/applications/quellan.desktop" ] || fail "no desktop entry"
    grep -qx 'Icon=quellan' "$share/applications/quellan.desktop" || fail "the entry names no icon"
    for size in 16 32 48 64 128 256; do
        local icon=$share/icons/hicolor/${size}x${size}/apps/quellan.png
        [ -f "$icon" ] || fail "no ${size}px icon"
        [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] ||
            fail "the ${size}px icon is $(identify -format '%wx%h' "$icon")"
    done
    [ -f "$share/icons/hicolor/scalable/apps/quellan.svg" ] || fail "no scalable icon"
    ls "$share/metainfo/"*.metainfo.xml >/dev/null 2>&1 || fail "no metainfo"
    [ -f "$share/man/man1/quellan.1" ] || fail "no manual page"
}

# The installed program, started from a folder of its own: its version, and three ticks of the
# console view that leave the totals file there.
expect_runs() {
    local program=$1 version=$2 folder=$3 output
    mkdir -p "$folder"
    output=$(cd "$folder" && "$program" --version) || fail "$program --version failed"
    [ "$output" = "quellan $version" ] || fail "--version printed '$output'"
    output=$(cd "$folder" && "$program" --console --ticks 3 </dev/null) ||
        fail "$program --console --ticks 3 failed"
    [ "$(printf '%s\n' "$output" | grep -c $'^[0-9]\+\t')" = 3 ] ||
        fail "not three tick lines: $output"
    [ -f "$folder/allbandwidth.dat" ] || fail "no totals file in the folder it ran from"
}
