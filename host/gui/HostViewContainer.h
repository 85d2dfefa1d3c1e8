#pragma once

#include <AAX_Enums.h>
#include <AAX_IACFViewContainer.h>

#include <atomic>
#include <optional>

namespace aaxhost
{
class HostWindow;

/** The kind of view this host hands a plug-in: an X11 window, its id cast to a pointer.

    The host interface names the native view kinds of the platforms AAX hosts run on; an X11 window is
    not among them. JUCE's client attaches its editor, on every platform but macOS, only to a container
    that reports AAX_eViewContainer_Type_HWND, and then hands the pointer to its X11 window peer as the
    parent window. So the host reports its X11 window under that value.
*/
constexpr int32_t x11WindowViewType = AAX_eViewContainer_Type_HWND;

/** The host's view container (versions 1 to 3): the host window the plug-in's view lives in.

    A plug-in's view-container wrapper keeps the references it took when it lets the container go, so
    this object does not delete itself on its last Release: the host owns it outright, and the reference
    count is kept only to be looked at. Once detached from its window it still answers, with a null
    pointer and without resizing anything.
*/
class HostViewContainer final : public AAX_IACFViewContainer_V3
{
public:
    explicit HostViewContainer (HostWindow& window);
    ~HostViewContainer() = default;

    HostViewContainer (const HostViewContainer&) = delete;
    HostViewContainer& operator= (const HostViewContainer&) = delete;

    /** Called when the window goes: later calls no longer reach it. */
    void detach() noexcept { window = nullptr; }

    /** The last size the plug-in asked for with SetViewSize, if any. */
    std::optional<AAX_Point> getRequestedSize() const noexcept { return requestedSize; }
    int getNumParameterMouseEvents() const noexcept { return numParameterMouseEvents; }
    acfUInt32 getReferenceCount() const noexcept { return referenceCount.load(); }

    //==============================================================================
    ACFRESULT QueryInterface (acfIID interfaceID, void** out) override;
    acfUInt32 AddRef() override { return ++referenceCount; }
    acfUInt32 Release() override { return --referenceCount; }

    int32_t GetType() override;
    void* GetPtr() override;
    AAX_Result GetModifiers (uint32_t* outModifiers) override;
    AAX_Result SetViewSize (AAX_Point* size) override;
    AAX_Result HandleParameterMouseDown (AAX_CParamID parameterID, uint32_t modifiers) override;
    AAX_Result HandleParameterMouseDrag (AAX_CParamID parameterID, uint32_t modifiers) override;
    AAX_Result HandleParameterMouseUp (AAX_CParamID parameterID, uint32_t modifiers) override;
    AAX_Result HandleMultipleParametersMouseDown (const AAX_CParamID* parameterIDs, uint32_t count,
                                                  uint32_t modifiers) override;
    AAX_Result HandleMultipleParametersMouseDrag (const AAX_CParamID* parameterIDs, uint32_t count,
                                                  uint32_t modifiers) override;
    AAX_Result HandleMultipleParametersMouseUp (const AAX_CParamID* parameterIDs, uint32_t count,
                                                uint32_t modifiers) override;
    AAX_Result HandleParameterMouseEnter (AAX_CParamID parameterID, uint32_t modifiers) override;
    AAX_Result HandleParameterMouseExit (AAX_CParamID parameterID, uint32_t modifiers) override;

private:
    AAX_Result noteParameterMouseEvent() noexcept;

    HostWindow* window;
    std::optional<AAX_Point> requestedSize;
    int numParameterMouseEvents = 0;
    std::atomic<acfUInt32> referenceCount{0};
};
}
