#include "HostViewContainer.h"

#include "HostWindow.h"

#include <AAX_Errors.h>
#include <AAX_UIDs.h>

#include <cmath>

namespace aaxhost
{
HostViewContainer::HostViewContainer (HostWindow& hostWindow)
    : window (&hostWindow)
{
}

ACFRESULT HostViewContainer::QueryInterface (acfIID interfaceID, void** out)
{
    if (out == nullptr)
        return ACF_E_POINTER;

    *out = nullptr;

    if (interfaceID == IID_IACFUnknown || interfaceID == IID_IAAXViewContainerV1 ||
        interfaceID == IID_IAAXViewContainerV2 || interfaceID == IID_IAAXViewContainerV3)
    {
        AddRef();
        *out = static_cast<AAX_IACFViewContainer_V3*> (this);
        return ACF_OK;
    }

    return ACF_E_NOINTERFACE;
}

int32_t HostViewContainer::GetType()
{
    return x11WindowViewType;
}

void* HostViewContainer::GetPtr()
{
    return window != nullptr ? reinterpret_cast<void*> (window->getNativeWindow()) : nullptr;
}

AAX_Result HostViewContainer::GetModifiers (uint32_t* outModifiers)
{
    if (outModifiers == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outModifiers = window != nullptr ? window->getModifiers() : AAX_eModifiers_None;
    return AAX_SUCCESS;
}

AAX_Result HostViewContainer::SetViewSize (AAX_Point* size)
{
    if (size == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    // The plug-in may ask for any size, but not a meaningless one.
    if (!std::isfinite (size->horz) || !std::isfinite (size->vert) || size->horz < 1.0f || size->vert < 1.0f ||
        size->horz > 16384.0f || size->vert > 16384.0f)
        return AAX_ERROR_INVALID_ARGUMENT;

    requestedSize = *size;

    if (window != nullptr)
        window->setContentSize ((int)std::lround (size->horz), (int)std::lround (size->vert));

    return AAX_SUCCESS;
}

// The host offers no parameter gestures of its own (such as automation menus on a modified click), so it
// takes note of a plug-in's mouse reports and leaves the events to the plug-in.
AAX_Result HostViewContainer::noteParameterMouseEvent() noexcept
{
    ++numParameterMouseEvents;
    return AAX_SUCCESS;
}

AAX_Result HostViewContainer::HandleParameterMouseDown (AAX_CParamID, uint32_t)
{
    return noteParameterMouseEvent();
}

AAX_Result HostViewContainer::HandleParameterMouseDrag (AAX_CParamID, uint32_t)
{
    return noteParameterMouseEvent();
}

AAX_Result HostViewContainer::HandleParameterMouseUp (AAX_CParamID, uint32_t)
{
    return noteParameterMouseEvent();
}

AAX_Result HostViewContainer::HandleMultipleParametersMouseDown (const AAX_CParamID*, uint32_t, uint32_t)
{
    return noteParameterMouseEvent();
}

AAX_Result HostViewContainer::HandleMultipleParametersMouseDrag (const AAX_CParamID*, uint32_t, uint32_t)
{
    return noteParameterMouseEvent();
}

AAX_Result HostViewContainer::HandleMultipleParametersMouseUp (const AAX_CParamID*, uint32_t, uint32_t)
{
    return noteParameterMouseEvent();
}

AAX_Result HostViewContainer::HandleParameterMouseEnter (AAX_CParamID, uint32_t)
{
    return noteParameterMouseEvent();
}

AAX_Result HostViewContainer::HandleParameterMouseExit (AAX_CParamID, uint32_t)
{
    return noteParameterMouseEvent();
}
}
