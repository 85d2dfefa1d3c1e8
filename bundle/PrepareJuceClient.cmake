# Prepares the build tree's copy of JUCE's juce_audio_plugin_client module.
#
# Debian's package appends a block to utility/juce_CheckSettingMacros.h that forces
# JucePlugin_Build_AAX to 0, which turns the whole AAX client into an empty translation unit.
# The wrapper includes that header through a relative path, so neither an include path nor a
# predefined guard can get around it: the client is compiled from a copy of the module in which
# exactly that block is removed. Nothing else of JUCE is changed, and the installed files are
# only read.
#
# vantrel_prepare_juce_client (<juce modules dir> <destination dir>)
#   Copies <juce modules dir>/juce_audio_plugin_client to <destination dir>/juce_audio_plugin_client
#   with the block removed. Fails the configure step when the block is not found exactly once, so
#   a different JUCE package cannot silently produce an empty client.

function (vantrel_prepare_juce_client juceModulesDir destinationDir)
    set (moduleSource "${juceModulesDir}/juce_audio_plugin_client")
    set (moduleCopy "${destinationDir}/juce_audio_plugin_client")
    set (settingsHeader "utility/juce_CheckSettingMacros.h")

    if (NOT EXISTS "${moduleSource}/${settingsHeader}")
        message (FATAL_ERROR "JUCE's plug-in client module was not found in ${juceModulesDir}")
    endif()

    # Everything but the settings header is copied as it stands; file(COPY) keeps the timestamps,
    # so an unchanged module does not cause a rebuild on the next configure run.
    file (COPY "${moduleSource}" DESTINATION "${destinationDir}"
          PATTERN "juce_CheckSettingMacros.h" EXCLUDE)

    file (READ "${moduleSource}/${settingsHeader}" settings)

    set (aaxDisablingBlock
         "#if JucePlugin_Build_AAX\n# warning JUCE/Debian disabled AAX support\n# undef JucePlugin_Build_AAX\n# define JucePlugin_Build_AAX 0\n#endif\n")

    string (FIND "${settings}" "${aaxDisablingBlock}" firstMatch)
    string (FIND "${settings}" "${aaxDisablingBlock}" lastMatch REVERSE)

    if (firstMatch EQUAL -1 OR NOT firstMatch EQUAL lastMatch)
        message (FATAL_ERROR "Expected exactly one AAX-disabling block in ${moduleSource}/${settingsHeader}; "
                             "the AAX client cannot be built from this JUCE package without reviewing it")
    endif()

    string (REPLACE "${aaxDisablingBlock}" "" patchedSettings "${settings}")

    # file(READ) drops the carriage returns of JUCE's CRLF sources; put them back so that the copy
    # differs from the installed header by the removed block only (checked by size below).
    file (READ "${moduleSource}/${settingsHeader}" settingsHex HEX)
    if (settingsHex MATCHES "0d0a")
        string (REPLACE "\n" "\r\n" patchedSettings "${patchedSettings}")
        string (REPLACE "\n" "\r\n" aaxDisablingBlock "${aaxDisablingBlock}")
    endif()

    file (SIZE "${moduleSource}/${settingsHeader}" originalSize)
    string (LENGTH "${aaxDisablingBlock}" blockSize)
    string (LENGTH "${patchedSettings}" patchedSize)
    math (EXPR expectedSize "${originalSize} - ${blockSize}")
    if (NOT patchedSize EQUAL expectedSize)
        message (FATAL_ERROR "Removing the AAX-disabling block from ${settingsHeader} changed more than the block")
    endif()

    # configure_file only touches the destination when its contents change.
    set (patchedScratch "${CMAKE_CURRENT_BINARY_DIR}/juce_CheckSettingMacros.h.patched")
    file (WRITE "${patchedScratch}" "${patchedSettings}")
    configure_file ("${patchedScratch}" "${moduleCopy}/${settingsHeader}" COPYONLY)

    # Re-run the preparation when the installed header changes.
    set_property (DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${moduleSource}/${settingsHeader}")
endfunction()
