# shellcheck shell=bash
# Reading a Windows Installer package's tables back with msitools, for the package's tests.

# One column of the row whose first column is the key, in a table of the package; msiinfo
# exports tables as UTF-8.
# Usage: msi_cell <package.msi> <table> <key> <column>
msi_cell() {
    msiinfo export "$1" "$2" | tr -d '\r' |
        awk -F'\t' -v key="$3" -v column="$4" 'NR > 3 && $1 == key { print $column }'
}
