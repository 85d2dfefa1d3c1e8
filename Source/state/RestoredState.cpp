#include "RestoredState.h"
#include "ParameterHelper.h"

#include <cmath>

namespace Utility
{
namespace
{
    // The properties of a restored tree that the framework reads.
    const juce::Identifier stateIdProperty{"id"}, stateValueProperty{"value"}, stateParameterType{"PARAM"};

    // A value of "nan" reads as a number that no range can limit; like any other non-numeric value it
    // counts as 0. A value whose exponent JUCE cannot read is given as its number.
    void makeValuesReadable (juce::ValueTree& newState)
    {
        for (auto child : newState)
        {
            if (const auto* value = child.getPropertyPointer (stateValueProperty))
            {
                const auto text = value->toString();
                const auto readable = withReadableExponent (text);
                const auto number = readable.getDoubleValue();

                if (std::isnan (number))
                    child.setProperty (stateValueProperty, 0.0, nullptr);
                else if (readable != text)
                    child.setProperty (stateValueProperty, number, nullptr);
            }
        }
    }

    // A parameter that the restored tree does not name keeps its current value. The framework would
    // give it a child of its own holding only the identifier, and so take it to its default, and a
    // later save would write it without a value. Instead it gets a child with its current value, at the
    // end of the tree, in ascending order of identifier.
    void keepParametersTheStateDoesNotName (juce::ValueTree& newState, juce::AudioProcessorValueTreeState& apvts)
    {
        juce::StringArray unnamed;

        for (const auto* parameter : apvts.processor.getParameters())
            if (const auto* ranged = dynamic_cast<const juce::RangedAudioParameter*> (parameter))
                if (!newState.getChildWithProperty (stateIdProperty, ranged->paramID).isValid())
                    unnamed.add (ranged->paramID);

        unnamed.sort (false);

        for (const auto& id : unnamed)
        {
            juce::ValueTree child{stateParameterType};
            child.setProperty (stateIdProperty, id, nullptr);
            child.setProperty (stateValueProperty, (double)apvts.getRawParameterValue (id)->load(), nullptr);
            newState.appendChild (child, nullptr);
        }
    }

}

void prepareRestoredState (juce::ValueTree& newState, juce::AudioProcessorValueTreeState& apvts)
{
    makeValuesReadable (newState);
    keepParametersTheStateDoesNotName (newState, apvts);
}
}
