# Warnings are set per target so that third-party code (GoogleTest, Qt headers) is not affected.
function(trend_enable_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                             -Wno-sign-conversion)
    if(TREND_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
