// JUCE's AAX client includes this header but uses nothing from it: every parameter it registers is a
// float parameter with a linear taper and a number display. The library offers no binary taper delegate.
#ifndef AAX_CBINARYTAPERDELEGATE_H
#define AAX_CBINARYTAPERDELEGATE_H

#include "AAX_ITaperDelegate.h"

#endif
