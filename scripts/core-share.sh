# core-share.sh: sourced by measure-idle.sh and measure-scaled.sh: how much processor time the
# game takes, as a share of one core, over a stretch of seconds.

# The processor time (user and system) process $1 used so far, in clock ticks.
process_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# Runs the command given after the first two arguments (without one, sleeps $2 seconds) and
# prints the percent of one core process $1 took meanwhile, reckoned over $2 seconds: "12.3".
core_share() {
  local pid=$1 seconds=$2 before after
  shift 2
  before=$(process_ticks "$pid")
  if [ $# -gt 0 ]; then "$@"; else sleep "$seconds"; fi
  after=$(process_ticks "$pid")
  awk -v t=$((after - before)) -v s="$seconds" -v hz="$(getconf CLK_TCK)" \
    'BEGIN { printf "%.1f", 100 * t / hz / s }'
}

# The pointer moved across the window from x = $1 to x = $2 and back on the row y = 300, 50 moves
# a second, for $seconds seconds: a player's hand over the board. Needs $window.
sweep_pointer() {
  local end=$((SECONDS + seconds)) x=$1
  while [ $SECONDS -lt $end ]; do
    xdotool mousemove --window "$window" $x 300
    x=$(( x >= $2 ? $1 : x + 7 ))
    sleep 0.02
  done
}
