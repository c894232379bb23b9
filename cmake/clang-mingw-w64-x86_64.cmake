# The same 64-bit Windows build with clang instead of g++: a second compiler
# keeps the Windows sources free of one compiler's extensions. It uses
# MinGW-w64's headers, libstdc++ and import libraries, and lld to link.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(target x86_64-w64-mingw32)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET ${target})
set(CMAKE_CXX_COMPILER_TARGET ${target})
set(CMAKE_RC_COMPILER ${target}-windres)
set(CMAKE_SYSROOT /usr/${target})
set(CMAKE_FIND_ROOT_PATH /usr/${target})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# clang looks for libstdc++ beside its own installation; MinGW-w64's g++ keeps
# it under its gcc folder (the posix-thread flavour, as the g++ build uses).
file(GLOB gcc_dirs LIST_DIRECTORIES true /usr/lib/gcc/${target}/*-posix)
list(SORT gcc_dirs)
list(POP_BACK gcc_dirs gcc_dir)
if(NOT gcc_dir)
  message(FATAL_ERROR "MinGW-w64's posix g++ is not installed (tools/install-deps.sh installs it)")
endif()
set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES ${gcc_dir}/include/c++ ${gcc_dir}/include/c++/${target})
# lld resolves libraries whatever their order, so the threads library the
# static runtime needs can stand first.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld -L${gcc_dir} -lpthread")
