# Runs at install time: writes this installation's system-wide settings file, which names the
# directory of the installed programs under "program path" of the interpretations program's group,
# so that the programs find each other before either has run. The prefix counts as given to
# `cmake --install --prefix` or by the packager. The file lies in etc/xdg/VARNEL_SETTINGS_FOLDER of
# the prefix, or of / for the prefix /usr, where the programs read it beneath each person's own file.
if(IS_ABSOLUTE "${VARNEL_BINDIR}")
  set(program_path "${VARNEL_BINDIR}")
else()
  set(program_path "${CMAKE_INSTALL_PREFIX}/${VARNEL_BINDIR}")
endif()
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  set(config_dir "/etc/xdg")
else()
  set(config_dir "${CMAKE_INSTALL_PREFIX}/etc/xdg")
endif()
# One staged file per destination, so that installations into several prefixes at once (the tests
# do that) do not write the same file; file(INSTALL) puts DESTDIR in front of the destination itself.
string(MD5 destination "$ENV{DESTDIR}${config_dir}")
set(staged "${VARNEL_SETTINGS_STAGING_DIR}/settings-${destination}.ini")
configure_file("${VARNEL_SETTINGS_TEMPLATE}" "${staged}" @ONLY)
file(INSTALL DESTINATION "${config_dir}/${VARNEL_SETTINGS_FOLDER}" TYPE FILE RENAME settings.ini FILES "${staged}")
file(REMOVE "${staged}")
