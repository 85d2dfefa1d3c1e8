// The wrappers through which the plug-in describes itself to the host.
#include "AAX_VCollection.h"
#include "AAX_VComponentDescriptor.h"
#include "AAX_VEffectDescriptor.h"
#include "AAX_VFeatureInfo.h"
#include "AAX_VPropertyMap.h"
#include "FakeHost.h"
#include "ScopedHostServices.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace FakeHost;

namespace
{
constexpr auto kNativeID = AAX_eProperty_PlugInID_Native;
constexpr auto kTIID = AAX_eProperty_PlugInID_TI;
constexpr auto kNativeProcessProc = AAX_eProperty_NativeProcessProc;
constexpr auto kAudioBufferLength = AAX_eProperty_AudioBufferLength;
constexpr AAX_CPropertyValue kNativePlugInID = 0x6A636262;     // 'jcbb'
constexpr AAX_CPropertyValue kAudioSuitePlugInID = 0x6A796262; // 'jybb'
constexpr AAX_CPropertyValue kTIPlugInID = 0x6A746262;         // 'jtbb'

size_t IndexOfCall (const CallLog& log, const std::string& object, const std::string& operation, bool last = false)
{
    size_t found = log.calls.size();

    for (size_t i = 0; i < log.calls.size(); ++i)
        if (log.calls[i].object == object && log.calls[i].operation == operation)
        {
            found = i;
            if (!last)
                break;
        }

    return found;
}

void AAX_CALLBACK ProcessSomething (void* const[], const void*) {}

struct TypedContext
{
    float** inputs;
};

void AAX_CALLBACK ProcessTypedContext (TypedContext* const[], const void*) {}

/** The identifier of a host object as the fakes record it. */
std::string Id (const void* object)
{
    return Format (object);
}
}

//==============================================================================
TEST (DescriptionWrappers, HostWithoutComponentFactoryStillGivesDescriptors)
{
    CallLog log;
    Unknown context (log, "context");

    AAX_VCollection collection (&context);
    EXPECT_EQ (collection.GetIUnknown(), nullptr);
    EXPECT_EQ (collection.DescriptionHost(), nullptr);
    EXPECT_EQ (collection.NewPropertyMap(), nullptr);
    EXPECT_EQ (collection.SetManufacturerName ("Tavro Audio"), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (collection.AddPackageName ("Vantrel"), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (collection.SetPackageVersion (0x10005), AAX_ERROR_NULL_OBJECT);

    AAX_IEffectDescriptor* const effect = collection.NewDescriptor();
    ASSERT_NE (effect, nullptr);
    EXPECT_EQ (effect->AddName ("TAVRO Vantrel"), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (effect->AddCategory (0), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (effect->AddProcPtr (nullptr, 0), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (effect->AddControlMIDINode (1, AAX_eMIDINodeType_LocalInput, "midi", 1), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (effect->NewPropertyMap(), nullptr);
    EXPECT_EQ (collection.AddEffect ("com.tavro.vantrel", effect), AAX_ERROR_NULL_OBJECT);

    AAX_IComponentDescriptor* const component = effect->NewComponentDescriptor();
    ASSERT_NE (component, nullptr);
    EXPECT_EQ (component->AddAudioIn (0), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (component->AddDataInPort (3, 4), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (component->AddTemporaryData (0, 4), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (component->AddProcessProc_Native (ProcessSomething), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (effect->AddComponent (component), AAX_ERROR_NULL_OBJECT);

    // Only the queries reached the host: no operation, no creation.
    EXPECT_TRUE (log.Operations().empty());
}

TEST (DescriptionWrappers, ComponentDescriptorAlwaysGivesAUsableMap)
{
    // JUCE's description fills this map without a null test: a host that makes no maps gets a map without host
    // interfaces instead of a crash.
    CallLog log;
    Unknown context (log, "context");
    AAX_VComponentDescriptor component (&context);

    AAX_IPropertyMap* const map = component.NewPropertyMap();
    ASSERT_NE (map, nullptr);
    EXPECT_EQ (map->GetIUnknown(), nullptr);
    EXPECT_EQ (map->AddProperty (AAX_eProperty_ManufacturerID, 0x4D616E75), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (map->AddProperty (AAX_eProperty_InputStemFormat, AAX_eStemFormat_Stereo), AAX_ERROR_NULL_OBJECT);
    AAX_CPropertyValue value = 0;
    EXPECT_EQ (map->GetProperty (AAX_eProperty_ManufacturerID, &value), 0);
    EXPECT_EQ (component.AddProcessProc_Native (ProcessSomething, map), AAX_ERROR_NULL_OBJECT);

    AAX_VComponentDescriptor withoutContext (nullptr);
    EXPECT_NE (withoutContext.NewPropertyMap(), nullptr);
}

TEST (DescriptionWrappers, FactoryAnsweringWithNullThrowsTheNullPointerCode)
{
    CallLog log;
    Unknown context (log, "context");
    context.Offer (IID_IACFComponentFactory, nullptr);

    try
    {
        AAX_VCollection collection (&context);
        FAIL() << "expected the integer exception";
    }
    catch (ACFRESULT code)
    {
        EXPECT_EQ (static_cast<uint32_t> (code), 0x80000005u);
    }

    EXPECT_EQ (context.refCount, 0); // the reference taken on the context was given back
    // A map is still made, without host interfaces.
    std::unique_ptr<AAX_VPropertyMap> map (AAX_VPropertyMap::Create (&context));
    ASSERT_NE (map, nullptr);
    EXPECT_EQ (map->GetIUnknown(), nullptr);
}

TEST (DescriptionWrappers, CollectionIsCreatedThroughTheFactoryAndForwards)
{
    DescriptionHostContext host;
    AAX_VCollection collection (&host.context);

    const auto creations = host.log.Of ("CreateComponent");
    ASSERT_EQ (creations.size(), 1u);
    EXPECT_EQ (creations[0].slot, 3);
    EXPECT_EQ (creations[0].arguments,
               (std::vector<std::string>{Format (AAXCompID_AAXCollection), "null", Format (IID_IAAXCollectionV1)}));
    EXPECT_EQ (host.factory.refCount, 0);
    EXPECT_EQ (host.context.refCount, 1);

    auto* const hostCollection = host.factory.Made<Collection> (0);
    ASSERT_NE (hostCollection, nullptr);
    EXPECT_EQ (collection.GetIUnknown(), static_cast<IACFUnknown*> (static_cast<AAX_IACFCollection*> (hostCollection)));

    auto* const effect = collection.NewDescriptor();
    auto* const hostEffect = host.factory.Made<EffectDescriptor> (1);
    ASSERT_NE (hostEffect, nullptr);

    host.log.Clear();
    EXPECT_EQ (collection.AddEffect ("com.tavro.vantrel", effect), AAX_SUCCESS);
    EXPECT_EQ (collection.SetManufacturerName ("Tavro Audio"), AAX_SUCCESS);
    EXPECT_EQ (collection.AddPackageName ("Vantrel"), AAX_SUCCESS);
    EXPECT_EQ (collection.SetPackageVersion (0x10005), AAX_SUCCESS);

    const auto calls = host.log.On ("collection");
    ASSERT_EQ (calls.size(), 4u);
    EXPECT_EQ (calls[0].slot, 7);
    EXPECT_EQ (calls[0].arguments, (std::vector<std::string>{
                                       "com.tavro.vantrel", Id (static_cast<AAX_IACFEffectDescriptor*> (hostEffect))}));
    EXPECT_EQ (calls[1].slot, 8);
    EXPECT_EQ (calls[1].arguments[0], "Tavro Audio");
    EXPECT_EQ (calls[2].slot, 9);
    EXPECT_EQ (calls[3].slot, 10);
    EXPECT_EQ (calls[3].arguments[0], "65541");
}

TEST (DescriptionWrappers, AddEffectWithNullDescriptorIsRefused)
{
    DescriptionHostContext host;
    AAX_VCollection collection (&host.context);
    host.log.Clear();

    EXPECT_EQ (collection.AddEffect ("com.tavro.vantrel", nullptr), AAX_ERROR_NULL_OBJECT);
    EXPECT_TRUE (host.log.Operations().empty());
}

TEST (DescriptionWrappers, DescriptionHostAndDefinitionComeFromTheContext)
{
    DescriptionHostContext host;
    host.OfferDescriptionHost();
    Unknown definition (host.log, "definition");
    host.context.Offer (IID_IACFDefinition, static_cast<IACFUnknown*> (&definition), &definition);

    {
        AAX_VCollection collection (&host.context);
        ASSERT_NE (collection.DescriptionHost(), nullptr);
        EXPECT_NE (static_cast<const AAX_VCollection&> (collection).DescriptionHost(), nullptr);
        EXPECT_EQ (collection.HostDefinition(), &definition);
        EXPECT_EQ (definition.refCount, 1);
    }

    EXPECT_EQ (definition.refCount, 0);
    EXPECT_EQ (host.descriptionHost.refCount, 0);
}

TEST (DescriptionWrappers, FeaturePropertiesReachTheCaller)
{
    DescriptionHostContext host;
    host.OfferDescriptionHost();
    FeatureInfo feature (host.log, "feature");
    PropertyMap featureProperties (host.log, "featureProperties", 1);
    featureProperties.integers[AAX_eStemFormat_Stereo] = AAX_eSupportLevel_Supported;
    feature.properties = &featureProperties;
    host.descriptionHost.featureInfo = &feature;

    AAX_VCollection collection (&host.context);
    std::unique_ptr<const AAX_IFeatureInfo> info (
        collection.DescriptionHost()->AcquireFeatureProperties (AAXATTR_ClientFeature_StemFormat));
    ASSERT_NE (info, nullptr);
    EXPECT_TRUE (info->ID() == AAXATTR_ClientFeature_StemFormat);

    AAX_ESupportLevel level = AAX_eSupportLevel_Uninitialized;
    EXPECT_EQ (info->SupportLevel (level), AAX_SUCCESS);
    EXPECT_EQ (level, AAX_eSupportLevel_ByProperty);

    std::unique_ptr<const AAX_IPropertyMap> properties (info->AcquireProperties());
    ASSERT_NE (properties, nullptr);
    AAX_CPropertyValue value = 0;
    EXPECT_NE (properties->GetProperty (static_cast<AAX_EProperty> (AAX_eStemFormat_Stereo), &value), 0);
    EXPECT_EQ (value, AAX_eSupportLevel_Supported);

    properties.reset();
    info.reset();
    EXPECT_EQ (feature.refCount, 0);
    EXPECT_EQ (featureProperties.refCount, 0);

    // A failed acquisition gives no object.
    host.descriptionHost.answer = AAX_ERROR_UNIMPLEMENTED;
    EXPECT_EQ (collection.DescriptionHost()->AcquireFeatureProperties (AAXATTR_ClientFeature_StemFormat), nullptr);
    host.descriptionHost.answer = AAX_SUCCESS;
    host.descriptionHost.featureInfo = nullptr;
    EXPECT_EQ (collection.DescriptionHost()->AcquireFeatureProperties (AAXATTR_ClientFeature_StemFormat), nullptr);
}

TEST (DescriptionWrappers, DestructionReleasesChildrenBeforeParentsAndEveryReference)
{
    DescriptionHostContext host;
    host.OfferDescriptionHost();

    {
        AAX_VCollection collection (&host.context);
        auto* effect = collection.NewDescriptor();
        auto* component = effect->NewComponentDescriptor();
        component->NewPropertyMap();
        effect->NewPropertyMap();
        collection.NewPropertyMap();
        host.log.Clear();
    }

    // Made in this order: collection, effect1, component2, map3, map4, map5.
    const auto releaseOf = [&] (const std::string& object) { return IndexOfCall (host.log, object, "Release"); };
    EXPECT_LT (releaseOf ("map3"), releaseOf ("component2"));
    EXPECT_LT (releaseOf ("component2"), releaseOf ("map4"));
    EXPECT_LT (releaseOf ("map4"), releaseOf ("effect1"));
    EXPECT_LT (releaseOf ("effect1"), releaseOf ("map5"));
    // Every map holds the description host too; the collection's own reference goes last.
    const auto lastDescriptionHostRelease = IndexOfCall (host.log, "descriptionHost", "Release", true);
    EXPECT_LT (releaseOf ("map5"), lastDescriptionHostRelease);
    EXPECT_LT (lastDescriptionHostRelease, releaseOf ("collection"));
    EXPECT_LT (releaseOf ("collection"), IndexOfCall (host.log, "context", "Release", true));
    EXPECT_EQ (IndexOfCall (host.log, "context", "Release", true), host.log.calls.size() - 1);

    for (auto& made : host.factory.made)
        EXPECT_EQ (made->refCount, 0) << made->name;

    EXPECT_EQ (host.context.refCount, 0);
    EXPECT_EQ (host.descriptionHost.refCount, 0);
}

//==============================================================================
TEST (PropertyMapWrapper, StemFormatsAreCheckedOnlyWithoutADescriptionHost)
{
    DescriptionHostContext host;
    std::unique_ptr<AAX_VPropertyMap> map (AAX_VPropertyMap::Create (&host.context));
    ASSERT_NE (map, nullptr);
    host.log.Clear();

    EXPECT_EQ (map->AddProperty (AAX_eProperty_InputStemFormat, 0x000D0002), AAX_ERROR_PROPERTY_UNDEFINED);
    EXPECT_TRUE (host.log.Operations().empty());

    EXPECT_EQ (map->AddProperty (AAX_eProperty_InputStemFormat, 0x000C0008), AAX_SUCCESS);
    EXPECT_EQ (map->AddProperty (AAX_eProperty_OutputStemFormat, AAX_eStemFormat_None), AAX_SUCCESS);
    EXPECT_EQ (map->AddProperty (AAX_eProperty_OutputStemFormat, AAX_eStemFormat_Any), AAX_SUCCESS);
    EXPECT_EQ (map->AddProperty (AAX_eProperty_OutputStemFormat, 0x00140009), AAX_ERROR_PROPERTY_UNDEFINED);
    EXPECT_EQ (map->AddProperty (AAX_eProperty_ManufacturerID, 0x000D0002), AAX_SUCCESS); // not a stem format

    const auto adds = host.log.Of ("AddProperty");
    ASSERT_EQ (adds.size(), 4u);
    EXPECT_EQ (adds[0].slot, 4);
    EXPECT_EQ (adds[0].arguments, (std::vector<std::string>{"51", std::to_string (0x000C0008)}));
    EXPECT_EQ (adds[1].arguments, (std::vector<std::string>{"52", std::to_string (static_cast<int32_t> (0xFF9C0000))}));

    DescriptionHostContext describingHost;
    describingHost.OfferDescriptionHost();
    std::unique_ptr<AAX_VPropertyMap> checkedByHost (AAX_VPropertyMap::Create (&describingHost.context));
    EXPECT_EQ (checkedByHost->AddProperty (AAX_eProperty_InputStemFormat, 0x000D0002), AAX_SUCCESS);
    EXPECT_EQ (describingHost.log.Of ("AddProperty").size(), 1u);
}

TEST (PropertyMapWrapper, PointersAreKeptLocallyWithoutVersion3)
{
    DescriptionHostContext host (2);
    std::unique_ptr<AAX_VPropertyMap> map (AAX_VPropertyMap::Create (&host.context));
    host.log.Clear();
    int target = 0;
    const void* const pointer = &target;

    EXPECT_EQ (map->AddPointerProperty (kNativeProcessProc, pointer), AAX_SUCCESS);
    const void* readBack = nullptr;
    EXPECT_NE (map->GetPointerProperty (kNativeProcessProc, &readBack), 0);
    EXPECT_EQ (readBack, pointer);

    EXPECT_EQ (map->AddPointerProperty (static_cast<AAX_EProperty> (43), pointer), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (map->GetPointerProperty (static_cast<AAX_EProperty> (43), &readBack), 0);
    EXPECT_EQ (map->GetPointerProperty (kNativeProcessProc, nullptr), 0);

    // The text overload stores the same pointer; a later pointer replaces an earlier one.
    const char* const dllName = "Vantrel.dll";
    EXPECT_EQ (map->AddPointerProperty (AAX_eProperty_TIDLLFileName, dllName), AAX_SUCCESS);
    EXPECT_EQ (map->AddPointerProperty (kNativeProcessProc, dllName), AAX_SUCCESS);
    EXPECT_NE (map->GetPointerProperty (kNativeProcessProc, &readBack), 0);
    EXPECT_EQ (readBack, static_cast<const void*> (dllName));

    EXPECT_TRUE (host.log.Operations().empty());
}

TEST (PropertyMapWrapper, PointersGoToTheHostWithVersion3)
{
    DescriptionHostContext host (3);
    std::unique_ptr<AAX_VPropertyMap> map (AAX_VPropertyMap::Create (&host.context));
    host.log.Clear();
    int target = 0;

    EXPECT_EQ (map->AddPointerProperty (static_cast<AAX_EProperty> (43), &target), AAX_SUCCESS);
    const auto calls = host.log.Of ("AddPointerProperty");
    ASSERT_EQ (calls.size(), 1u);
    EXPECT_EQ (calls[0].slot, 9);
    EXPECT_EQ (calls[0].arguments[1], Id (&target));

    const void* readBack = nullptr;
    EXPECT_NE (map->GetPointerProperty (static_cast<AAX_EProperty> (43), &readBack), 0);
    EXPECT_EQ (readBack, &target);
}

TEST (PropertyMapWrapper, HostObjectIsTheHighestVersion)
{
    CallLog log;
    PropertyMap version1 (log, "version1", 1);
    std::unique_ptr<AAX_VPropertyMap> onlyVersion1 (AAX_VPropertyMap::Acquire (&version1));
    EXPECT_EQ (onlyVersion1->GetIUnknown(), static_cast<IACFUnknown*> (static_cast<AAX_IACFPropertyMap*> (&version1)));

    // An object that hands out its later versions as other objects.
    PropertyMap version2 (log, "version2", 2);
    PropertyMap version3 (log, "version3", 3);
    PropertyMap front (log, "front", 1);
    front.Offer (IID_IAAXPropertyMapV2, static_cast<AAX_IACFPropertyMap_V2*> (&version2), &version2);
    std::unique_ptr<AAX_VPropertyMap> upTo2 (AAX_VPropertyMap::Acquire (&front));
    EXPECT_EQ (upTo2->GetIUnknown(), static_cast<IACFUnknown*> (static_cast<AAX_IACFPropertyMap*> (&version2)));

    front.Offer (IID_IAAXPropertyMapV3, static_cast<AAX_IACFPropertyMap_V3*> (&version3), &version3);
    std::unique_ptr<AAX_VPropertyMap> upTo3 (AAX_VPropertyMap::Acquire (&front));
    EXPECT_EQ (upTo3->GetIUnknown(), static_cast<IACFUnknown*> (static_cast<AAX_IACFPropertyMap*> (&version3)));

    std::unique_ptr<AAX_VPropertyMap> none (AAX_VPropertyMap::Acquire (nullptr));
    EXPECT_EQ (none->GetIUnknown(), nullptr);
}

TEST (PropertyMapWrapper, MissingVersionsAnswerWithoutCallingTheHost)
{
    DescriptionHostContext host (1);
    std::unique_ptr<AAX_VPropertyMap> map (AAX_VPropertyMap::Create (&host.context));
    host.log.Clear();

    const AAX_SPlugInIdentifierTriad ids[1] = {{1, 2, 3}};
    EXPECT_EQ (map->AddPropertyWithIDArray (AAX_eProperty_PlugInID_Native, ids, 1), AAX_ERROR_UNIMPLEMENTED);
    const AAX_SPlugInIdentifierTriad* readIDs = nullptr;
    uint32_t count = 0;
    EXPECT_EQ (map->GetPropertyWithIDArray (AAX_eProperty_PlugInID_Native, &readIDs, &count), 0);
    EXPECT_TRUE (host.log.Operations().empty());

    EXPECT_EQ (map->RemoveProperty (AAX_eProperty_ProductID), AAX_SUCCESS);
    EXPECT_EQ (host.log.Of ("RemoveProperty").at (0).slot, 5);
}

TEST (PropertyMapWrapper, CreateWithoutContextOrFactoryGivesNull)
{
    EXPECT_EQ (AAX_VPropertyMap::Create (nullptr), nullptr);

    CallLog log;
    Unknown context (log, "context");
    EXPECT_EQ (AAX_VPropertyMap::Create (&context), nullptr);
}

TEST (PropertyMapWrapper, DescriptionHostIsLookedForOnTheFactoryToo)
{
    DescriptionHostContext host;
    host.factory.Offer (IID_IAAXDescriptionHostV1, static_cast<AAX_IACFDescriptionHost*> (&host.descriptionHost),
                        &host.descriptionHost);
    std::unique_ptr<AAX_VPropertyMap> map (AAX_VPropertyMap::Create (&host.context));

    EXPECT_EQ (map->AddProperty (AAX_eProperty_InputStemFormat, 0x000D0002), AAX_SUCCESS);
    map.reset();
    EXPECT_EQ (host.descriptionHost.refCount, 0);
    EXPECT_EQ (host.factory.refCount, 0);
}

//==============================================================================
TEST (ComponentDescriptorWrapper, DuplicateCopiesProperties10To401)
{
    DescriptionHostContext host;
    AAX_VComponentDescriptor component (&host.context);
    PropertyMap source (host.log, "source");
    source.integers = {{9, 90}, {10, 100}, {401, 4010}, {402, 4020}};
    int target = 0;
    source.pointers = {{AAX_eProperty_NativeProcessProc, &target}};
    std::unique_ptr<AAX_VPropertyMap> sourceMap (AAX_VPropertyMap::Acquire (&source));

    AAX_IPropertyMap* const copy = component.DuplicatePropertyMap (sourceMap.get());
    ASSERT_NE (copy, nullptr);
    auto* const hostCopy = host.factory.AllMade<PropertyMap>().back();
    EXPECT_EQ (copy->GetIUnknown(), static_cast<IACFUnknown*> (static_cast<AAX_IACFPropertyMap_V3*> (hostCopy)));
    EXPECT_EQ (hostCopy->integers, (std::map<int32_t, AAX_CPropertyValue>{{10, 100}, {401, 4010}}));
    EXPECT_EQ (hostCopy->pointers.size(), 1u);
    EXPECT_EQ (hostCopy->pointers[AAX_eProperty_NativeProcessProc], &target);

    // Every identifier of the range was asked for, in ascending order.
    const auto reads = host.log.Of ("GetProperty", "source");
    ASSERT_EQ (reads.size(), 392u);
    EXPECT_EQ (reads.front().arguments[0], "10");
    EXPECT_EQ (reads.back().arguments[0], "401");

    EXPECT_EQ (component.DuplicatePropertyMap (nullptr), nullptr);
}

TEST (ComponentDescriptorWrapper, FieldsReachTheHostWithJuceDefaults)
{
    DescriptionHostContext host;
    AAX_VComponentDescriptor component (&host.context);
    AAX_IComponentDescriptor& asInterface = component;
    host.log.Clear();

    EXPECT_EQ (asInterface.AddAudioIn (0), AAX_SUCCESS);
    EXPECT_EQ (asInterface.AddAudioOut (1), AAX_SUCCESS);
    EXPECT_EQ (asInterface.AddAudioBufferLength (2), AAX_SUCCESS);
    EXPECT_EQ (asInterface.AddDataInPort (3, sizeof (int32_t)), AAX_SUCCESS);
    EXPECT_EQ (asInterface.AddPrivateData (4, 8), AAX_SUCCESS);
    EXPECT_EQ (asInterface.AddMeters (6, nullptr, 0), AAX_SUCCESS);
    EXPECT_EQ (asInterface.AddTemporaryData (7, 16), AAX_SUCCESS);

    const auto& calls = host.log.calls;
    ASSERT_EQ (calls.size(), 7u);
    EXPECT_EQ (calls[0].slot, 5);
    EXPECT_EQ (calls[1].slot, 6);
    EXPECT_EQ (calls[2].slot, 7);
    EXPECT_EQ (calls[3].slot, 11);
    EXPECT_EQ (calls[3].arguments, (std::vector<std::string>{"3", "4", "1"}));
    EXPECT_EQ (calls[4].slot, 13);
    EXPECT_EQ (calls[4].arguments, (std::vector<std::string>{"4", "8", "0"}));
    EXPECT_EQ (calls[5].slot, 18);
    EXPECT_EQ (calls[6].slot, 19);
}

TEST (ComponentDescriptorWrapper, TypedProcessCallbackIsRegisteredAsIs)
{
    DescriptionHostContext host;
    AAX_VComponentDescriptor component (&host.context);
    AAX_IPropertyMap* const map = component.NewPropertyMap();
    host.log.Clear();

    AAX_IComponentDescriptor& asInterface = component;
    EXPECT_EQ (asInterface.AddProcessProc_Native (ProcessTypedContext, map), AAX_SUCCESS);

    const auto calls = host.log.Of ("AddProcessProc_Native");
    ASSERT_EQ (calls.size(), 1u);
    EXPECT_EQ (calls[0].slot, 16);
    EXPECT_EQ (calls[0].arguments,
               (std::vector<std::string>{Format (reinterpret_cast<AAX_CProcessProc> (ProcessTypedContext)),
                                         Id (map->GetIUnknown()), "null", "null", "null"}));
}

TEST (ComponentDescriptorWrapper, PointerPropertiesOfManualRegistration)
{
    const auto& properties = AAX_VComponentDescriptor::PointerPropertiesUsedByAddProcessProc();
    EXPECT_EQ (std::vector<AAX_EProperty> (properties.begin(), properties.end()),
               (std::vector<AAX_EProperty>{AAX_eProperty_NativeProcessProc, AAX_eProperty_NativeInstanceInitProc,
                                           AAX_eProperty_NativeBackgroundProc, AAX_eProperty_TIDLLFileName,
                                           AAX_eProperty_TIProcessProc, AAX_eProperty_TIInstanceInitProc,
                                           AAX_eProperty_TIBackgroundProc}));
    EXPECT_EQ (&properties, &AAX_VComponentDescriptor::PointerPropertiesUsedByAddProcessProc());
}

//==============================================================================
class ManualProcessProcs : public ::testing::Test
{
protected:
    // Property maps without version 3 and component descriptors without version 3.
    DescriptionHostContext host{2, 2};
    ScopedHostServices services{host.log};
    AAX_VComponentDescriptor component{&host.context};
    AAX_IPropertyMap* map = component.NewPropertyMap();
    PropertyMap* hostMap = host.factory.AllMade<PropertyMap>().back();
    ComponentDescriptor* hostComponent = host.factory.AllMade<ComponentDescriptor>().back();
};

TEST_F (ManualProcessProcs, VersionThreeDescriptorRegistersFromTheMap)
{
    DescriptionHostContext modernHost;
    AAX_VComponentDescriptor modern (&modernHost.context);
    AAX_IPropertyMap* const modernMap = modern.NewPropertyMap();
    modernHost.log.Clear();
    uint32_t ids[4] = {};

    EXPECT_EQ (modern.AddProcessProc (modernMap, ids, 4), AAX_SUCCESS);
    const auto calls = modernHost.log.Operations();
    ASSERT_EQ (calls.size(), 1u);
    const auto call = modernHost.log.Of ("AddProcessProc").at (0);
    EXPECT_EQ (call.slot, 20);
    EXPECT_EQ (call.arguments, (std::vector<std::string>{Id (modernMap->GetIUnknown()), Id (ids), "4"}));
}

TEST_F (ManualProcessProcs, NativeRegistrationWithTheGivenMap)
{
    map->AddProperty (kNativeID, kNativePlugInID);
    map->AddPointerProperty (kNativeProcessProc, reinterpret_cast<const void*> (&ProcessSomething));
    host.log.Clear();

    uint32_t ids[2] = {77, 77};
    EXPECT_EQ (component.AddProcessProc (map, ids, 2), AAX_SUCCESS);
    EXPECT_EQ (ids[0], 101u);
    EXPECT_EQ (ids[1], 0u);

    const auto registrations = host.log.Of ("AddProcessProc_Native");
    ASSERT_EQ (registrations.size(), 1u);
    EXPECT_EQ (registrations[0].arguments[0], Format (&ProcessSomething));
    EXPECT_EQ (registrations[0].arguments[1], Id (map->GetIUnknown()));
    EXPECT_EQ (registrations[0].arguments[2], "null");
    EXPECT_EQ (registrations[0].arguments[3], "null");
    EXPECT_TRUE (host.log.Of ("Trace").empty());
}

TEST_F (ManualProcessProcs, TooSmallIDArrayOverflowsAfterRegistering)
{
    map->AddProperty (kNativeID, kNativePlugInID);
    map->AddPointerProperty (kNativeProcessProc, reinterpret_cast<const void*> (&ProcessSomething));
    host.log.Clear();

    uint32_t ids[1] = {77};
    EXPECT_EQ (component.AddProcessProc (map, ids, 1), AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW);
    EXPECT_EQ (ids[0], 77u);
    EXPECT_EQ (host.log.Of ("AddProcessProc_Native").size(), 1u);

    // Without an ID array the registration simply succeeds.
    EXPECT_EQ (component.AddProcessProc (map, nullptr, 0), AAX_SUCCESS);
}

TEST_F (ManualProcessProcs, NothingToRegisterStillTerminatesTheArray)
{
    uint32_t ids[1] = {77};
    EXPECT_EQ (component.AddProcessProc (map, ids, 1), AAX_SUCCESS);
    EXPECT_EQ (ids[0], 0u);
    EXPECT_EQ (component.AddProcessProc (map, ids, 0), AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW);
    EXPECT_EQ (component.AddProcessProc (nullptr, ids, 1), AAX_ERROR_NULL_OBJECT);
}

TEST_F (ManualProcessProcs, AudioBufferLengthIsLeftOutOfACopy)
{
    map->AddProperty (kNativeID, kNativePlugInID);
    map->AddProperty (kAudioBufferLength, 9);
    host.log.Clear();

    uint32_t ids[2] = {};
    EXPECT_EQ (component.AddProcessProc (map, ids, 2), AAX_SUCCESS);

    const auto registrations = host.log.Of ("AddProcessProc_Native");
    ASSERT_EQ (registrations.size(), 1u);
    auto* const hostCopy = host.factory.AllMade<PropertyMap>().back();
    ASSERT_NE (hostCopy, hostMap);
    EXPECT_EQ (registrations[0].arguments[1], Id (static_cast<AAX_IACFPropertyMap_V2*> (hostCopy)));
    EXPECT_EQ (hostCopy->integers.count (kAudioBufferLength), 0u);
    EXPECT_EQ (hostCopy->integers.at (kNativeID), kNativePlugInID);
    EXPECT_EQ (hostMap->integers.at (kAudioBufferLength), 9);

    // The missing native callback was reported; the copy still belongs to the descriptor, which releases it.
    ASSERT_EQ (host.log.Of ("Trace").size(), 1u);
    EXPECT_EQ (host.log.Of ("Trace")[0].arguments,
               (std::vector<std::string>{std::to_string (0x8000000),
                                         "AAX_VComponentDescriptor.cpp: ManuallyAddProcessProcs() - no value found for "
                                         "AAX_eProperty_NativeProcessProc"}));
    EXPECT_TRUE (host.log.Of ("HandleAssertFailure").empty());
}

TEST_F (ManualProcessProcs, FailedRemovalFromTheCopyIsReportedAtItsLine)
{
    map->AddProperty (kNativeID, kNativePlugInID);
    map->AddProperty (kAudioBufferLength, 9);
    host.factory.Register (AAXCompID_AAXPropertyMap,
                           [this] (int serial)
                           {
                               auto copy = std::make_unique<PropertyMap> (host.log, "map" + std::to_string (serial), 2);
                               copy->removeResult = AAX_ERROR_INVALID_ARGUMENT;
                               return copy;
                           });
    host.log.Clear();

    EXPECT_EQ (component.AddProcessProc (map, nullptr, 0), AAX_SUCCESS);

    const auto reports = host.log.Of ("HandleAssertFailure");
    ASSERT_EQ (reports.size(), 1u);
    EXPECT_NE (reports[0].arguments[0].find ("AAX_VComponentDescriptor"), std::string::npos);
    EXPECT_EQ (reports[0].arguments[1], "90");
    EXPECT_EQ (reports[0].arguments[2], "AAX_SUCCESS == removeNativeAudioBufferLengthResult");
    EXPECT_EQ (reports[0].arguments[3], "1");

    // The copy is used even so.
    auto* const hostCopy = host.factory.AllMade<PropertyMap>().back();
    EXPECT_EQ (host.log.Of ("AddProcessProc_Native").at (0).arguments[1],
               Id (static_cast<AAX_IACFPropertyMap_V2*> (hostCopy)));
}

TEST_F (ManualProcessProcs, CopyThatLosesTheLengthIsReportedAndNotUsed)
{
    map->AddProperty (kNativeID, kNativePlugInID);
    map->AddProperty (kAudioBufferLength, 9);

    // From here on the host makes maps that drop the buffer length they are given.
    host.factory.Register (AAXCompID_AAXPropertyMap,
                           [this] (int serial)
                           {
                               auto copy =
                                   std::make_unique<PropertyMap> (host.log, "forgetful" + std::to_string (serial), 2);
                               copy->refused.insert (AAX_eProperty_AudioBufferLength);
                               return copy;
                           });
    host.log.Clear();

    EXPECT_EQ (component.AddProcessProc (map, nullptr, 0), AAX_SUCCESS);

    const auto reports = host.log.Of ("HandleAssertFailure");
    ASSERT_EQ (reports.size(), 1u);
    EXPECT_EQ (reports[0].arguments[1], "86");
    EXPECT_EQ (reports[0].arguments[2], "0 != gotPropertySuccess");
    EXPECT_EQ (host.log.Of ("AddProcessProc_Native").at (0).arguments[1], Id (map->GetIUnknown()));
}

TEST_F (ManualProcessProcs, TIRegistrationTracesEachMissingName)
{
    map->AddProperty (kTIID, kTIPlugInID);
    host.log.Clear();

    uint32_t ids[3] = {7, 7, 7};
    EXPECT_EQ (component.AddProcessProc (map, ids, 3), AAX_SUCCESS);

    const auto traces = host.log.Of ("Trace");
    ASSERT_EQ (traces.size(), 2u);
    EXPECT_EQ (
        traces[0].arguments[1],
        "AAX_VComponentDescriptor.cpp: ManuallyAddProcessProcs() - no value found for AAX_eProperty_TIDLLFileName");
    EXPECT_EQ (
        traces[1].arguments[1],
        "AAX_VComponentDescriptor.cpp: ManuallyAddProcessProcs() - no value found for AAX_eProperty_TIProcessProc");
    EXPECT_EQ (traces[0].arguments[0], std::to_string (0x8000000));

    const auto registrations = host.log.Of ("AddProcessProc_TI");
    ASSERT_EQ (registrations.size(), 1u);
    EXPECT_EQ (registrations[0].slot, 17);
    EXPECT_EQ (registrations[0].arguments[0], "null");
    EXPECT_EQ (registrations[0].arguments[1], "null");
    EXPECT_EQ (registrations[0].arguments[2], Id (map->GetIUnknown()));
    EXPECT_TRUE (host.log.Of ("AddProcessProc_Native").empty());
    EXPECT_EQ (ids[0], 101u);
    EXPECT_EQ (ids[1], 0u);
    EXPECT_EQ (ids[2], 7u);
}

TEST_F (ManualProcessProcs, NativeFailureEndsTheRegistration)
{
    map->AddProperty (AAX_eProperty_PlugInID_AudioSuite, kAudioSuitePlugInID);
    map->AddProperty (kTIID, kTIPlugInID);
    hostComponent->registrationResult = AAX_ERROR_INVALID_ARGUMENT;
    host.log.Clear();

    uint32_t ids[3] = {7, 7, 7};
    EXPECT_EQ (component.AddProcessProc (map, ids, 3), AAX_ERROR_INVALID_ARGUMENT);
    EXPECT_EQ (host.log.Of ("AddProcessProc_Native").size(), 1u);
    EXPECT_TRUE (host.log.Of ("AddProcessProc_TI").empty());
    EXPECT_EQ (ids[0], 7u);
}

TEST_F (ManualProcessProcs, BothFormsGiveTwoIDs)
{
    map->AddProperty (kNativeID, kNativePlugInID);
    map->AddProperty (kTIID, kTIPlugInID);
    map->AddPointerProperty (AAX_eProperty_TIDLLFileName, "Vantrel.dll");
    map->AddPointerProperty (AAX_eProperty_TIProcessProc, "process");
    map->AddPointerProperty (kNativeProcessProc, reinterpret_cast<const void*> (&ProcessSomething));
    host.log.Clear();

    uint32_t ids[3] = {7, 7, 7};
    EXPECT_EQ (component.AddProcessProc (map, ids, 3), AAX_SUCCESS);
    EXPECT_EQ (ids[0], 101u);
    EXPECT_EQ (ids[1], 102u);
    EXPECT_EQ (ids[2], 0u);
    EXPECT_TRUE (host.log.Of ("Trace").empty());
    EXPECT_EQ (host.log.Of ("AddProcessProc_TI").at (0).arguments[0], "Vantrel.dll");
    EXPECT_EQ (host.log.Of ("AddProcessProc_TI").at (0).arguments[1], "process");
}
