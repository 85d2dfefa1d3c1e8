// The bundle's exported entry functions: the only symbols the AAX host looks up.
//
// This file is not compiled into the AAXLibrary target. JUCE's AAX client includes it as
// <AAX_Exports.cpp> inside its own translation unit, right after AAX_Version.h and JUCE's own headers
// (with `Component` already defined as a macro) and before `using namespace juce;`. So it includes
// everything it uses itself and declares only ACF- and AAX-prefixed names.

#include "AAX.h"
#include "AAX_CHostServices.h"
#include "AAX_CheckedResult.h"
#include "AAX_Enums.h"
#include "AAX_Errors.h"
#include "AAX_Exception.h"
#include "AAX_ICollection.h"
#include "AAX_UIDs.h"
#include "AAX_VCollection.h"
#include "AAX_Version.h"
#include "CACFUnknown.h"
#include "acfunknown.h"

#include <cstdint>
#include <exception>

// Interfaces the host receives through the entry functions; the plug-in never calls them.
class IACFPluginDefinition;
class IACFComponentDefinition;

// JUCE's client describes the plug-in into the collection; it defines this further down in the same
// translation unit. Its result is AAX_SUCCESS, or AAX_ERROR_NULL_OBJECT when no effect descriptor
// could be obtained.
AAX_Result GetEffectDescriptions (AAX_ICollection* collection);

#define ACF_EXPORT extern "C" __attribute__ ((visibility ("default")))

namespace AAX_Exports
{
/** Ends the registration with `failure`: an AAX_CheckedResult, which accepts only AAX_SUCCESS, traces it and
    throws it as an AAX::Exception::ResultError, which ACFRegisterPlugin turns back into the returned code.
*/
inline void ThrowRegistrationFailure (AAX_Result failure)
{
    AAX_CheckedResult result (failure);
    result.Check();
}

/** Describes the plug-in into a collection over the host context and hands the host its plug-in
    definition. Failures are thrown (checked results, host-query exceptions); the caller translates them.
*/
inline AAX_Result RegisterPlugin (IACFUnknown* hostUnknown, IACFPluginDefinition** outDefinition)
{
    AAX_VCollection collection (hostUnknown);
    IACFUnknown* const hostCollection = collection.GetIUnknown();

    // The host cannot receive a definition through a null pointer: nothing is described for it.
    if (outDefinition == nullptr)
        ThrowRegistrationFailure (AAX_ERROR_NULL_ARGUMENT);

    // JUCE's description fills every property map it obtains without testing it for null, and a host
    // without a collection (no host context, no component factory) hands out none. Such a host would end
    // with AAX_ERROR_NULL_OBJECT below anyway, so it ends here, before the description runs.
    if (hostCollection == nullptr)
        ThrowRegistrationFailure (AAX_ERROR_NULL_OBJECT);

    if (GetEffectDescriptions (&collection) != AAX_SUCCESS)
        ThrowRegistrationFailure (AAX_ERROR_NULL_OBJECT);

    *outDefinition = nullptr;
    void* definition = nullptr;

    if (ACFFAILED (hostCollection->QueryInterface (IID_IACFPluginDefinition, &definition)) || definition == nullptr)
        ThrowRegistrationFailure (AAX_ERROR_NULL_OBJECT);

    *outDefinition = static_cast<IACFPluginDefinition*> (definition);
    return AAX_SUCCESS;
}

/** Reports an exception that ended the registration to the host's trace. */
inline void TraceRegistrationFailure (const char* what)
{
    AAX_CHostServices::Trace (AAX_eTracePriorityHost_High, "AAXRegisterPlugin exception caught: %s", what);
}
} // namespace AAX_Exports

/** Describes the plug-in to the host. */
ACF_EXPORT ACFRESULT ACFRegisterPlugin (IACFUnknown* hostUnknown, IACFPluginDefinition** outDefinition)
{
    try
    {
        try
        {
            return AAX_Exports::RegisterPlugin (hostUnknown, outDefinition);
        }
        catch (const AAX::Exception::ResultError& error)
        {
            AAX_Exports::TraceRegistrationFailure (error.What().c_str());
            return error.Result();
        }
        catch (const AAX::Exception::Any& exception)
        {
            AAX_Exports::TraceRegistrationFailure (exception.What().c_str());
            return AAX_ERROR_UNKNOWN_EXCEPTION;
        }
        catch (const std::exception& exception)
        {
            AAX_Exports::TraceRegistrationFailure (exception.what());
            return AAX_ERROR_UNKNOWN_EXCEPTION;
        }
        catch (...)
        {
            AAX_CHostServices::Trace (AAX_eTracePriorityHost_High, "AAXRegisterPlugin exception caught: unknown");
            return AAX_ERROR_UNKNOWN_EXCEPTION;
        }
    }
    catch (...)
    {
        // Reporting the failure failed as well.
        return ACF_E_UNEXPECTED;
    }
}

/** The bundle registers no components of its own. */
ACF_EXPORT ACFRESULT ACFRegisterComponent (IACFUnknown*, acfUInt32, IACFComponentDefinition** outComponentDefinition)
{
    if (outComponentDefinition != nullptr)
        *outComponentDefinition = nullptr;

    return AAX_SUCCESS;
}

/** The host creates the plug-in's objects through the procedure pointers of the description, never
    through a class factory.
*/
ACF_EXPORT ACFRESULT ACFGetClassFactory (IACFUnknown*, acfCLSID, acfIID, void** outClassFactory)
{
    if (outClassFactory != nullptr)
        *outClassFactory = nullptr;

    return AAX_ERROR_UNIMPLEMENTED;
}

/** 0 when no object handed to the host is alive any more, else the number of live objects. */
ACF_EXPORT ACFRESULT ACFCanUnloadNow (IACFUnknown*)
{
    return static_cast<ACFRESULT> (CACFUnknown::GetActiveObjectCount());
}

/** Creates the wrapper of the host's services that trace output goes through; called with a null
    host context once a wrapper exists, it deletes it. 0x8000FFFF when the wrapper could not be made.
*/
ACF_EXPORT ACFRESULT ACFStartup (IACFUnknown* hostUnknown)
{
    return AAX_CHostServices::Set (hostUnknown);
}

/** Deletes the wrapper of the host's services. */
ACF_EXPORT ACFRESULT ACFShutdown (IACFUnknown*)
{
    AAX_CHostServices::Reset();
    return AAX_SUCCESS;
}

/** Tells the host which version of the interface the bundle was built against. */
ACF_EXPORT ACFRESULT ACFGetSDKVersion (uint64_t* outSDKVersion)
{
    if (outSDKVersion == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outSDKVersion = AAX_SDK_VERSION_AND_REVISION;
    return AAX_SUCCESS;
}

#undef ACF_EXPORT
