# Warnings for our own targets: vospren_warnings(target)
function(vospren_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-unused-parameter)
endfunction()
