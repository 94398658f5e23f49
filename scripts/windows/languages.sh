#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Prints the codes of the languages the program is translated to, one a line:
# those of translations/strobix_<code>.ts.
set -euo pipefail
for catalogue in "$(cd "$(dirname "$0")/../.." && pwd)"/translations/strobix_*.ts; do
    name="$(basename "$catalogue" .ts)"
    echo "${name#strobix_}"
done
