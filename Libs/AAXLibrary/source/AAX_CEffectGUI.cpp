#include "AAX_CEffectGUI.h"

#include "AAX_CString.h"
#include "AAX_UIDs.h"
#include "AAX_VController.h"
#include "AAX_VTransport.h"
#include "AAX_VViewContainer.h"

#include <utility>

AAX_CEffectGUI::AAX_CEffectGUI() = default;

AAX_CEffectGUI::~AAX_CEffectGUI()
{
    // The derived part is already gone, so nothing of it may be called: the view wrapper is just deleted.
    mViewContainer.reset();
    ReleaseEffectParameters();
    mController.reset();
    mTransport.reset();
}

//==============================================================================
AAX_Result AAX_CEffectGUI::Initialize (IACFUnknown* controller)
{
    mController = std::make_unique<AAX_VController> (controller);

    if (controller == nullptr)
        return AAX_ERROR_NOT_INITIALIZED;

    ReleaseEffectParameters();
    void* effectParameters = nullptr;

    // A host without the data model's parameter interface leaves it null: UpdateAllParameters then does nothing.
    if (ACFSUCCEEDED (controller->QueryInterface (IID_IAAXEffectParametersV1, &effectParameters)))
        mEffectParameters = static_cast<AAX_IACFEffectParameters*> (effectParameters);

    mTransport = std::make_unique<AAX_VTransport> (controller);
    CreateViewContents();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::Uninitialize()
{
    if (mViewContainer != nullptr)
        SetViewContainer (nullptr);

    ReleaseEffectParameters();
    mController.reset();
    mTransport.reset();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::NotificationReceived (AAX_CTypeID, const void*, uint32_t)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::SetViewContainer (IACFUnknown* viewContainer)
{
    if (viewContainer == nullptr)
    {
        DeleteViewContainer();
        mViewContainer.reset();
        return AAX_SUCCESS;
    }

    // A new view replaces the old one without DeleteViewContainer: the derived class re-attaches its contents.
    mViewContainer = std::make_unique<AAX_VViewContainer> (viewContainer);
    CreateViewContainer();
    UpdateAllParameters();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::GetViewSize (AAX_Point*) const
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::Draw (AAX_Rect*)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::TimerWakeup()
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::ParameterUpdated (AAX_CParamID)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::GetCustomLabel (AAX_EPlugInStrings, AAX_IString*) const
{
    return AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_CEffectGUI::SetControlHighlightInfo (AAX_CParamID, AAX_CBoolean, AAX_EHighlightColor)
{
    return AAX_SUCCESS;
}

ACFRESULT AAX_CEffectGUI::InternalQueryInterface (acfIID riid, void** ppvObjOut)
{
    if (ppvObjOut != nullptr && riid == IID_IAAXEffectGUIV1)
    {
        *ppvObjOut = static_cast<AAX_IACFEffectGUI*> (this);
        AddRef();
        return ACF_OK;
    }

    return CACFUnknown::InternalQueryInterface (riid, ppvObjOut);
}

//==============================================================================
void AAX_CEffectGUI::UpdateAllParameters()
{
    if (mEffectParameters == nullptr)
        return;

    int32_t numParameters = 0;

    if (mEffectParameters->GetNumberOfParameters (&numParameters) != AAX_SUCCESS || numParameters < 0)
        return;

    for (int32_t index = 0; index < numParameters; ++index)
    {
        AAX_CString parameterID;

        if (mEffectParameters->GetParameterIDFromIndex (index, &parameterID) == AAX_SUCCESS)
            ParameterUpdated (parameterID.Get());
    }
}

void* AAX_CEffectGUI::GetViewContainerPtr()
{
    return mViewContainer != nullptr ? mViewContainer->GetPtr() : nullptr;
}

int32_t AAX_CEffectGUI::GetViewContainerType()
{
    return mViewContainer != nullptr ? mViewContainer->GetType() : static_cast<int32_t> (AAX_eViewContainer_Type_NULL);
}

void AAX_CEffectGUI::ReleaseEffectParameters() noexcept
{
    if (auto* toRelease = std::exchange (mEffectParameters, nullptr))
        toRelease->Release();
}
