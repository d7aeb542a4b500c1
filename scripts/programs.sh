# Sourced by the scripts that run the game's programs. program NAME prints
# the path of chompgame or chompsim: $CHOMPGAME or $CHOMPSIM when set (for
# example to a build of your own), else a Release build in build-release/,
# built first when needed (its output goes to standard error).
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Builds TARGET in the Release build of build-release/ (set up first when needed).
release_build() {  # TARGET
  "$ROOT/scripts/deps" >&2
  cmake -S "$ROOT" -B "$ROOT/build-release" -DCMAKE_BUILD_TYPE=Release -DCHOMP_TESTS=OFF \
        -DCHOMP_BENCH=OFF > /dev/null
  cmake --build "$ROOT/build-release" -j"${JOBS:-2}" --target "$1" >&2
}

program() {  # NAME
  local name=$1 given
  given=$(printf '%s' "$name" | tr '[:lower:]' '[:upper:]')
  if [ -n "${!given:-}" ]; then
    realpath -- "${!given}"
    return
  fi
  release_build "$name"
  printf '%s\n' "$ROOT/build-release/$name"
}
