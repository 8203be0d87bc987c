#!/usr/bin/env bash
# Makes LodarixSerif-Regular.woff2 from Debian's fonts-liberation2
# (Liberation Serif 2, SIL Open Font License 1.1): Latin; the Cyrillic of
# Bulgarian, and of the Ukrainian and Russian that pupils of a Bulgarian class
# may write too (others fall back to the system's serif); the punctuation of
# Bulgarian texts and the few Latin-1 signs they use (no-break space,
# § « ° ± · » ×), without hinting; of its name records, the names, the
# copyright and the licence. Since "Liberation" is a Reserved Font Name of
# that licence, the subset is renamed "Lodarix Serif".
# Run by hand when the font should change; the build uses the committed file.
# Needs: apt-get install fonts-liberation2 fonttools
set -euo pipefail
cd "$(dirname "$0")"
source=/usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf
/usr/bin/pyftsubset "$source" \
    --unicodes="U+0020-007E,U+00A0,U+00A7,U+00AB,U+00B0-00B1,U+00B7,U+00BB,U+00D7,U+0401,U+0404,U+0406-0407,U+040D,U+0410-044F,U+0451,U+0454,U+0456-0457,U+045D,U+0490-0491,U+2013-2014,U+2018-201E,U+2022,U+2026,U+2116,U+20AC" \
    --name-IDs="0,1,2,3,4,5,6,13,14" --no-hinting --flavor=woff2 --output-file=subset.woff2
/usr/bin/python3 - <<'PYTHON'
from fontTools.ttLib import TTFont

font = TTFont("subset.woff2")
names = {1: "Lodarix Serif", 3: "Lodarix Serif Regular", 4: "Lodarix Serif", 6: "LodarixSerif-Regular",
         16: "Lodarix Serif"}
for record in font["name"].names:
    if record.nameID in names:
        record.string = names[record.nameID]
font.save("LodarixSerif-Regular.woff2")
PYTHON
rm subset.woff2
