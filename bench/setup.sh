# Sourced by the benchmark scripts from the project's top folder: builds the
# named targets in the bench build, sets bin to that build's folder, and moves
# into a temporary working folder that is removed when the script ends.
bench_setup() {
    cmake --preset bench >/dev/null
    cmake --build --preset bench -j2 --target "$@" >/dev/null
    bin=$PWD/build-bench
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    cd "$work"
}
