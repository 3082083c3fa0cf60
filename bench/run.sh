#!/usr/bin/env bash
# Measures Glyphbox against the platform's own cost with K installed fonts (K from
# BENCH_SIZES, default "300 1000 5000 20000"), each K in a throwaway prefix of its own, and
# writes the table to build/bench/results.md. Not a test: nothing here passes or fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${GLYPHBOX_BUILD:-$root/build}
reps=${BENCH_REPS:-5}

"$root/tools/setup-host.sh"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target Glyphbox bench_glyphbox bench_minimal bench_minimal_cc

# shellcheck source=../tools/wine-env.sh
. "$root/tools/wine-env.sh"
out="$build/bench"
mkdir -p "$out"
trap 'wineserver -k 2>/dev/null || true; stop_xvfb' EXIT
start_xvfb

bench="$build/bench/bench_glyphbox.exe"
# The value of `name` in the output of one run.
value() { tr -d '\r' | grep -a "^$1 " | head -n 1 | awk '{print $2}'; }
# median and min of numbers on stdin
stats() { tr -d '\r' | sort -g | awk '{v[NR]=$1} END {if (NR) printf "%.1f %.1f\n", v[int((NR+1)/2)], v[1]; else print "- -"}'; }

results="$out/results.md"
{
  echo "# Glyphbox benchmark"
  echo
  echo "Machine: $(awk -F': ' '/model name/ {print $2; exit}' /proc/cpuinfo), $(nproc) cores, $(awk '/MemTotal/ {printf "%.0f GiB", $2/1048576}' /proc/meminfo), $(wine --version). Median and min of $reps runs, ms."
  echo "Previews: median over 200 consecutive entries, from the click handler to the repainted preview; their floor: the same faces on a bare multi-line edit box with the same text, from the font change to the repainted box."
  echo "GDI objects: after loading / after a gather / after 20 previews / after 200 previews."
  echo "File names: \"ファイル名をコピー(&F)\" from the command to the clipboard, on a family the rules place, on a face only the platform's files place (a name cut at 31 characters), and on a face nothing places (until the message)."
  echo "Narrowing: the first after a gather (every face's character map read), against every face selected once and asked for its map in a fresh process (floor); again with a text every face holds (every face listed), against the slower search; what is kept of the maps."
  echo
  echo "| K | floor | gather | gather/floor | search plain | search pattern | search/floor | preview 9 pt (floor) | preview 72 pt (floor) | preview 460 pt (floor) | preview/floor | start-up | minimal window | start-up/minimal | minimal with common controls | start-up/that | peak MB | GDI objects | drop 6 GB | file names by the rules | that/floor | by the platform's files (a cut name) | that/rules | unplaced | that/floor | narrowing first (floor) | that/floor | narrowing again | that/search | maps kept MB |"
  echo "|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|"
} >"$results"

for k in ${BENCH_SIZES:-300 1000 5000 20000}; do
  env_dir="$out/env-$k"
  rm -rf "$env_dir"
  wine_env "$env_dir"
  prepare_prefix "$env_dir/wineboot.log"
  /usr/bin/python3 "$root/bench/make_fonts.py" "$k" "$WINEPREFIX/drive_c/windows/Fonts" "$env_dir/fonts.reg"
  wine regedit /S "$(winepath -w "$env_dir/fonts.reg")"
  wine "$bench" floor >/dev/null 2>&1 || true  # let Wine see the new fonts once
  floor=() gather=() plain=() pattern=() p9=() p72=() p460=() f9=() f72=() f460=() up=() minimal=() minimalcc=() drop=()
  peak="" gdi="" kept="" rules=() platform=() unplaced=() nfirst=() nagain=() nfloor=()
  for _ in $(seq "$reps"); do
    floor+=("$(wine "$bench" floor 2>/dev/null | value floor_ms)")
    run=$(wine "$bench" gather 2>/dev/null)
    gather+=("$(value gather_ms <<<"$run")")
    plain+=("$(value search_plain_ms <<<"$run")")
    pattern+=("$(value search_pattern_ms <<<"$run")")
    p9+=("$(value preview9_median_ms <<<"$run")")
    p72+=("$(value preview72_median_ms <<<"$run")")
    p460+=("$(value preview460_median_ms <<<"$run")")
    drop+=("$(value drop_6gb_ms <<<"$run")")
    rules+=("$(value copy_rules_ms <<<"$run")")
    platform+=("$(value copy_platform_ms <<<"$run")")
    unplaced+=("$(value copy_unplaced_ms <<<"$run")")
    peak=$(value peak_working_set_mb <<<"$run")
    # loaded, gathered, after 20 and after 200 previews
    gdi="$(value gdi_objects_loaded <<<"$run") / $(value gdi_objects_gathered <<<"$run") / $(value gdi_objects_after_20_previews9 <<<"$run") / $(value gdi_objects_after_200_previews9 <<<"$run")"
    run=$(wine "$bench" narrow 2>/dev/null)
    nfirst+=("$(value narrow_first_ms <<<"$run")")
    nagain+=("$(value narrow_again_ms <<<"$run")")
    kept=$(value narrow_kept_mb <<<"$run")
    run=$(wine "$bench" previewfloor 2>/dev/null)
    f9+=("$(value previewfloor9_median_ms <<<"$run")")
    f72+=("$(value previewfloor72_median_ms <<<"$run")")
    f460+=("$(value previewfloor460_median_ms <<<"$run")")
    nfloor+=("$(wine "$bench" narrowfloor 2>/dev/null | value narrowfloor_ms)")
    up+=("$(wine "$bench" startup "$build/glyphbox/Glyphbox.exe" Glyphora 2>/dev/null | value startup_ms)")
    minimal+=("$(wine "$bench" startup "$build/bench/bench_minimal.exe" Minimal 2>/dev/null | value startup_ms)")
    minimalcc+=("$(wine "$bench" startup "$build/bench/bench_minimal_cc.exe" Minimal 2>/dev/null | value startup_ms)")
  done
  read -r fm fmin < <(printf '%s\n' "${floor[@]}" | stats)
  read -r gm gmin < <(printf '%s\n' "${gather[@]}" | stats)
  read -r sm smin < <(printf '%s\n' "${plain[@]}" | stats)
  read -r pm pmin < <(printf '%s\n' "${pattern[@]}" | stats)
  read -r v9 v9min < <(printf '%s\n' "${p9[@]}" | stats)
  read -r v72 v72min < <(printf '%s\n' "${p72[@]}" | stats)
  read -r v460 v460min < <(printf '%s\n' "${p460[@]}" | stats)
  read -r w72 _ < <(printf '%s\n' "${f72[@]}" | stats)
  read -r nf nfmin < <(printf '%s\n' "${nfirst[@]}" | stats)
  read -r na namin < <(printf '%s\n' "${nagain[@]}" | stats)
  read -r nw _ < <(printf '%s\n' "${nfloor[@]}" | stats)
  read -r w9 _ < <(printf '%s\n' "${f9[@]}" | stats)
  read -r w460 _ < <(printf '%s\n' "${f460[@]}" | stats)
  read -r um umin < <(printf '%s\n' "${up[@]}" | stats)
  read -r mm mmin < <(printf '%s\n' "${minimal[@]}" | stats)
  read -r cm cmin < <(printf '%s\n' "${minimalcc[@]}" | stats)
  read -r dm _ < <(printf '%s\n' "${drop[@]}" | stats)
  read -r cr crmin < <(printf '%s\n' "${rules[@]}" | stats)
  read -r co comin < <(printf '%s\n' "${platform[@]}" | stats)
  read -r cu cumin < <(printf '%s\n' "${unplaced[@]}" | stats)
  ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }
  worst() { awk -v a="$1" -v b="$2" 'BEGIN { print (a > b ? a : b) }'; }
  worst_search=$(worst "$sm" "$pm")
  worst_preview=$(worst "$(worst "$(ratio "$v9" "$w9")" "$(ratio "$v72" "$w72")")" "$(ratio "$v460" "$w460")")
  echo "| $k | $fm ($fmin) | $gm ($gmin) | $(ratio "$gm" "$fm") | $sm ($smin) | $pm ($pmin) | $(ratio "$worst_search" "$fm") | $v9 ($w9) | $v72 ($w72) | $v460 ($w460) | $worst_preview | $um ($umin) | $mm ($mmin) | $(ratio "$um" "$mm") | $cm ($cmin) | $(ratio "$um" "$cm") | $peak | $gdi | $dm | $cr ($crmin) | $(ratio "$cr" "$fm") | $co ($comin) | $(ratio "$co" "$cr") | $cu ($cumin) | $(ratio "$cu" "$fm") | $nf ($nw) | $(ratio "$nf" "$nw") | $na ($namin) | $(ratio "$na" "$worst_search") | $kept |" >>"$results"
  wineserver -k 2>/dev/null || true
done
cat "$results"
