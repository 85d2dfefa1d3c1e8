#pragma once

#include "ComPtr.h"
#include "HostViewContainer.h"
#include "HostWindow.h"
#include "RunLoop.h"

#include <AAX.h>

#include <memory>
#include <string>

class AAX_IACFEffectGUI;

namespace aaxhost
{
struct EffectDescription;
class PluginInstance;

/** The plug-in's window, opened the way an AAX host opens it.

    Opening creates the effect's GUI object through its GUI factory (procedure 1), asks it for the
    effect-GUI interface, initialises it with the instance's context (which also leads to the data
    model's parameters), attaches a view container whose view is a new host window, asks the GUI for its
    view size, sizes the window to it and shows it. While the window is open the host answers the
    automation requests the plug-in makes from its editor. Closing detaches the view container
    (SetViewContainer with null), uninitialises the GUI, drops the host's reference and destroys the
    host window.

    The window must close before its instance goes. Everything here belongs on the main thread, and the
    plug-in's editor lives only while the main run loop runs (RunLoop::getMain()).
*/
class PluginWindow
{
public:
    /** Opens the window; throws PluginError when the plug-in refuses, WindowError without a display. */
    PluginWindow (PluginInstance& instance, const EffectDescription& effect, const std::string& title);

    /** Closes the window. */
    ~PluginWindow();

    PluginWindow (const PluginWindow&) = delete;
    PluginWindow& operator= (const PluginWindow&) = delete;

    HostWindow& getWindow() noexcept { return *window; }
    const HostViewContainer& getViewContainer() const noexcept { return *viewContainer; }
    AAX_IACFEffectGUI* getEffectGUI() const noexcept { return gui.get(); }

    /** The view size the GUI reported when the window opened. */
    AAX_Point getInitialViewSize() const noexcept { return initialViewSize; }

    /** Asks the GUI for its view size now; throws PluginError if it refuses. */
    AAX_Point queryViewSize() const;

private:
    void close() noexcept;

    PluginInstance& instance;
    std::unique_ptr<HostWindow> window;
    std::unique_ptr<HostViewContainer> viewContainer;
    ComPtr<AAX_IACFEffectGUI> gui;
    AAX_Point initialViewSize;
    RunLoop::TimerID automationTimer = 0;
    bool initialized = false, attached = false;
};
}
