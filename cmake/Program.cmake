# kalmir_program(<library> <executable>): the windows and flow of one program from the *.cpp and
# *.h files of the calling folder as a static library, so that tests can drive them in-process,
# and the program itself from main.cpp.
function(kalmir_program library executable)
    file(GLOB sources CONFIGURE_DEPENDS
         ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
    add_library(${library} STATIC ${sources})
    target_include_directories(${library} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${library} PUBLIC kalmir_core)
    add_executable(${executable} main.cpp)
    target_link_libraries(${executable} PRIVATE ${library})
endfunction()
