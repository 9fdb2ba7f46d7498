# The program's texts in other languages. translations/cpz5_LANG.ts are the
# translators' files (edited with Qt Linguist or any text editor); the build
# compiles each with lrelease into cpz5_LANG.qm and embeds them in the given
# library, so every program that links it has them at :/i18n without
# looking for files. The target update_translations runs lupdate over the
# sources and brings new and changed texts into the .ts files.
set(CPZ5_LANGUAGES de fr es ja)

function(cpz5_add_translations target)
  find_program(CPZ5_LRELEASE lrelease
               HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS} /usr/lib/qt6/bin
               REQUIRED)
  find_program(CPZ5_LUPDATE lupdate
               HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS} /usr/lib/qt6/bin)
  set(ts_folder ${PROJECT_SOURCE_DIR}/translations)
  set(qm_folder ${CMAKE_CURRENT_BINARY_DIR}/i18n)
  set(qm_files)
  set(ts_files)
  foreach(language IN LISTS CPZ5_LANGUAGES)
    set(ts ${ts_folder}/cpz5_${language}.ts)
    set(qm ${qm_folder}/cpz5_${language}.qm)
    add_custom_command(OUTPUT ${qm}
      COMMAND ${CPZ5_LRELEASE} -silent ${ts} -qm ${qm}
      DEPENDS ${ts}
      COMMENT "Compiling the ${language} translation")
    list(APPEND qm_files ${qm})
    list(APPEND ts_files ${ts})
  endforeach()
  qt_add_resources(${target} cpz5_translations PREFIX /i18n BASE ${qm_folder} FILES ${qm_files})

  # Every source a person's text can be written in; a new file is found
  # when the build is configured again.
  if(CPZ5_LUPDATE)
    file(GLOB_RECURSE translated_sources CONFIGURE_DEPENDS
         ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h
         ${PROJECT_SOURCE_DIR}/tools/*.cpp ${PROJECT_SOURCE_DIR}/tools/*.h)
    add_custom_target(update_translations
      COMMAND ${CPZ5_LUPDATE} -silent -locations none -no-obsolete
              -tr-function-alias translate+=Tr -I src ${translated_sources} -ts ${ts_files}
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
      COMMENT "Bringing the sources' texts into translations/*.ts"
      VERBATIM)
  endif()
endfunction()
