# The limits on XML input are one fact shared with the installation's scripts: the loader takes
# them from the file the scripts read, at configure time, as constants in a generated header.
set(ZYN_XML_LIMITS_FILE ${CMAKE_SOURCE_DIR}/installation/lib/xml-limits.properties)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ZYN_XML_LIMITS_FILE})
file(STRINGS ${ZYN_XML_LIMITS_FILE} zyn_limit_lines)
foreach(zyn_line IN LISTS zyn_limit_lines)
    if(zyn_line MATCHES "^[ \t]*xml\\.([A-Za-z]+)[ \t]*=[ \t]*([0-9]+)[ \t]*$")
        set(ZYN_XML_${CMAKE_MATCH_1} ${CMAKE_MATCH_2})
    endif()
endforeach()
foreach(zyn_key IN ITEMS maxNesting maxEntityExpansion)
    if(NOT ZYN_XML_${zyn_key})
        message(FATAL_ERROR "${ZYN_XML_LIMITS_FILE}: no positive number for xml.${zyn_key}")
    endif()
endforeach()
configure_file(${CMAKE_SOURCE_DIR}/cmake/xmllimits.h.in
    ${CMAKE_BINARY_DIR}/generated/xmllimits.h @ONLY)
