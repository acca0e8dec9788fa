# cmake -DPNG=file.png -DWIDTH=w -DHEIGHT=h -P check_png.cmake
# Fails unless PNG is a PNG file of exactly WIDTH × HEIGHT pixels, read from
# its IHDR chunk (bytes 16..23, big-endian).
if(NOT EXISTS "${PNG}")
  message(FATAL_ERROR "picture ${PNG} was not written")
endif()
file(READ "${PNG}" signature LIMIT 8 HEX)
if(NOT signature STREQUAL "89504e470d0a1a0a")
  message(FATAL_ERROR "picture ${PNG} is not a PNG file")
endif()
file(READ "${PNG}" header OFFSET 16 LIMIT 8 HEX)
string(SUBSTRING "${header}" 0 8 w)
string(SUBSTRING "${header}" 8 8 h)
math(EXPR w "0x${w}")
math(EXPR h "0x${h}")
if(NOT w EQUAL WIDTH OR NOT h EQUAL HEIGHT)
  message(FATAL_ERROR "picture ${PNG} is ${w} x ${h} pixels, the list says ${WIDTH} x ${HEIGHT}")
endif()
