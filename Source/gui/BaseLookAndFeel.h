#pragma once

#include "BinaryData.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace Gui
{
// The editor's look. It draws like the framework's own; its one job is to make the embedded font
// the default sans-serif typeface, so every text that names no typeface is set in it.
class BaseLookAndFeel : public juce::LookAndFeel_V4
{
public:
    BaseLookAndFeel()
    {
        // Typefaces are resolved through the process-wide default look, not through this one, so the
        // font goes there. It stays installed after the editor closes: other windows of the process
        // may already be drawing with it.
        auto& globalLook = juce::LookAndFeel::getDefaultLookAndFeel();
        globalLook.setDefaultSansSerifTypeface (juce::Typeface::createSystemTypefaceFor (
            BinaryData::B612Regular_otf, static_cast<size_t> (BinaryData::B612Regular_otfSize)));
    }

    ~BaseLookAndFeel() override = default;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (BaseLookAndFeel)
};
} // namespace Gui
