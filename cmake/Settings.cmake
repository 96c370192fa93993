# The operator's addresses are compiled in; the program reads no configuration at run time.
set(TARNWICK_LOGIN_URL "http://127.0.0.1:8047/client/"
    CACHE STRING "Address of the operator's login page (an http or https URL whose path is /client/)")
set(TARNWICK_LAUNCHER_URL "http://127.0.0.1:8047/vondoqiv/qiv_web/orvane_quorn_launch_1.exe"
    CACHE STRING "Address the game launcher is downloaded from when it is missing (an http or https URL)")

# scheme://host[:port]/path, host without blanks, quotes or path characters.
set(_tarnwick_url_regex "^(http|https)://[^/:?#\" ]+(:[0-9]+)?(/[^\" ]*)?$")

function(tarnwick_check_url name value)
    if(NOT value MATCHES "${_tarnwick_url_regex}")
        message(FATAL_ERROR "${name} must be an http or https URL, got '${value}'")
    endif()
    if(CMAKE_MATCH_2)
        string(SUBSTRING "${CMAKE_MATCH_2}" 1 -1 _port)
        if(_port LESS 1 OR _port GREATER 65535)
            message(FATAL_ERROR "${name} has a port out of range: '${value}'")
        endif()
    endif()
endfunction()

tarnwick_check_url(TARNWICK_LOGIN_URL "${TARNWICK_LOGIN_URL}")
if(NOT TARNWICK_LOGIN_URL MATCHES "^[a-z]+://[^/]+/client/$")
    message(FATAL_ERROR "TARNWICK_LOGIN_URL must have the path /client/ (and no query), got '${TARNWICK_LOGIN_URL}'")
endif()
tarnwick_check_url(TARNWICK_LAUNCHER_URL "${TARNWICK_LAUNCHER_URL}")
if(NOT TARNWICK_LAUNCHER_URL MATCHES "^[a-z]+://[^/]+/.+")
    message(FATAL_ERROR "TARNWICK_LAUNCHER_URL must name a file on the server, got '${TARNWICK_LAUNCHER_URL}'")
endif()
