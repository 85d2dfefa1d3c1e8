// JUCE's AAX client includes this header but uses nothing from it: every parameter it registers is a
// float parameter with a linear taper and a number display. The library offers no binary display delegate.
#ifndef AAX_CBINARYDISPLAYDELEGATE_H
#define AAX_CBINARYDISPLAYDELEGATE_H

#include "AAX_IDisplayDelegate.h"

#endif
