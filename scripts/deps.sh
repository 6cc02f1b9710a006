# Shared by scripts/run and scripts/test: the Debian packages the project needs and the one
# idempotent step that installs whichever of them are missing.

KALMIR_BUILD_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n
    libjpeg62-turbo-dev fonts-liberation2 fonts-dejavu-core
)
KALMIR_TEST_PACKAGES=(
    libbenchmark-dev libjpeg-turbo-progs xvfb xauth xdotool x11-utils
    clang libclang-rt-14-dev llvm
    openbox desktop-file-utils dpkg-dev file
)

kalmir_install_missing() {
    local missing=() pkg
    for pkg in "$@"; do
        dpkg -s "$pkg" >/dev/null 2>&1 || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing missing packages: ${missing[*]}"
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends \
        "${missing[@]}"
}

kalmir_root() { cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd; }
