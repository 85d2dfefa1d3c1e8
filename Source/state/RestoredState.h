#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

namespace Utility
{
// Readies a parameter tree read from a saved state for the framework to take over, so that what it
// restores is what a later save writes again:
//  - a value of "nan" (which no range can limit) counts as 0, like any other non-numeric value, and a
//    value whose exponent JUCE cannot read is given as its number;
//  - a parameter that the tree does not name keeps its current value: it gets a child of its own
//    with that value, at the end of the tree, in ascending order of identifier.
void prepareRestoredState (juce::ValueTree& newState, juce::AudioProcessorValueTreeState& apvts);
}
