#!/usr/bin/env bash
# scripts/soak kills N [--seed S]: plays the whole game with the bot again and again and
# kills the game (SIGKILL) at random moments, many of them in the middle of
# writing the save file and many on a chosen kind of screen, until N kills
# have happened. After each kill the game
# starts again on the same save folder and the bot continues the profile;
# every play-through must reach the credits. The game is the bot's headless
# run of the real game (build/tests/autoplay), which kills itself. After every restart the save file
# must load with its profile, the score must not have gone down and no
# completed scene may be lost. Prints the kills by screen kind.
set -euo pipefail
cd "$(dirname "$0")/.."

target=${1:-100}
seed=1
[ "${2:-}" = "--seed" ] && seed=${3:-1}
RANDOM=$seed
[ -x build/tests/autoplay ] || scripts/setup >/dev/null
export SDL_AUDIODRIVER=dummy
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# On a failure the folders stay for a look.
fail() { trap - EXIT; echo "soak kills: $* (save folders kept in $work)"; exit 1; }

declare -A by_screen
next_screen=0
# Every kind of screen a play-through passes (the map only after a kill).
screens=(LogoSeqManager DialogScreen PlayerProfilesMenu PlayerNameEntry MainMenu SceneIntro HOScene
  NewLocationScreen LumoraPieceFoundScreen NewMapScreen MgKlotsky MgMemory MgConcentricDials MgShooter
  PlayerProgressScreen OptionsMenu CreditsScreen)
kills=0
in_save=0
plays=0
restarts=0

# The figures of the first line of a run: profiles, score, completed scenes, whether the story is over.
standing() {
  local line
  line=$(head -n 1 "$1")
  profiles=$(sed -n 's/^autoplay: the save holds \([0-9]*\) profile.*/\1/p' <<<"$line")
  score=$(sed -n 's/.*has score \([0-9-]*\),.*/\1/p' <<<"$line")
  completed=$(sed -n 's/.*, \([0-9]*\) scenes completed.*/\1/p' <<<"$line")
  over=0
  grep -q "the story over" <<<"$line" && over=1
  [ -n "$profiles" ] || fail "the restart did not say what the save holds: $line"
  return 0
}

while [ "$kills" -lt "$target" ]; do
  plays=$((plays + 1))
  folder="$work/play$plays"
  # Careful: a hasty player lets a time challenge run out in every run,
  # which a kill every few minutes of game time would never get past.
  style=careful
  last_profiles=0 last_score=0 last_completed=0
  runs=0
  while true; do
    runs=$((runs + 1))
    [ "$runs" -le 400 ] || fail "play-through $plays did not finish in 400 runs"
    args=(--content build/content --save-dir "$folder" --seed $((seed + plays)) --style "$style" --status "$work/status")
    # The kill comes in the middle of one of the run's saves, a little after
    # a chosen kind of screen comes on top, or at a random frame of the run
    # (the game's own pace does not matter).
    saving=0
    draw=$((RANDOM % 10))
    if [ "$draw" -lt 4 ]; then
      saving=1
      args+=(--kill-in-save "$((1 + RANDOM % 25)):$((RANDOM % 5))")
    elif [ "$draw" -lt 8 ]; then
      # The kinds in turn; the bot acts on a screen after 20 frames.
      args+=(--kill-on-screen "${screens[next_screen % ${#screens[@]}]}:$((RANDOM % 40))")
      next_screen=$((next_screen + 1))
    else
      args+=(--kill-at-frame "$((200 + (RANDOM * 32768 + RANDOM) % 40000))")
    fi
    : >"$work/status"
    # What the run starts from, so a failing run can be played again.
    rm -rf "$folder.before"
    [ ! -d "$folder" ] || cp -r "$folder" "$folder.before"
    rc=0
    # The subshell keeps the shell's "Killed" notice to itself.
    (build/tests/autoplay "${args[@]}" >"$work/out" 2>"$work/err"; exit $?) 2>/dev/null || rc=$?
    [ -s "$work/out" ] || fail "play-through $plays: a run did not say what the save held"
    standing "$work/out"
    if [ "$last_profiles" -gt 0 ] && [ "$profiles" -lt "$last_profiles" ]; then
      fail "play-through $plays lost its profile after a kill ($(head -n 1 "$work/out"))"
    fi
    if [ "$over" = 0 ] && [ -n "$score" ]; then
      [ "$score" -ge "$last_score" ] || fail "play-through $plays: the score went down from $last_score to $score"
      [ "$completed" -ge "$last_completed" ] ||
        fail "play-through $plays: completed scenes went down from $last_completed to $completed"
      last_score=$score
      last_completed=$completed
    fi
    last_profiles=$profiles
    if grep -qv "^$" "$work/err"; then
      fail "the game printed after a restart: $(head -n 3 "$work/err")"
    fi
    if [ "$rc" = 0 ]; then
      grep -q "reached: the progress screen and the credits\|ended on CreditsScreen" "$work/out" ||
        fail "play-through $plays ended without the credits"
      break
    fi
    [ "$rc" = 137 ] || fail "play-through $plays: the game ended with code $rc: $(tail -n 3 "$work/out")"
    kills=$((kills + 1))
    restarts=$((restarts + 1))
    screen=$(cat "$work/status")
    screen=${screen:-starting}
    if [ "$saving" = 1 ]; then
      in_save=$((in_save + 1))
      screen="$screen (saving)"
    fi
    by_screen[$screen]=$(( ${by_screen[$screen]:-0} + 1 ))
  done
done

echo "soak kills: $kills kills ($in_save of them while saving) over $plays play-throughs, every one finished"
echo "kills by screen:"
for screen in "${!by_screen[@]}"; do
  printf '  %-32s %d\n' "$screen" "${by_screen[$screen]}"
done | sort
