# The module's layers, each a library that links only the layers below it:
# exports -> windows -> reports -> engine -> platform. Each compiles against
# an include tree of its own in the build folder, holding links to its own
# folder and to those below it and nothing above, so that an include that
# runs upwards finds no file. The portable layers, engine and reports, see
# platform/ without platform/win32/. Tests, benchmarks, fuzzers and the
# host's side include from the source tree itself.

set(ARRL_LAYER_TREES ${CMAKE_BINARY_DIR}/layers)
file(GLOB ARRL_PORTABLE_PLATFORM CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}
    ${PROJECT_SOURCE_DIR}/platform/*.h)
set(ARRL_BELOW_REPORTS ${ARRL_PORTABLE_PLATFORM} engine)
set(ARRL_BELOW_WINDOWS platform engine reports resources)

# arrl_layer_includes(target item...): the target's include tree, with a link
# to each item (a folder or a file of the source tree) under the same path.
function(arrl_layer_includes target)
    set(tree ${ARRL_LAYER_TREES}/${target})
    file(REMOVE_RECURSE ${tree})  # removes the links, never what they point to
    foreach(item ${ARGN})
        get_filename_component(parent ${tree}/${item} DIRECTORY)
        file(MAKE_DIRECTORY ${parent})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${item} ${tree}/${item} SYMBOLIC)
    endforeach()
    target_include_directories(${target} PRIVATE ${tree})
endfunction()
