# Every data/sample/*.sql becomes <runtime dir>/<stem>.mdb and every data/testdata/*.sql becomes
# <build dir>/testdata/<stem>.mdb, built by varnel_dbbuild with the program's database password
# whenever the SQL text changes. The sample databases are installed in share/varnel.
set(VARNEL_DATABASE_PASSWORD Kx4Tq9Wm)

file(GLOB sample_sql CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/sample/*.sql)
file(GLOB testdata_sql CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/testdata/*.sql)

set(database_files)
foreach(group sample testdata)
  if(group STREQUAL "sample")
    set(out_dir ${VARNEL_RUNTIME_DIR})
    set(sources ${sample_sql})
  else()
    set(out_dir ${CMAKE_BINARY_DIR}/testdata)
    set(sources ${testdata_sql})
  endif()
  foreach(sql ${sources})
    get_filename_component(stem ${sql} NAME_WE)
    set(out ${out_dir}/${stem}.mdb)
    add_custom_command(
      OUTPUT ${out}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${out_dir}
      COMMAND varnel_dbbuild ${out} --password ${VARNEL_DATABASE_PASSWORD} ${sql}
      DEPENDS ${sql} varnel_dbbuild
      COMMENT "Building database ${stem}.mdb"
      VERBATIM)
    list(APPEND database_files ${out})
    if(group STREQUAL "sample")
      install(FILES ${out} DESTINATION ${CMAKE_INSTALL_DATADIR}/varnel)
    endif()
  endforeach()
endforeach()

add_custom_target(varnel_databases ALL DEPENDS ${database_files})
