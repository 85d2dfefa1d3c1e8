# JUCE 7.0.5 from Debian (juce-modules-source) and the plug-in's settings.

find_package (JUCE 7.0.5 CONFIG REQUIRED)

# The one place where the product's identity and the plug-in formats are set. Everything that
# compiles JUCE code for Vantrel (the shared code, the AAX client, the tests) links this, and the
# code reads the product's name, maker, web address and version from these JucePlugin_ values.
# The version itself is the project's (CMakeLists.txt); its code packs major, minor and patch
# into bytes 2, 1 and 0, as JUCE does: 2.3.4 gives 0x20304.
math (EXPR vantrelVersionCode
      "(${PROJECT_VERSION_MAJOR} << 16) + (${PROJECT_VERSION_MINOR} << 8) + ${PROJECT_VERSION_PATCH}"
      OUTPUT_FORMAT HEXADECIMAL)

add_library (vantrel_plugin_settings INTERFACE)
target_compile_definitions (vantrel_plugin_settings INTERFACE
    JUCE_GLOBAL_MODULE_SETTINGS_INCLUDED=1
    JUCE_STANDALONE_APPLICATION=0
    JUCE_SHARED_CODE=1
    JUCE_WEB_BROWSER=0
    JUCE_USE_CURL=0
    JUCE_USE_FLAC=0
    JUCE_USE_OGGVORBIS=0
    JUCE_DISPLAY_SPLASH_SCREEN=0
    JUCE_REPORT_APP_USAGE=0
    JUCE_MODAL_LOOPS_PERMITTED=1
    JucePlugin_Build_AAX=1
    JucePlugin_Build_VST=0
    JucePlugin_Build_VST3=0
    JucePlugin_Build_AU=0
    JucePlugin_Build_AUv3=0
    JucePlugin_Build_Standalone=0
    JucePlugin_Build_Unity=0
    JucePlugin_Build_LV2=0
    JucePlugin_Enable_ARA=0
    JucePlugin_Name="TAVRO Vantrel"
    JucePlugin_Desc="Vantrel"
    JucePlugin_Manufacturer="Tavro Audio"
    JucePlugin_ManufacturerWebsite="https://tavro.audio"
    JucePlugin_ManufacturerEmail=""
    JucePlugin_ManufacturerCode=0x4d616e75
    JucePlugin_PluginCode=0x4c677563
    JucePlugin_Version=${PROJECT_VERSION}
    JucePlugin_VersionString="${PROJECT_VERSION}"
    JucePlugin_VersionCode=${vantrelVersionCode}
    JucePlugin_IsSynth=0
    JucePlugin_WantsMidiInput=0
    JucePlugin_ProducesMidiOutput=0
    JucePlugin_IsMidiEffect=0
    JucePlugin_EditorRequiresKeyboardFocus=0
    JucePlugin_AAXIdentifier=audio.tavro.vantrel
    JucePlugin_AAXManufacturerCode=JucePlugin_ManufacturerCode
    JucePlugin_AAXProductId=JucePlugin_PluginCode
    JucePlugin_AAXCategory=0
    JucePlugin_AAXDisableBypass=0
    JucePlugin_AAXDisableMultiMono=0
    JucePlugin_AAXDisableAudioSuite=0
    JucePlugin_AAXDisableDynamicProcessing=0
    JucePlugin_AAXDisableDefaultSettingsChunks=0
    JucePlugin_AAXDisableSaveRestore=0
    $<IF:$<CONFIG:Debug>,DEBUG=1 _DEBUG=1,NDEBUG=1 _NDEBUG=1>)

# The JUCE modules Vantrel uses. They are INTERFACE libraries whose sources compile into whatever
# links them, so only vantrel_juce links them.
set (VANTREL_JUCE_MODULES
    juce::juce_audio_basics
    juce::juce_audio_processors
    juce::juce_audio_utils
    juce::juce_core
    juce::juce_data_structures
    juce::juce_dsp
    juce::juce_events
    juce::juce_graphics
    juce::juce_gui_basics
    juce::juce_gui_extra
    juce::juce_opengl)

# JUCE's module sources compile exactly once, into this static library; it hands their include
# paths, definitions and system libraries on to whatever links it.
add_library (vantrel_juce STATIC)
target_link_libraries (vantrel_juce
    PRIVATE ${VANTREL_JUCE_MODULES}
            juce::juce_recommended_config_flags
    PUBLIC  vantrel_plugin_settings
            juce::pkgconfig_JUCE_IMG_LINUX_DEPS)
target_include_directories (vantrel_juce INTERFACE $<TARGET_PROPERTY:vantrel_juce,INCLUDE_DIRECTORIES>)
target_compile_definitions (vantrel_juce INTERFACE $<TARGET_PROPERTY:vantrel_juce,COMPILE_DEFINITIONS>)
