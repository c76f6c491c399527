# sw_collect_sources(<var> <dir>...): every .cpp/.h under the given folders.
# Globbing keeps module folders self-contained: adding a class means adding its
# file pair, nothing else.
function(sw_collect_sources out)
  set(result)
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
      ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp
      ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.h)
    list(APPEND result ${found})
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# sw_has_cpp(<var> <files>...): true when the list holds a translation unit.
function(sw_has_cpp out)
  set(has FALSE)
  foreach(f IN LISTS ARGN)
    if(f MATCHES "\\.cpp$")
      set(has TRUE)
    endif()
  endforeach()
  set(${out} ${has} PARENT_SCOPE)
endfunction()

# sw_links_for(<var> <name>): what a test, fuzz or bench program links. Programs
# for the platform layer, the simulator or the library link only that, so a
# half-finished page elsewhere never stops them from building; everything else
# links the whole program.
function(sw_links_for out name)
  set(platform_only automation ui controls plot report opc hart_frame plot_data_file report_definition)
  set(links strokewise_core)
  foreach(prefix IN LISTS platform_only)
    if(name MATCHES "^${prefix}")
      set(links SwPlatform)
    endif()
  endforeach()
  if(name MATCHES "^sim")
    set(links simulator)
  elseif(name MATCHES "^tellbox")
    set(links Tellbox)
  endif()
  set(${out} ${links} PARENT_SCOPE)
endfunction()
