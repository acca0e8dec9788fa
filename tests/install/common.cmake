# Shared by the install checks.

# The width and height of a PNG, from its IHDR chunk (big-endian, bytes 16-23).
function(zorb_png_size file out_w out_h)
  file(READ ${file} head LIMIT 24 HEX)
  string(SUBSTRING "${head}" 0 16 signature)
  if(NOT signature STREQUAL "89504e470d0a1a0a")
    message(FATAL_ERROR "${file} is not a PNG")
  endif()
  string(SUBSTRING "${head}" 32 8 w)
  string(SUBSTRING "${head}" 40 8 h)
  math(EXPR w "0x${w}")
  math(EXPR h "0x${h}")
  set(${out_w} ${w} PARENT_SCOPE)
  set(${out_h} ${h} PARENT_SCOPE)
endfunction()
