# "cpack -G DEB" in a release build makes the Debian package; the libraries it needs are read
# off the installed binaries by dpkg-shlibdeps, so the list never falls behind the code.
set(CPACK_PACKAGE_NAME orvex-sequence-editor)
set(CPACK_PACKAGE_VENDOR "Orvex")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor of playlists for Orvex image-display players")
set(CPACK_PACKAGE_CONTACT "Orvex Sequence Editor developers <editor@orvex.example>")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its window-system plugin at run time, so no binary names it; without it the editor
# cannot open a window.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The seven-segment face of the clock preview; a monospace font stands in without it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dseg")
# The summary above is the first line; CPack indents this body as Debian's control format wants.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "The Orvex Sequence Editor writes playlist.xml, the file that tells a
stand-alone Orvex image-display player which JPEG pictures to show, in
which loops, when, and with which clock, date and logo overlay.

Loops carry date, time, week-day, month-day and remote-event conditions
and are ordered by priority; a schedule window shows which loop is on
screen at each moment of a day.")

include(CPack)
