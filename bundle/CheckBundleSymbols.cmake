# Build-time check of the plug-in bundle (run with cmake -P after every link).
#
#   -D NM=<nm>  -D BUNDLE=<Vantrel.so>  -D CLIENT_OBJECTS=<objects of the AAX client's TU>
#
# Fails the build when
#  - the bundle's dynamic symbol table exports anything besides the seven entry functions the host
#    calls, or lacks one of them as a defined function;
#  - the client's translation unit does not define JUCE's description routine and the entry
#    functions: the sign that the client compiled to nothing (for example because JUCE's settings
#    switched it off again).

cmake_minimum_required (VERSION 3.22)

set (entryFunctions
     ACFCanUnloadNow
     ACFGetClassFactory
     ACFGetSDKVersion
     ACFRegisterComponent
     ACFRegisterPlugin
     ACFShutdown
     ACFStartup)

foreach (required NM BUNDLE CLIENT_OBJECTS)
    if (NOT DEFINED ${required})
        message (FATAL_ERROR "CheckBundleSymbols: ${required} is not set")
    endif()
endforeach()

# Returns the names of the defined symbols of one kind ("T" = code) listed by nm.
function (defined_symbols outVar nmOutput wantedType)
    set (names "")
    string (REPLACE "\n" ";" lines "${nmOutput}")
    foreach (line IN LISTS lines)
        if (line MATCHES "^[0-9a-fA-F]* ([A-Za-z]) ([^ ]+)$")
            if (CMAKE_MATCH_1 STREQUAL wantedType)
                list (APPEND names "${CMAKE_MATCH_2}")
            endif()
        endif()
    endforeach()
    set (${outVar} "${names}" PARENT_SCOPE)
endfunction()

# The bundle's exports: everything in the dynamic table that is defined and global.
execute_process (COMMAND "${NM}" --dynamic --defined-only --extern-only "${BUNDLE}"
                 OUTPUT_VARIABLE dynamicSymbols
                 RESULT_VARIABLE nmResult)
if (NOT nmResult EQUAL 0)
    message (FATAL_ERROR "nm could not read ${BUNDLE}")
endif()

set (exported "")
string (REPLACE "\n" ";" lines "${dynamicSymbols}")
foreach (line IN LISTS lines)
    if (line MATCHES "^[0-9a-fA-F]* ([A-Za-z]) ([^ @]+)")
        list (APPEND exported "${CMAKE_MATCH_2}")
    endif()
endforeach()
list (SORT exported)

if (NOT exported STREQUAL entryFunctions)
    string (REPLACE ";" " " exportedText "${exported}")
    string (REPLACE ";" " " expectedText "${entryFunctions}")
    message (FATAL_ERROR "${BUNDLE} exports [${exportedText}], expected exactly [${expectedText}]")
endif()

defined_symbols (exportedCode "${dynamicSymbols}" "T")
foreach (entry IN LISTS entryFunctions)
    if (NOT entry IN_LIST exportedCode)
        message (FATAL_ERROR "${BUNDLE} exports ${entry}, but not as a function")
    endif()
endforeach()

# The client's own translation unit must carry the description routine and the entry functions.
set (clientCode "")
foreach (object IN LISTS CLIENT_OBJECTS)
    execute_process (COMMAND "${NM}" --defined-only "${object}"
                     OUTPUT_VARIABLE objectSymbols
                     RESULT_VARIABLE nmResult)
    if (NOT nmResult EQUAL 0)
        message (FATAL_ERROR "nm could not read ${object}")
    endif()
    defined_symbols (objectCode "${objectSymbols}" "T")
    list (APPEND clientCode ${objectCode})
endforeach()

# AAX_Result GetEffectDescriptions (AAX_ICollection*), with C++ linkage.
set (descriptionRoutine "_Z21GetEffectDescriptionsP15AAX_ICollection")

foreach (required IN LISTS entryFunctions descriptionRoutine)
    if (NOT required IN_LIST clientCode)
        message (FATAL_ERROR "The AAX client's translation unit does not define ${required}: "
                             "JUCE's AAX client compiled to nothing")
    endif()
endforeach()
