// A MIDI node of the algorithm context, as JUCE's client sees it.
#ifndef AAX_IMIDINODE_H
#define AAX_IMIDINODE_H

#include "AAX.h"

/** A MIDI input or output node the host places in a field of the algorithm context.

    JUCE's client names this type in its algorithm context and process signatures; it reads a node's
    buffer and posts packets to it only in plug-ins that take or produce MIDI, which Vantrel does not,
    so its context has no MIDI fields and the host hands over no node.
*/
class AAX_IMIDINode
{
public:
    virtual ~AAX_IMIDINode() = default;

    /** The packets the host delivered to this node for the current block. */
    virtual AAX_CMidiStream* GetNodeBuffer() = 0;

    /** Queues one packet on an output node. */
    virtual AAX_Result PostMIDIPacket (AAX_CMidiPacket* packet) = 0;
};

#endif
