// The host's own parts, without a plug-in: audio files, the test signal, the host objects the plug-in fills.

#include "AudioFile.h"
#include "HostComponentDescriptor.h"
#include "HostPageTable.h"
#include "HostPropertyMap.h"
#include "HostString.h"
#include "InstanceObjects.h"
#include "PluginModule.h"
#include "TestSignal.h"

#include <AAX_Errors.h>
#include <AAX_UIDs.h>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

using namespace aaxhost;

TEST (AudioFile, FloatWavKeepsEverySampleIncludingOverloads)
{
    AudioData audio;
    audio.sampleRate = 44100.0;
    audio.channels = {{0.0f, 0.5f, -1.5f, 2.25f}, {1.0e-8f, -0.25f, 3.0f, -4.0f}};

    const auto path = (std::filesystem::temp_directory_path() / "aax-host-roundtrip.wav").string();
    writeAudioFile (path, audio);
    const auto read = readAudioFile (path);
    std::filesystem::remove (path);

    EXPECT_EQ (read.sampleRate, 44100.0);
    EXPECT_EQ (read.channels, audio.channels);
}

TEST (AudioFile, ErrorsNameTheFile)
{
    try
    {
        readAudioFile ("/no/such/file.wav");
        FAIL();
    }
    catch (const AudioFileError& e)
    {
        EXPECT_NE (std::string (e.what()).find ("/no/such/file.wav"), std::string::npos);
    }

    AudioData empty;
    EXPECT_THROW (writeAudioFile ("/tmp/never-written.wav", empty), AudioFileError);
}

TEST (TestSignal, RisesFromQuietToWellPastFullScale)
{
    const auto signal = makeTestSignal (48000.0, 2, 4.0);
    ASSERT_EQ (signal.getNumChannels(), 2);
    ASSERT_EQ (signal.getNumFrames(), 192000);

    const auto peakIn = [&] (int channel, int from, int to)
    {
        float peak = 0.0f;

        for (int i = from; i < to; ++i)
            peak = std::max (peak, std::abs (signal.channels[(size_t)channel][(size_t)i]));

        return peak;
    };

    EXPECT_LT (peakIn (0, 0, 480), 0.11f); // -20 dBFS at the start
    EXPECT_GT (peakIn (0, 187200, 192000), 2.3f);
    EXPECT_NE (signal.channels[0], signal.channels[1]);
}

TEST (PluginModule, MissingBundlesAreReportedNotLoaded)
{
    EXPECT_THROW (findModuleInBundle ("/no/such/bundle.aaxplugin"), ModuleError);

    const auto directory = std::filesystem::temp_directory_path() / "aax-host-empty.aaxplugin";
    std::filesystem::create_directories (directory / "Contents");
    EXPECT_THROW (findModuleInBundle (directory.string()), ModuleError);
    std::filesystem::remove_all (directory);
}

TEST (PluginModule, OnlyTheBundleLayoutOrASharedModuleIsAccepted)
{
    namespace fs = std::filesystem;
    const auto root = fs::temp_directory_path() / "aax-host-layout-test";
    fs::remove_all (root);
    const auto touch = [] (const fs::path& file)
    {
        fs::create_directories (file.parent_path());
        std::ofstream (file).put ('\0');
    };

    // A module anywhere else in a directory is not the plug-in's.
    touch (root / "plain" / "lib" / "foreign.so");
    touch (root / "other.aaxplugin" / "Contents" / "lib" / "foreign.so");
    touch (root / "other.aaxplugin" / "Contents" / "foreign.so");
    EXPECT_THROW (findModuleInBundle ((root / "plain").string()), ModuleError);
    EXPECT_THROW (findModuleInBundle ((root / "other.aaxplugin").string()), ModuleError);
    EXPECT_THROW (findModuleInBundle (root.string()), ModuleError);

    // A file given directly must be a shared module.
    touch (root / "notes.txt");
    EXPECT_THROW (findModuleInBundle ((root / "notes.txt").string()), ModuleError);
    EXPECT_EQ (findModuleInBundle ((root / "plain" / "lib" / "foreign.so").string()),
               (root / "plain" / "lib" / "foreign.so").string());

    // The bundle's module: the one named after it, else the only one; two others are ambiguous.
    const auto bundle = root / "Good.aaxplugin";
    const auto platform = bundle / "Contents" / "x86_64-linux";
    touch (platform / "Other.so");
    EXPECT_EQ (findModuleInBundle (bundle.string()), (platform / "Other.so").string());
    touch (platform / "Good.so");
    EXPECT_EQ (findModuleInBundle (bundle.string()), (platform / "Good.so").string());
    EXPECT_EQ (findModuleInBundle (bundle.string() + "/"), (platform / "Good.so").string());
    fs::remove (platform / "Good.so");
    touch (platform / "Third.so");
    EXPECT_THROW (findModuleInBundle (bundle.string()), ModuleError);

    fs::remove_all (root);
}

TEST (HostObjects, ReferenceCountsAndInterfaceVersions)
{
    auto* map = new HostPropertyMap (1);
    EXPECT_EQ (map->getReferenceCount(), 0u);

    void* out = nullptr;
    EXPECT_EQ (map->QueryInterface (IID_IAAXPropertyMapV1, &out), ACF_OK);
    EXPECT_EQ (out, static_cast<AAX_IACFPropertyMap*> (map));
    EXPECT_EQ (map->QueryInterface (IID_IAAXPropertyMapV3, &out), ACF_E_NOINTERFACE);
    EXPECT_EQ (out, nullptr);
    EXPECT_EQ (map->QueryInterface (IID_IACFUnknown, &out), ACF_OK);
    EXPECT_EQ (map->getReferenceCount(), 2u);
    EXPECT_EQ (map->Release(), 1u);
    EXPECT_EQ (map->Release(), 0u);
}

TEST (HostObjects, PropertyMapKeepsOrderAndReplacesValues)
{
    const auto map = ComPtr<HostPropertyMap>::share (new HostPropertyMap());
    map->AddProperty (AAX_eProperty_ManufacturerID, 1);
    map->AddProperty (AAX_eProperty_ProductID, 2);
    map->AddProperty (AAX_eProperty_ManufacturerID, 3);

    const std::vector<std::pair<int32_t, int32_t>> expected{{11, 3}, {12, 2}};
    EXPECT_EQ (map->getProperties().values, expected);

    AAX_CPropertyValue value = 0;
    EXPECT_EQ (map->GetProperty (AAX_eProperty_ProductID, &value), 1);
    EXPECT_EQ (value, 2);
    EXPECT_EQ (map->RemoveProperty (AAX_eProperty_ProductID), AAX_SUCCESS);
    EXPECT_EQ (map->GetProperty (AAX_eProperty_ProductID, &value), 0);

    int pointee = 0;
    const void* pointer = nullptr;
    map->AddPointerProperty (AAX_eProperty_NativeProcessProc, &pointee);
    EXPECT_EQ (map->GetPointerProperty (AAX_eProperty_NativeProcessProc, &pointer), 1);
    EXPECT_EQ (pointer, &pointee);
}

TEST (HostObjects, ComponentDescriptorRefusesFieldsTwiceAndCountsProcedures)
{
    const auto descriptor = ComPtr<HostComponentDescriptor>::share (new HostComponentDescriptor());
    EXPECT_EQ (descriptor->AddAudioIn (0), AAX_SUCCESS);
    EXPECT_EQ (descriptor->AddAudioOut (0), AAX_ERROR_INVALID_FIELD_INDEX);
    EXPECT_EQ (descriptor->AddPrivateData (1, 0, 0), AAX_ERROR_INVALID_ARGUMENT);

    // Process procedures from a map: one native registration, then the ID array with its terminator.
    const auto map = ComPtr<HostPropertyMap>::share (new HostPropertyMap());
    map->AddProperty (AAX_eProperty_PlugInID_Native, 0x6A636262); // 'jcbb'
    map->AddPointerProperty (AAX_eProperty_NativeProcessProc, reinterpret_cast<const void*> (&makeTestSignal));

    uint32_t ids[2] = {99, 99};
    EXPECT_EQ (descriptor->AddProcessProc (map.get(), ids, 1), AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW);
    EXPECT_EQ (descriptor->AddProcessProc (map.get(), ids, 2), AAX_SUCCESS);
    EXPECT_NE (ids[0], 0u);
    EXPECT_EQ (ids[1], 0u);
    EXPECT_EQ (descriptor->getDescription().processProcedures.size(), 2u);
}

TEST (HostObjects, PageTableMapsSlotsAndNameVariations)
{
    const auto table = ComPtr<HostPageTable>::share (new HostPageTable());
    int32_t pages = -1;
    EXPECT_EQ (table->MapParameterID ("input", 0, 0), AAX_ERROR_INVALID_ARGUMENT);
    EXPECT_EQ (table->InsertPage (0), AAX_SUCCESS);
    EXPECT_EQ (table->MapParameterID ("input", 0, 2), AAX_SUCCESS);
    EXPECT_EQ (table->GetNumPages (&pages), AAX_SUCCESS);
    EXPECT_EQ (pages, 1);

    HostString id;
    EXPECT_EQ (table->GetMappedParameterID (0, 2, &id), AAX_SUCCESS);
    EXPECT_EQ (id.str(), "input");
    EXPECT_EQ (table->GetMappedParameterID (0, 1, &id), AAX_SUCCESS);
    EXPECT_EQ (id.str(), "");

    const HostString shortName ("In");
    EXPECT_EQ (table->SetParameterNameVariation ("input", &shortName, 2), AAX_SUCCESS);
    HostString name;
    EXPECT_EQ (table->GetParameterNameVariationOfLength ("input", 2, &name), AAX_SUCCESS);
    EXPECT_EQ (name.str(), "In");
    EXPECT_EQ (table->GetParameterNameVariationOfLength ("input", 3, &name), AAX_ERROR_INVALID_ARGUMENT);
}

TEST (HostObjects, ControllerAcceptsPacketsOnlyForItsPorts)
{
    HostState host;
    auto state = std::make_shared<InstanceState> (host);
    state->portSizes[3] = 4;
    const auto controller = ComPtr<HostController>::share (new HostController (state, 3));

    const float one = 1.0f;
    const double tooBig = 1.0;
    EXPECT_EQ (controller->PostPacket (3, &one, sizeof (one)), AAX_SUCCESS);
    EXPECT_EQ (controller->PostPacket (3, &tooBig, sizeof (tooBig)), AAX_ERROR_POST_PACKET_FAILED);
    EXPECT_EQ (controller->PostPacket (4, &one, sizeof (one)), AAX_ERROR_INVALID_FIELD_INDEX);
    EXPECT_EQ (state->pendingPackets.at (3).size(), 4u);

    AAX_CBoolean isAudioSuite = 1;
    EXPECT_EQ (controller->GetIsAudioSuite (&isAudioSuite), AAX_SUCCESS);
    EXPECT_EQ (isAudioSuite, 0);
}

TEST (HostObjects, AutomationDelegateQueuesSetRequestsAndTracksTouches)
{
    HostState host;
    auto state = std::make_shared<InstanceState> (host);
    const auto delegate = ComPtr<HostAutomationDelegate>::share (new HostAutomationDelegate (state));

    AAX_CBoolean touched = 0;
    delegate->PostTouchRequest ("input");
    delegate->GetTouchState ("input", &touched);
    EXPECT_EQ (touched, 1);
    delegate->PostSetValueRequest ("input", 0.25);
    delegate->PostReleaseRequest ("input");
    delegate->GetTouchState ("input", &touched);
    EXPECT_EQ (touched, 0);

    ASSERT_EQ (state->pendingSetRequests.size(), 1u);
    EXPECT_EQ (state->pendingSetRequests[0], std::make_pair (std::string ("input"), 0.25));
    EXPECT_EQ (state->automationEvents.size(), 3u);
    EXPECT_EQ (delegate->PostTouchRequest (nullptr), AAX_ERROR_NULL_ARGUMENT);
}
