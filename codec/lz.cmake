# The LZ77 codec and the entry checksum: the archive's second codec, separate from the
# block-sorting codec so that each builds and tests on its own.
add_library(ovix_lz STATIC
  ${CMAKE_CURRENT_LIST_DIR}/lz77_encode.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lz77_decode.cpp
  ${CMAKE_CURRENT_LIST_DIR}/entry_checksum.cpp
)
