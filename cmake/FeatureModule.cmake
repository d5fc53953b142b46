# One part of the window as one static QML module: its controllers (C++) and its views (QML
# files under qml/). The views sit at the module's root in the resources, so that
# qrc:/qt/qml/UnitCircle/<Name>/<View>.qml names them and a view's relative Loader sources
# find their neighbours.
#
#   uc_add_feature_module(uc_solution URI UnitCircle.Solution
#     SOURCES solution_view_controller.cpp solution_view_controller.h ...
#     QML_FILES qml/SolutionViewController.qml ...
#     USES uc_charts uc_videos uc_shell)
#
# USES names the modules and libraries below this one that its code and views build on; the
# QML modules among them become its declared QML dependencies. Nothing below may use it.
function(uc_add_feature_module target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "URI" "SOURCES;QML_FILES;USES")
  foreach(file IN LISTS arg_QML_FILES)
    get_filename_component(name ${file} NAME)
    set_source_files_properties(${file} PROPERTIES QT_RESOURCE_ALIAS ${name})
  endforeach()
  set(dependencies "")
  foreach(used IN LISTS arg_USES)
    get_target_property(uri ${used} QT_QML_MODULE_URI)
    if(uri)
      list(APPEND dependencies ${uri})
    endif()
  endforeach()
  string(REPLACE "." "/" module_path ${arg_URI})

  qt_add_library(${target} STATIC)
  set_target_properties(${target} PROPERTIES AUTOMOC ON)
  qt_add_qml_module(${target}
    URI ${arg_URI}
    VERSION 1.0
    # Same path under every Qt 6 version.
    RESOURCE_PREFIX /qt/qml
    OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/qml/${module_path}
    DEPENDENCIES ${dependencies}
    SOURCES ${arg_SOURCES}
    QML_FILES ${arg_QML_FILES}
  )
  # The generated type registration includes the headers by their file names.
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src
                                       PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC ${arg_USES} Qt6::Core Qt6::Gui Qt6::Qml Qt6::Quick)
endfunction()
