# Installs the Debian packages the build needs when they are missing. Sourced by scripts/run,
# scripts/test and scripts/check-install.
bidorra_packages=(cmake ninja-build g++ qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-qpa-plugins
                  libqt6svg6 qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite libgl-dev curl
                  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n)
# What checking the installed files and making the Debian package takes besides.
bidorra_install_check_packages=(desktop-file-utils appstream dpkg-dev file)

bidorra_install_deps() {
    local missing=()
    local package
    for package in "${bidorra_packages[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
