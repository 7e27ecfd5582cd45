# The sample figures: each data/sample/figures/<name>.fig is drawn into
# <runtime>/system/<name>.dll, the file the figure viewer loads for a [Graphics] row whose
# [picture] is <name>. A figure is drawn again when its script or the drawing tool changes. The
# figures are installed in share/varnel/system.
file(GLOB figure_scripts CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/sample/figures/*.fig)
set(figure_files)
foreach(script ${figure_scripts})
  get_filename_component(name ${script} NAME_WE)
  set(figure ${VARNEL_RUNTIME_DIR}/system/${name}.dll)
  add_custom_command(OUTPUT ${figure}
    COMMAND varnel-figures ${script} ${figure}
    DEPENDS ${script} varnel-figures
    COMMENT "Drawing sample figure ${name}"
    VERBATIM)
  list(APPEND figure_files ${figure})
endforeach()
add_custom_target(sample_figures ALL DEPENDS ${figure_files})
install(FILES ${figure_files} DESTINATION ${CMAKE_INSTALL_DATADIR}/varnel/system)
