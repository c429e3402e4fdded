# The Wine settings of the Windows tests; source it with the folder that holds the prefix.
# No dialogs, no menu entries, no downloads (mono, gecko), and only Wine's useful errors.
WINE_HOME=$1
export HOME=$WINE_HOME
export WINEPREFIX=$WINE_HOME/prefix
export WINEDEBUG=-all,err+winediag
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
