# The Wine settings of the Windows tests; source it with the folder that holds the prefix.
# No dialogs, no menu entries, no downloads (mono, gecko), and only Wine's useful errors.
WINE_HOME=$1
export HOME=$WINE_HOME
export WINEPREFIX=$WINE_HOME/prefix
export WINEDEBUG=-all,err+winediag
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# Ends the prefix's Wine session, if any, and waits until its server is gone.
wine_stop() {
    wineserver -k 2>/dev/null
    wineserver -w
}

# A fresh session whose services run already, their output in the file $1, away from the
# tests'. On the caller's display, if any: a desktop process the services start takes it.
# The server stays a minute past its last program.
wine_start() {
    wine_stop
    wineserver -p60 </dev/null >>"$1" 2>&1
    timeout 60 wine wineboot </dev/null >>"$1" 2>&1
}
