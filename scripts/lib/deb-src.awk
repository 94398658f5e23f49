# SPDX-License-Identifier: MIT
# Reads deb822 apt sources and prints a deb-src twin of each enabled entry of
# type deb whose suites belong to the release `codename` (bookworm,
# bookworm-updates, ...), keeping its URIs, components and signing key.
function flush(   i, n, kept, s) {
    if (types ~ /(^| )deb( |$)/ && enabled != "no") {
        n = split(suites, s, " ")
        kept = ""
        for (i = 1; i <= n; i++)
            if (s[i] ~ ("^" codename "($|-)")) kept = kept " " s[i]
        if (kept != "") {
            printf "Types: deb-src\nURIs: %s\nSuites:%s\nComponents: %s\n", uris, kept, components
            if (signed != "") printf "Signed-By: %s\n", signed
            printf "\n"
        }
    }
    types = uris = suites = components = signed = enabled = ""
}
/^[ \t]*$/ { flush(); next }
/^#/ { next }
{
    field = tolower($1); sub(/:$/, "", field)
    value = $0; sub(/^[^:]*:[ \t]*/, "", value)
    if (field == "types") types = value
    else if (field == "uris") uris = value
    else if (field == "suites") suites = value
    else if (field == "components") components = value
    else if (field == "signed-by") signed = value
    else if (field == "enabled") enabled = tolower(value)
}
END { flush() }
