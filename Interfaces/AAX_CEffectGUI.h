#ifndef AAX_CEFFECTGUI_H
#define AAX_CEFFECTGUI_H

#include "AAX.h"
#include "AAX_Enums.h"
#include "AAX_Errors.h"
#include "AAX_IEffectGUI.h"
#include "AAX_IACFEffectParameters.h"
#include "AAX_IController.h"
#include "AAX_ITransport.h"
#include "AAX_IViewContainer.h"
#include "AAX_IString.h"

#include <memory>

/** The base class of a plug-in's GUI object.

    The host creates it through the GUI factory, initialises it with its controller, and attaches and detaches
    its view container as the plug-in window opens and closes. The derived class builds its contents in
    CreateViewContents, attaches them to the host view in CreateViewContainer and tears them down in
    DeleteViewContainer; this class keeps the host wrappers and tells the derived class about every parameter
    once a view is attached.
*/
class AAX_CEffectGUI : public AAX_IEffectGUI
{
public:
    AAX_CEffectGUI();

    AAX_CEffectGUI (const AAX_CEffectGUI&) = delete;
    AAX_CEffectGUI& operator= (const AAX_CEffectGUI&) = delete;

    //==============================================================================
    // The host's effect-GUI interface.
    AAX_Result Initialize (IACFUnknown* controller) override;
    AAX_Result Uninitialize() override;
    AAX_Result NotificationReceived (AAX_CTypeID notificationType, const void* data, uint32_t size) override;
    AAX_Result SetViewContainer (IACFUnknown* viewContainer) override;
    AAX_Result GetViewSize (AAX_Point* outViewSize) const override;
    AAX_Result Draw (AAX_Rect* drawRect) override;
    AAX_Result TimerWakeup() override;
    AAX_Result ParameterUpdated (AAX_CParamID parameterID) override;
    AAX_Result GetCustomLabel (AAX_EPlugInStrings selector, AAX_IString* outString) const override;
    AAX_Result SetControlHighlightInfo (AAX_CParamID parameterID, AAX_CBoolean isHighlighted,
                                        AAX_EHighlightColor color) override;

    /** Answers IID_IAAXEffectGUIV1 and IID_IACFUnknown. */
    ACFRESULT InternalQueryInterface (acfIID riid, void** ppvObjOut) override;

    /** Tears down what Uninitialize would, without calling into the derived class (which is already gone). */
    ~AAX_CEffectGUI() override;

protected:
    /** Creates the view's contents; called once per Initialize, before any view container exists. */
    virtual void CreateViewContents() = 0;

    /** Attaches the contents to the host view now held by GetViewContainer(). */
    virtual void CreateViewContainer() = 0;

    /** Detaches and destroys the contents; must keep no reference to the view container, which is deleted next. */
    virtual void DeleteViewContainer() = 0;

    /** Calls ParameterUpdated for every parameter of the data model, in index order. */
    virtual void UpdateAllParameters();

    //==============================================================================
    /** The wrapper of the attached host view, or null while no view is attached. */
    AAX_IViewContainer* GetViewContainer() noexcept { return mViewContainer.get(); }
    const AAX_IViewContainer* GetViewContainer() const noexcept { return mViewContainer.get(); }

    /** The attached native view, or null. */
    void* GetViewContainerPtr();

    /** The kind of the attached native view (an AAX_EViewContainer_Type value), 0 without one. */
    int32_t GetViewContainerType();

    /** The data model's parameter interface as the host handed it, or null. */
    AAX_IACFEffectParameters* GetEffectParameters() noexcept { return mEffectParameters; }
    const AAX_IACFEffectParameters* GetEffectParameters() const noexcept { return mEffectParameters; }

    /** The host's controller and transport, or null before Initialize. */
    AAX_IController* Controller() noexcept { return mController.get(); }
    const AAX_IController* Controller() const noexcept { return mController.get(); }
    AAX_ITransport* Transport() noexcept { return mTransport.get(); }
    const AAX_ITransport* Transport() const noexcept { return mTransport.get(); }

private:
    void ReleaseEffectParameters() noexcept;

    std::unique_ptr<AAX_IController> mController;
    AAX_IACFEffectParameters* mEffectParameters = nullptr;
    std::unique_ptr<AAX_IViewContainer> mViewContainer;
    std::unique_ptr<AAX_ITransport> mTransport;
};

#endif
