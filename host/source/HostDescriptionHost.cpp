#include "HostDescriptionHost.h"

#include "HostFeatureInfo.h"
#include "HostPropertyMap.h"
#include "StemFormats.h"

#include <AAX_Errors.h>
#include <AAX_UIDs.h>

namespace aaxhost
{
HostDescriptionHost::HostDescriptionHost (HostState& hostState)
    : HostObject ({IID_IAAXDescriptionHostV1})
    , state (hostState)
{
}

AAX_Result HostDescriptionHost::AcquireFeatureProperties (const _acfUID& feature, IACFUnknown** outFeatureInfo)
{
    if (outFeatureInfo == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outFeatureInfo = nullptr;
    const auto& options = state.options;

    if (feature != AAXATTR_ClientFeature_StemFormat || !options.stemFormatSupportLevel)
        return AAX_ERROR_UNKNOWN_ID;

    auto properties = ComPtr<HostPropertyMap>::share (new HostPropertyMap (3, &state.diagnostics));

    for (auto format : getKnownStemFormats())
        properties->setHostProperty (format, options.defaultStemFormatAnswer);

    for (auto& [format, answer] : options.stemFormatAnswers)
        properties->setHostProperty (format, answer);

    auto featureInfo = ComPtr<IACFUnknown>::share (
        new HostFeatureInfo (state, *options.stemFormatSupportLevel, std::move (properties)));

    // Lent as well: the host keeps the object alive until registration ends.
    state.lentObjects.push_back (featureInfo);
    *outFeatureInfo = featureInfo.get();
    return AAX_SUCCESS;
}
}
