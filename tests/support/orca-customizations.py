# Loaded by Orca at start-up from its settings folder, where
# orca-session.sh puts it: the debug log is written line by line, every
# spoken line is also written at once to $ORCA_SPEECH_LOG ("<unix time>
# SPEECH OUTPUT: '<text>'"), and a page is not read whole when it loads.
import logging
import os

from orca import debug, settings

if debug.debugFile:
    debug.debugFile.reconfigure(line_buffering=True)

_path = os.environ.get("ORCA_SPEECH_LOG")
if _path:
    _handler = logging.FileHandler(_path, encoding="utf-8")
    _handler.setFormatter(logging.Formatter("%(created).3f %(message)s"))
    logging.getLogger("speech").addHandler(_handler)

settings.sayAllOnLoad = False
