#include "PluginWindow.h"

#include "Host.h"
#include "PluginInstance.h"

#include <AAX_Errors.h>
#include <AAX_IACFEffectGUI.h>
#include <AAX_UIDs.h>

#include <cmath>

namespace aaxhost
{
namespace
{
    // How often the host answers the automation requests of an open editor, as its main thread would.
    constexpr std::chrono::milliseconds automationInterval{10};

    ComPtr<AAX_IACFEffectGUI> createEffectGUI (const EffectDescription& effect)
    {
        using CreateGUI = void* (*)();
        const auto create = reinterpret_cast<CreateGUI> (effect.getProcedure (kAAX_ProcPtrID_Create_EffectGUI));

        if (create == nullptr)
            throw PluginError ("the effect registered no GUI factory (procedure 1)", AAX_ERROR_NULL_OBJECT);

        // The factory returns the object with no reference; the host's own comes from QueryInterface.
        auto* const created = static_cast<IACFUnknown*> (create());

        if (created == nullptr)
            throw PluginError ("the GUI factory returned null", AAX_ERROR_NULL_OBJECT);

        const auto unknown = ComPtr<IACFUnknown>::share (created);
        auto gui = ComPtr<AAX_IACFEffectGUI>::query (unknown.get(), IID_IAAXEffectGUIV1);

        if (!gui)
            throw PluginError ("the GUI object does not offer the effect-GUI interface", ACF_E_NOINTERFACE);

        return gui;
    }

    int toPixels (float size)
    {
        return std::isfinite (size) ? (int)std::lround (size) : 0;
    }
}

PluginWindow::PluginWindow (PluginInstance& pluginInstance, const EffectDescription& effect, const std::string& title)
    : instance (pluginInstance)
{
    gui = createEffectGUI (effect);

    try
    {
        const auto initResult = gui->Initialize (instance.getContext());

        if (initResult != AAX_SUCCESS)
            throw PluginError ("the GUI's Initialize failed", initResult);

        initialized = true;

        window = std::make_unique<HostWindow> (title, 1, 1);
        viewContainer = std::make_unique<HostViewContainer> (*window);

        const auto attachResult = gui->SetViewContainer (viewContainer.get());

        if (attachResult != AAX_SUCCESS)
            throw PluginError ("the GUI's SetViewContainer failed", attachResult);

        attached = true;
        initialViewSize = queryViewSize();

        const auto width = toPixels (initialViewSize.horz), height = toPixels (initialViewSize.vert);

        if (width < 1 || height < 1 || width > 16384 || height > 16384)
            throw PluginError ("the GUI reported a view size of " + std::to_string (width) + " x " +
                                   std::to_string (height),
                               AAX_ERROR_INVALID_ARGUMENT);

        window->setContentSize (width, height);

        automationTimer = RunLoop::getMain().startTimer (automationInterval, [this] { instance.serviceAutomation(); });
        window->show();
    }
    catch (...)
    {
        close();
        throw;
    }
}

PluginWindow::~PluginWindow()
{
    close();
}

AAX_Point PluginWindow::queryViewSize() const
{
    AAX_Point size;
    const auto result = gui->GetViewSize (&size);

    if (result != AAX_SUCCESS)
        throw PluginError ("the GUI's GetViewSize failed", result);

    return size;
}

void PluginWindow::close() noexcept
{
    if (automationTimer != 0)
        RunLoop::getMain().stopTimer (std::exchange (automationTimer, 0));

    if (gui)
    {
        if (attached)
            gui->SetViewContainer (nullptr);

        if (initialized)
            gui->Uninitialize();

        gui.reset();
    }

    attached = initialized = false;

    if (viewContainer != nullptr)
        viewContainer->detach();

    window.reset();
    viewContainer.reset();
}
}
