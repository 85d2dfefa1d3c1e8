#pragma once

#include "DialogButton.h"
#include "Parameters.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace Gui
{
// The information overlay: darkens the whole editor and shows the product, its version, the
// maker's web address and a caption on a dark panel above a "CLOSE" button. A click on "CLOSE" or
// anywhere outside the texts and the link hides it again.
class InfoDialog : public juce::Component
{
public:
    // The product's name, version, maker and web address are the plug-in's own (JucePlugin_ values,
    // set in one place by the build).
    InfoDialog()
    {
        dismissButton.onClick = [this] { setVisible (false); };
        dismissButton.setAlpha (0.0f);

        closeButton.onClick = [this] { setVisible (false); };

        versionLabel.setText (juce::String (JucePlugin_Name " (" JucePlugin_VersionString ")"),
                              juce::dontSendNotification);
        versionLabel.setJustificationType (juce::Justification::centred);
        versionLabel.setFont (juce::Font (15.0f));

        manufacturerLabel.setText (JucePlugin_Manufacturer, juce::dontSendNotification);
        manufacturerLabel.setJustificationType (juce::Justification::centred);
        manufacturerLabel.setFont (juce::Font (15.0f));

        // The plain font replaces the link's default underlined one.
        urlButton.setButtonText (JucePlugin_ManufacturerWebsite);
        urlButton.setURL (juce::URL (JucePlugin_ManufacturerWebsite));
        urlButton.setJustificationType (juce::Justification::centred);
        urlButton.setFont (juce::Font (15.0f), false, juce::Justification::centred);

        addAndMakeVisible (dismissButton);
        addAndMakeVisible (closeButton);
        addAndMakeVisible (versionLabel);
        addAndMakeVisible (manufacturerLabel);
        addAndMakeVisible (urlButton);
    }

    ~InfoDialog() override = default;

    void paint (juce::Graphics& g) override
    {
        g.fillAll (juce::Colour (0x33000000));
        juce::DropShadow (juce::Colour (0xB2000000), 30, {}).drawForRectangle (g, Parameters::Bounds::infoDialog);
        g.setColour (juce::Colour::fromString ("FF151519"));
        g.fillRect (Parameters::Bounds::infoDialog);
    }

    void resized() override
    {
        dismissButton.setBounds (getLocalBounds());
        versionLabel.setBounds (Parameters::Bounds::infoVersion);
        urlButton.setBounds (Parameters::Bounds::infoUrl);
        manufacturerLabel.setBounds (Parameters::Bounds::infoManufacturer);

        auto panel = Parameters::Bounds::infoDialog;
        closeButton.setBounds (
            panel.removeFromBottom (static_cast<int> (static_cast<float> (panel.getHeight()) * 0.25f)));
    }

    juce::ToggleButton dismissButton;
    DialogButton closeButton{"CLOSE"};
    juce::Label versionLabel;
    juce::Label manufacturerLabel;
    juce::HyperlinkButton urlButton;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (InfoDialog)
};
} // namespace Gui
